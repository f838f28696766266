#pragma once
// An error reported by the database engine, carried to the caller with the
// engine's own message so that the window that started the operation can show it.

#include <QString>

struct DatabaseError {
    int code = 0;    // the engine's result code (0 when there is no error)
    QString message; // the engine's message, or ours when the engine gave none
    QString sqlState; // a server's SQLSTATE ("23505"); empty for the local files

    // The SQLSTATE of a station that cannot load the PostgreSQL client library
    // (a class the standard leaves to implementations, unused by PostgreSQL).
    static constexpr const char *ClientLibraryMissing = "KL001";

    // True when this holds an error.
    bool isError() const { return code != 0 || !message.isEmpty(); }
};
