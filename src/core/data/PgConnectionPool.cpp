#include "core/data/PgConnectionPool.h"

#include "core/data/PgConnection.h"

#include <QMutex>
#include <QMutexLocker>
#include <utility>
#include <vector>

namespace {

// A few per location are enough: the program holds one or two at a time.
constexpr size_t maxIdle = 4;

struct IdleConnection {
    QString location;
    std::unique_ptr<PgConnection> connection;
};

QMutex &poolMutex()
{
    static QMutex mutex;
    return mutex;
}

std::vector<IdleConnection> &idle()
{
    static std::vector<IdleConnection> connections;
    return connections;
}

} // namespace

std::unique_ptr<PgConnection> TakeServerConnection(const QString &location, DatabaseError *error)
{
    {
        QMutexLocker lock(&poolMutex());
        auto &list = idle();
        for (auto it = list.begin(); it != list.end();) {
            if (it->location != location) {
                ++it;
                continue;
            }
            std::unique_ptr<PgConnection> connection = std::move(it->connection);
            it = list.erase(it);
            // After a server restart every kept connection is dead, and its
            // first statement would fail (08006): each is tested before it is
            // lent, and a dead one is dropped.
            if (connection->stillConnected())
                return connection;
        }
    }
    auto connection = std::make_unique<PgConnection>();
    *error = connection->open(location);
    if (error->isError())
        return {};
    return connection;
}

void ReturnServerConnection(const QString &location, std::unique_ptr<PgConnection> connection)
{
    if (!connection || !connection->isHealthy())
        return;
    if (connection->inTransaction() && connection->rollback())
        return;
    QMutexLocker lock(&poolMutex());
    auto &list = idle();
    size_t same = 0;
    for (const IdleConnection &c : list)
        same += c.location == location;
    if (same < maxIdle)
        list.push_back({location, std::move(connection)});
}

void CloseIdleServerConnections()
{
    std::vector<IdleConnection> closing;
    {
        QMutexLocker lock(&poolMutex());
        closing.swap(idle());
    }
}
