#pragma once
// The main window. It owns the program-wide state and wires the pages together;
// each page is its own class in its subsystem's folder.

#include "app/AppFolders.h"

#include <QMainWindow>

class QLabel;

class Tfzerrat : public QMainWindow
{
    Q_OBJECT
public:
    // Runs the window creation: chooses the edition from exeName, prepares the
    // folders under appDataRoot and applies the edition's title.
    Tfzerrat(const QString &programDir, const QString &exeName, const QString &appDataRoot,
             QWidget *parent = nullptr);

    const ProgramFolders &folders() const { return m_folders; }
    int editionCode() const { return m_folders.editionCode; }

private:
    void buildMenus();
    void buildCentralArea();

    ProgramFolders m_folders;
};
