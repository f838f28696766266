#include "core/data/LibPq.h"

#include <dlfcn.h>

namespace {

struct Loaded
{
    LibPq functions{};
    bool ok = false;
    QString why;
};

Loaded Load()
{
    Loaded out;
    // The soname of every libpq since PostgreSQL 8.2; the development link
    // name is tried too for a build tree without the runtime package's name.
    void *handle = dlopen("libpq.so.5", RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        handle = dlopen("libpq.so", RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        out.why = QStringLiteral("cannot load the PostgreSQL client library libpq.so.5: %1")
                      .arg(QString::fromLocal8Bit(dlerror()));
        return out;
    }
    bool complete = true;
    auto resolve = [&](auto &function, const char *name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(handle, name));
        if (!function && complete) {
            complete = false;
            out.why = QStringLiteral("the PostgreSQL client library lacks %1").arg(QLatin1String(name));
        }
    };
    LibPq &f = out.functions;
    resolve(f.connectdbParams, "PQconnectdbParams");
    resolve(f.status, "PQstatus");
    resolve(f.errorMessage, "PQerrorMessage");
    resolve(f.finish, "PQfinish");
    resolve(f.setClientEncoding, "PQsetClientEncoding");
    resolve(f.setNoticeProcessor, "PQsetNoticeProcessor");
    resolve(f.serverVersion, "PQserverVersion");
    resolve(f.transactionStatus, "PQtransactionStatus");
    resolve(f.consumeInput, "PQconsumeInput");
    resolve(f.execParams, "PQexecParams");
    resolve(f.resultStatus, "PQresultStatus");
    resolve(f.resultErrorMessage, "PQresultErrorMessage");
    resolve(f.resultErrorField, "PQresultErrorField");
    resolve(f.cmdTuples, "PQcmdTuples");
    resolve(f.clear, "PQclear");
    resolve(f.ntuples, "PQntuples");
    resolve(f.nfields, "PQnfields");
    resolve(f.fname, "PQfname");
    resolve(f.getisnull, "PQgetisnull");
    resolve(f.getvalue, "PQgetvalue");
    resolve(f.getlength, "PQgetlength");
    // The handle stays open for the life of the process: connections in the
    // pool are closed through it at exit.
    out.ok = complete;
    return out;
}

} // namespace

const LibPq *LoadLibPq(QString *why)
{
    static const Loaded loaded = Load();
    if (!loaded.ok && why)
        *why = loaded.why;
    return loaded.ok ? &loaded.functions : nullptr;
}
