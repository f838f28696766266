#pragma once
// The one loaded layout: the lines of a style file (".sle"), line 0 the header,
// every other line an item whose id is field 2 and whose kind is field 5.
// Everything that reaches paper goes through these lines: the record transfer
// writes item texts with setItemText, the drawing pass reads them, the layout
// editor rewrites them.
//
// The core has no window: operations that are followed by measuring the printer
// and redrawing the preview return a LayoutStatus, and the window does both when
// the status is ok.

#include "core/layout/LayoutStatus.h"
#include "core/layout/StyleWindowState.h"

#include <QString>
#include <QHash>
#include <QStringList>

class StyleData
{
public:
    // The header every new layout starts with.
    static QString newStyleHeader();

    // Starts as the empty one-line layout of NewStyle.
    StyleData();

    // ---- Folders -------------------------------------------------------
    // The program folder (shipped "style" folder) and the edition's work folder;
    // LoadStyleFile restores ProgramDir/style into WorkDir/style from them.
    void setFolders(const QString &programDir, const QString &workDir);
    QString programDir() const { return m_programDir; }
    QString workDir() const { return m_workDir; }

    // ---- Lines ---------------------------------------------------------
    // All lines, line 0 the header (empty only after a failed load).
    const QStringList &lines() const { return m_lines; }
    int lineCount() const { return int(m_lines.size()); }
    // One line; an index out of range gives an empty text.
    QString line(int index) const;
    // Replaces one line (the layout editor); an index out of range is ignored.
    void setLine(int index, const QString &text);
    // Appends one line (building layouts in code and tests).
    void appendLine(const QString &text);
    // Replaces every line at once.
    void setLines(const QStringList &lines);
    // Index of the first line whose field 2 is the decimal text of id; -1 when none.
    int findItem(int id) const;

    // ---- Operations ----------------------------------------------------
    // Replaces the layout by the new one-line layout and forgets the current
    // file. The window then measures the printer and redraws.
    void NewStyle();

    // Fills the lines from the file at path (code page 932, or the encoding of
    // a byte-order mark). A missing or empty file first restores every shipped
    // style file from ProgramDir/style into WorkDir/style, when the folders are
    // set. Reading stops at the first empty line. Fails (and leaves the layout
    // empty) when nothing could be read.
    LayoutStatus LoadStyleFile(const QString &path);

    // Loads the file, empties items 28-30, reads the header and makes path the
    // current file. On failure the remaining steps are skipped: no current file,
    // nothing will be saved. A file whose first line is no style header fails
    // as no style file and leaves the layout empty. On success the window
    // measures the printer and redraws.
    LayoutStatus OpenStyle(const QString &path);

    // Writes the lines to CurrentStyleFile (code page 932, CR LF). A layout of
    // the header alone, or one without a current file, is never written; that
    // counts as success. A layout holding characters code page 932 cannot hold
    // is written as UTF-8 with a byte-order mark rather than losing them.
    LayoutStatus SaveStyleFile() const;

    // Upgrades a Ver1.0 layout in memory and copies the header values into the
    // window state (offsets) and the Header* values. A header whose paper size
    // is not an integer fails, after the offsets have been set.
    LayoutStatus ReadStyleHeader();

    // Rewrites line 0 as a Ver1.2 header from the window state and the Header*
    // values. Nothing happens for an empty layout.
    void WriteStyleHeader();

    // Empties the texts of items 28, 29 and 30 and resets their field 1 to "0".
    void RefreshDateItems();

    // Sets the text (field 20) of the first item with id rd, rebuilding it as 22
    // fields. Every ';' of s becomes '；' (U+FF1B) and CR and LF are dropped, so
    // no text can break the line apart. An id the layout lacks changes nothing.
    // Returns whether an item was changed.
    bool setItemText(int rd, const QString &s);

    // The text setItemText actually stores for s.
    static QString sanitizeItemText(const QString &s);

    // ---- State -----------------------------------------------------------
    // Full path of the file the layout came from; empty when never loaded.
    QString CurrentStyleFile;
    // Whole millimetres added to every position; set by the drawing pass.
    int OverallOffsetX = 0;
    int OverallOffsetY = 0;
    // Header fields 5, 6 and 9, carried unchanged from header read to header write.
    int HeaderPaperSize = 0;
    int HeaderOrientation = 0;
    int HeaderPaperSource = 0;
    // The values bound to window controls.
    StyleWindowState window;

private:
    // Every change of the lines but a text rewrite by setItemText (which keeps
    // the ids) forgets the index of findItem.
    void forgetItemIndex();

    QStringList m_lines;
    mutable QHash<QString, int> m_itemIndex; // id field -> first line with it
    mutable bool m_itemIndexBuilt = false;
    QString m_programDir;
    QString m_workDir;
};
