#pragma once
// The tests of the address book, the history and the batches run against the
// local files and, when KORVEL_TEST_STORE names a PostgreSQL server (set by
// scripts/pg_tests.sh), against that server: every table there is dropped
// before each test, so each starts from an empty store as with new files.

#include "core/data/PgConnection.h"
#include "core/data/PgConnectionPool.h"
#include "core/data/PgSchema.h"

#include <QString>
#include <gtest/gtest.h>

// The server the tests run against; empty for the local files.
inline QString TestServerStore()
{
    return qEnvironmentVariable("KORVEL_TEST_STORE");
}

// Drops the address book's and the history's schemas on the server.
inline void EmptyServerStore(const QString &location)
{
    CloseIdleServerConnections();
    PgConnection pg;
    const DatabaseError error = pg.open(location);
    ASSERT_FALSE(error.isError()) << error.message.toStdString();
    const DatabaseError dropped = DropPgSchema(pg);
    ASSERT_FALSE(dropped.isError()) << dropped.message.toStdString();
}
