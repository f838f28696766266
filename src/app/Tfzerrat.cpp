#include "app/Tfzerrat.h"

#include "app/Editions.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

Tfzerrat::Tfzerrat(const QString &programDir, const QString &exeName, const QString &appDataRoot,
                   QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("fzerrat"));
    m_folders = PrepareProgramFolders(programDir, exeName, appDataRoot);

    const Edition &edition = EditionFor(m_folders.editionCode);
    // Edition 60 has no profile of its own: it keeps the initial title.
    if (!edition.title.isEmpty())
        QApplication::setApplicationDisplayName(edition.title);
    setWindowTitle(QApplication::applicationDisplayName());

    buildMenus();
    buildCentralArea();
    statusBar()->showMessage(m_folders.workDir);
    resize(938, 708);
}

void Tfzerrat::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("menuFile"));
    QAction *quit = file->addAction(QStringLiteral("終了"));
    connect(quit, &QAction::triggered, this, &QWidget::close);
    menuBar()->addMenu(QStringLiteral("表示(&V)"))->setEnabled(false);
    menuBar()->addMenu(QStringLiteral("編集(&E)"))->setEnabled(false);
    menuBar()->addMenu(QStringLiteral("連続印刷(&R)"))->setEnabled(false);
    menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"))->setEnabled(false);
}

void Tfzerrat::buildCentralArea()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    auto *title = new QLabel(QApplication::applicationDisplayName(), central);
    title->setObjectName(QStringLiteral("editionTitle"));
    QFont font = title->font();
    font.setPointSize(font.pointSize() + 8);
    font.setBold(true);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    setCentralWidget(central);
}
