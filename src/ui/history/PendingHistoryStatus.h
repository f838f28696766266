#pragma once
// 「未登録の送付履歴 N 件」 in the status bar while history rows wait on this
// station for a server that could not be reached (PendingHistory). They are
// written when it answers again: at start, every minute while some wait, and
// with the next row a print writes.

#include "core/history/PendingHistory.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QLabel;
class QStatusBar;
class QThread;

class PendingHistoryStatus : public QObject
{
    Q_OBJECT
public:
    // membersStore: where the rows go (the members store's location).
    PendingHistoryStatus(const QString &dataDir, const QString &membersStore, QStatusBar *bar, QObject *parent = nullptr);
    ~PendingHistoryStatus() override;

    // Shows the count the file holds now; the label is hidden at 0.
    void refresh();
    // Writes the waiting rows when the server answers, beside the window: a
    // server that does not answer makes the attempt wait for its timeout.
    void flush();

    QLabel *label() const { return m_label; }
    int waiting() const { return m_waiting; }

signals:
    // A flush ended (whether the server answered or not).
    void flushed();

private:
    PendingHistory m_pending;
    QString m_store;
    QLabel *m_label = nullptr;
    QTimer m_retry;
    QThread *m_flushing = nullptr;
    int m_waiting = 0;
};
