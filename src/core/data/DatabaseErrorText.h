#pragma once
// What a database failure means, in the words a clerk reads. The engine's own
// message is English and technical; it stays in DatabaseError for the
// command-line tools, and the windows show this instead.

#include "core/data/DatabaseError.h"

// One Japanese sentence for the engine's result code, with the code itself in
// brackets for a support call; empty when error holds no error.
QString DatabaseErrorInJapanese(const DatabaseError &error);

// Whether error says that the server could not be reached or the connection
// to it broke, rather than that the server refused the statement: the same
// work succeeds once the server answers again.
bool IsConnectionFailure(const DatabaseError &error);

// What a read or write that failed says, in the words of the start-up
// question: the failure's meaning and the store it concerned.
QString StoreFailureNotice(const DatabaseError &error, const QString &location);
