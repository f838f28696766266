#pragma once
// Where this station keeps its address book and history: the local files
// (the default, nothing to set up) or a PostgreSQL server its packing
// stations share. Kept in "store.ini" in the database folder that all
// editions share, so that every edition on the station uses the same store.
//
// No password is ever written here: libpq reads it from ~/.pgpass or
// PGPASSWORD, as every PostgreSQL tool does.

#include <QString>

struct StoreSettings {
    bool useServer = false;
    QString host;     // empty: libpq's default (PGHOST, or the local socket)
    int port = 0;     // 0: libpq's default (PGPORT, or 5432)
    QString database; // empty: libpq's default (PGDATABASE, or the user's name)
    QString user;     // empty: libpq's default (PGUSER, or the login name)

    // The server's connection URI ("postgresql://user@host:port/database");
    // empty for the local files.
    QString location() const;
};

// <dataDir>/store.ini
QString StoreSettingsFile(const QString &dataDir);
// The station's setting; the local files when the file is missing.
StoreSettings ReadStoreSettings(const QString &dataDir);
// Writes the setting; false when the file could not be written.
bool WriteStoreSettings(const QString &dataDir, const StoreSettings &settings);
