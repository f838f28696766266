#include "ui/main/IndexBuildProgress.h"

#include <QApplication>
#include <QProgressDialog>

IndexBuildProgress::IndexBuildProgress(QWidget *parent) : m_parent(parent) {}

IndexBuildProgress::~IndexBuildProgress() = default;

SearchIndexBuildObserver IndexBuildProgress::observer()
{
    SearchIndexBuildObserver o;
    o.started = [this] { m_clock.start(); };
    o.keepGoing = [this] { return keepGoing(); };
    o.finished = [this] { m_dialog.reset(); };
    return o;
}

bool IndexBuildProgress::keepGoing()
{
    if (!m_dialog) {
        if (m_clock.elapsed() < delayMs) {
            // Nothing the user does may reach the database in the middle of
            // the build's statement: only paints and the like are let through.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return true;
        }
        m_dialog = std::make_unique<QProgressDialog>(QStringLiteral("検索用の索引を作成しています…"),
                                                     QStringLiteral("中止"), 0, 0, m_parent);
        m_dialog->setWindowTitle(QApplication::applicationDisplayName());
        // Application-modal: the window behind cannot start anything meanwhile.
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setValue(0);
        m_dialog->show();
    }
    QCoreApplication::processEvents();
    return !m_dialog->wasCanceled();
}
