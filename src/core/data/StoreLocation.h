#pragma once
// Where the address book and history live: the two local SQLite files (a
// path each) or a PostgreSQL server shared by several stations, named by
// libpq's connection URI ("postgresql://host:port/database?user=…").
//
// The program hands such a location wherever it would hand a file path, so
// that everything that reads or writes the address book works on either
// store without knowing which.

#include <QString>

// True when location names a server rather than a file.
bool IsServerStore(const QString &location);

// The location without a password, for messages and the window title.
QString StoreLocationForDisplay(const QString &location);
