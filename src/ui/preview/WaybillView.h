#pragma once
// The waybill on the preview: assembling the record for what the pages have
// chosen, transferring it into the layout and redrawing; the layout file, the
// paper kind, the zoom and the top bar's values; the switch between the left
// pages, which decides where the record comes from.

#include "core/addressbook/RecordAssembly.h"

#include <QObject>
#include <QString>

class ProgramState;
struct MainPages;

class WaybillView : public QObject
{
    Q_OBJECT
public:
    WaybillView(ProgramState &state, MainPages &pages, QObject *parent = nullptr);

    // Connects the zoom and paper commands, the top bar, the print-settings
    // page, the layout editor and the preview itself.
    void connectPages();

    // Rebuilds the record for consignee rd (empty: none, or the single-print
    // data off the list page), transfers it and shows the preview.
    void currentData(const QString &rd);
    // currentData for the consignee list's selected row (empty without one).
    void assembleSelected();
    void redraw();
    // The assembly's options as the pages show them now.
    AssemblyOptions assemblyOptions() const;
    // The fixed-items option or a fixed box changed.
    void applyFixedItems();
    // Sender id (1-based) into the record's sender slots, and the preview redrawn.
    void showSender(int senderId);

    // A new layout from the default style file of the edition or paper kind.
    void openDefaultStyle();
    // Paper kind 0..3: saves the layout and opens the kind's style file.
    void selectPaperKind(int kind);
    // The zoom in percent, with the menu check marks.
    void setZoom(int percent);
    // The screen's and the printer's resolutions for the preview.
    void measurePrinter();

    // The page switch of the left pages (also run by the preview command).
    void switchPage();
    // The consignee list as the active page (the page switch runs on a change).
    void showListPage();
    // The consignee list as the active page, refilled by the page switch even
    // when it was already active.
    void activateListPage();

private:
    void headerValuesChanged();
    void printDateChanged();

    ProgramState &m_state;
    MainPages &m_pages;
    QString m_lastDrawError;
};
