#pragma once
// The postal-code table in memory for the postal-code and address check,
// loaded once on a thread of its own: reading 150,000 lines takes about a
// third of a second, which the window's start must not wait for. The list
// shows its marks when ready() comes; a save that needs the check waits.

#include "core/postal/PostalAddressCheck.h"

#include <QObject>
#include <QString>
#include <memory>

class QThread;

class PostalTableSource : public QObject
{
    Q_OBJECT
public:
    explicit PostalTableSource(QObject *parent = nullptr);
    ~PostalTableSource() override;

    // Starts loading the table of zipDbPath (again, after an import has
    // replaced it). The table in use stays until the new one is ready.
    void load(const QString &zipDbPath);
    // The table when it is ready; null while it loads or when it could not be
    // read (no postal-code database).
    const PostalAddressTable *table() const { return m_table.get(); }
    // The table, waiting for a load under way; null when there is none.
    const PostalAddressTable *waitForTable();

signals:
    // A load ended with a table (table() is set).
    void ready();

private:
    void takeLoaded();

    std::unique_ptr<PostalAddressTable> m_table;
    std::unique_ptr<PostalAddressTable> m_loaded; // written by the loading thread until it ends
    QThread *m_thread = nullptr;
};
