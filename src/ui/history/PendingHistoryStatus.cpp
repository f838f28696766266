#include "ui/history/PendingHistoryStatus.h"

#include "core/data/Database.h"

#include <QLabel>
#include <QStatusBar>
#include <QThread>

PendingHistoryStatus::PendingHistoryStatus(const QString &dataDir, const QString &membersStore, QStatusBar *bar,
                                           QObject *parent)
    : QObject(parent), m_pending(dataDir), m_store(membersStore)
{
    m_label = new QLabel(bar);
    m_label->setObjectName("pendingHistoryLabel");
    m_label->hide();
    if (bar)
        bar->addPermanentWidget(m_label);
    m_retry.setInterval(60 * 1000);
    connect(&m_retry, &QTimer::timeout, this, &PendingHistoryStatus::flush);
}

PendingHistoryStatus::~PendingHistoryStatus()
{
    // The rows are safe in the file whatever the flush had done; it only
    // must not outlive what it works with.
    if (m_flushing)
        m_flushing->wait();
}

void PendingHistoryStatus::refresh()
{
    m_waiting = m_pending.count();
    m_label->setText(QStringLiteral("未登録の送付履歴 %1 件").arg(m_waiting));
    m_label->setVisible(m_waiting > 0);
    if (m_waiting > 0 && !m_retry.isActive())
        m_retry.start();
    else if (m_waiting == 0)
        m_retry.stop();
}

void PendingHistoryStatus::flush()
{
    if (m_flushing)
        return;
    if (m_pending.count() == 0) {
        refresh();
        emit flushed();
        return;
    }
    // A connection of the thread's own; the pool lends each to one user.
    m_flushing = QThread::create([pending = m_pending, store = m_store]() mutable {
        Database db;
        pending.flush(db, store);
    });
    connect(m_flushing, &QThread::finished, this, [this] {
        m_flushing->deleteLater();
        m_flushing = nullptr;
        refresh();
        emit flushed();
    });
    m_flushing->start();
}
