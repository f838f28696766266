#pragma once
// The main window: it builds the pages and menus, owns the program-wide state
// and hands both to the command classes (printing, the address book, the
// history, the imports, the help menu) and to the waybill on the preview.
// Each command family lives in its subsystem's folder; this class is wiring.

#include "ui/main/MainPages.h"

#include <QMainWindow>
#include <memory>

class AddressBookCommands;
class HelpCommands;
class HistoryController;
class PendingHistoryStatus;
class ImportCommands;
class PictureFiles;
class PrintCommands;
class ProgramState;
class WaybillView;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Window creation: chooses the edition from exeName, prepares the folders
    // under appDataRoot and applies the edition's profile. localInstead: the
    // station's server did not answer and the clerk chose the local files.
    MainWindow(const QString &programDir, const QString &exeName, const QString &appDataRoot,
               QWidget *parent = nullptr, bool localInstead = false);
    ~MainWindow() override;

    ProgramState &state() { return *m_state; }
    const MainPages &pages() const { return m_pages; }
    WaybillView *view() const { return m_view; }
    PrintCommands *printing() const { return m_printing; }
    AddressBookCommands *addressBook() const { return m_addressBook; }
    HistoryController *history() const { return m_history; }
    ImportCommands *imports() const { return m_imports; }
    HelpCommands *helpCommands() const { return m_help; }
    PendingHistoryStatus *pendingHistory() const { return m_pendingHistory; }

    // Runs the first-show sequence now if it has not run, or the part of it
    // still waiting (it runs on the first show).
    void ensureStarted();
    // With deferred start, the first show puts in place only what the window is
    // seen with (its place and size, the page, the date, the saved options) and
    // the rest (the printer, the databases, the layout and the preview) runs as
    // soon as the event loop has mapped the window, so that it appears sooner.
    // The program asks for it; without it everything runs in the first show.
    void setDeferredStart(bool deferred) { m_deferredStart = deferred; }
    // False until the second part of the first-show sequence has begun.
    bool started() const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    void makeCommands();
    void applyStyle(PictureFiles &pictures, const QString &logo, const QString &bar);
    void applyWindowIcon();

    void beginStart();
    void finishStart();
    void loadOptions();
    void saveOptions();
    void loadWindowPosition();
    void saveWindowPosition();

    std::unique_ptr<ProgramState> m_state;
    MainPages m_pages;
    WaybillView *m_view = nullptr;
    PrintCommands *m_printing = nullptr;
    AddressBookCommands *m_addressBook = nullptr;
    HistoryController *m_history = nullptr;
    ImportCommands *m_imports = nullptr;
    HelpCommands *m_help = nullptr;
    PendingHistoryStatus *m_pendingHistory = nullptr;
    bool m_startBegun = false;
    bool m_deferredStart = false;
};
