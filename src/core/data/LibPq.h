#pragma once

// The PostgreSQL client library is opened on the first connection to a server,
// not linked: it brings some twenty libraries (TLS, Kerberos, LDAP, ...) whose
// loading every start would pay for, while most stations keep their data in
// files and the small commands never touch a server.

#include <libpq-fe.h>

#include <QString>

struct LibPq
{
    decltype(&::PQconnectdbParams) connectdbParams;
    decltype(&::PQstatus) status;
    decltype(&::PQerrorMessage) errorMessage;
    decltype(&::PQfinish) finish;
    decltype(&::PQsetClientEncoding) setClientEncoding;
    decltype(&::PQsetNoticeProcessor) setNoticeProcessor;
    decltype(&::PQserverVersion) serverVersion;
    decltype(&::PQtransactionStatus) transactionStatus;
    decltype(&::PQconsumeInput) consumeInput;
    decltype(&::PQexecParams) execParams;
    decltype(&::PQresultStatus) resultStatus;
    decltype(&::PQresultErrorMessage) resultErrorMessage;
    decltype(&::PQresultErrorField) resultErrorField;
    decltype(&::PQcmdTuples) cmdTuples;
    decltype(&::PQclear) clear;
    decltype(&::PQntuples) ntuples;
    decltype(&::PQnfields) nfields;
    decltype(&::PQfname) fname;
    decltype(&::PQgetisnull) getisnull;
    decltype(&::PQgetvalue) getvalue;
    decltype(&::PQgetlength) getlength;
};

// The library's functions, loaded once for the whole process; nullptr when the
// library cannot be opened or lacks a function, with *why saying which (a
// connection reports it with DatabaseError::ClientLibraryMissing).
const LibPq *LoadLibPq(QString *why = nullptr);
