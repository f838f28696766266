#pragma once
// The pages and bars of the main window, as the command classes reach them.
// The window makes them and fills this in once; it owns none of the logic
// that drives them.

#include <QTabWidget>

class ConsigneeListPage;
class HistoryPage;
class LayoutEditorPage;
class MainActions;
class PreviewPage;
class PrintSettingsPage;
class QLabel;
class QSplitter;
class QStackedWidget;
class QStatusBar;
class QWidget;
class SenderList;
class TopBar;

struct MainPages {
    // The left pages, in their tab order.
    enum LeftPage { SettingsPage = 0, EditorPage = 1, ListPage = 2 };
    // The right pages: the preview, an empty page while the list is shown, the history.
    enum RightPage { PreviewSheet = 0, EmptySheet = 1, HistorySheet = 2 };

    QWidget *window = nullptr; // parent of notices and dialogs
    MainActions *actions = nullptr;
    TopBar *topBar = nullptr;
    QSplitter *splitter = nullptr;
    QTabWidget *left = nullptr;
    QStackedWidget *right = nullptr;
    PrintSettingsPage *settings = nullptr;
    LayoutEditorPage *editor = nullptr;
    ConsigneeListPage *list = nullptr;
    PreviewPage *preview = nullptr;
    HistoryPage *history = nullptr;
    SenderList *senders = nullptr;
    QLabel *styleFileLabel = nullptr;
    QStatusBar *statusBar = nullptr;

    bool listPageActive() const { return left->currentIndex() == ListPage; }
};
