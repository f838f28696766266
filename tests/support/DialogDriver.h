#pragma once
// Acts on the next modal dialog that opens and is not a message box, once:
// a test starts it before the call that runs the dialog's event loop, and act
// reads or fills the dialog and closes it. Message boxes are left to
// NoticeCatcher.

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <functional>

class DialogDriver
{
public:
    explicit DialogDriver(std::function<void(QWidget *)> act) : m_act(std::move(act))
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || qobject_cast<QMessageBox *>(modal) || m_done)
                return;
            m_done = true;
            seen = modal->metaObject()->className();
            m_act(modal);
        });
        m_timer.start();
    }
    // The class name of the dialog acted on; empty while none has opened.
    QString seen;

private:
    std::function<void(QWidget *)> m_act;
    bool m_done = false;
    QTimer m_timer;
};
