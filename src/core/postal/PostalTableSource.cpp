#include "core/postal/PostalTableSource.h"

#include "core/data/Database.h"

#include <QThread>

PostalTableSource::PostalTableSource(QObject *parent) : QObject(parent) {}

PostalTableSource::~PostalTableSource()
{
    if (m_thread)
        m_thread->wait();
}

void PostalTableSource::load(const QString &zipDbPath)
{
    if (m_thread) {
        m_thread->wait();
        takeLoaded();
    }
    m_thread = QThread::create([this, zipDbPath] {
        auto table = std::make_unique<PostalAddressTable>();
        Database db; // a connection of the thread's own
        if (!table->load(db, zipDbPath).isError() && !table->isEmpty())
            m_loaded = std::move(table);
    });
    // A child: a source destroyed before the end of the thread was reported
    // (a quick close, a test) deletes it after the wait in its destructor.
    m_thread->setParent(this);
    // A wait may have taken this load's result already and a new load begun.
    connect(m_thread, &QThread::finished, this, [this, thread = m_thread] {
        if (thread == m_thread)
            takeLoaded();
    });
    m_thread->start(QThread::LowPriority);
}

const PostalAddressTable *PostalTableSource::waitForTable()
{
    if (m_thread) {
        m_thread->wait();
        takeLoaded();
    }
    return m_table.get();
}

void PostalTableSource::takeLoaded()
{
    if (!m_thread)
        return; // a wait took the result before the finished signal came
    m_thread->deleteLater();
    m_thread = nullptr;
    if (!m_loaded)
        return;
    m_table = std::move(m_loaded);
    emit ready();
}
