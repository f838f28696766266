#pragma once
// Connections to the server kept open between uses. The program opens its
// store for each piece of work (a page's history row, a list fill, a save);
// a fresh server connection for each would cost a handshake and an
// authentication every time. A connection is lent to one user at a time.

#include "core/data/DatabaseError.h"

#include <QString>
#include <memory>

class PgConnection;

// A connection to location: an idle one kept from before that is still
// connected, or a new one. The new one reads the address book's tables first
// and the history's second.
std::unique_ptr<PgConnection> TakeServerConnection(const QString &location, DatabaseError *error);
// Hands a connection back for later use; one that is broken or still in a
// transaction is closed instead.
void ReturnServerConnection(const QString &location, std::unique_ptr<PgConnection> connection);
// Closes every idle connection (before the program ends or the store changes).
void CloseIdleServerConnections();
