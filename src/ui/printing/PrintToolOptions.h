#pragma once
// The options of korvel-print render and pdf, parsed strictly: an unknown
// option, a missing value or a value of the wrong form is an error with a
// one-line message, never a guess.

#include <QDate>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

struct PrintToolOptions {
    QString style;
    QString record;
    int edition = 40;
    int dpi = 0; // 0: the target's default (96 for the preview, 600 for the printer)
    int zoom = 100;
    std::optional<QPair<int, int>> offset;
    bool applyOffsets = false;
    bool printer = false;
    QSizeF pageMm{210, 297};
    QString out;
    int copies = 1;
    QDate date;           // print date items 121-123; today when not given
    bool yenMark = false; // the amount gets its "\" mark
    bool withForm = false; // pdf: a test print with the form drawing and the marks
    // Batch printing from the databases (pdf only).
    bool editionGiven = false;
    QString appdata;      // the common application data folder; empty: the program's own rule
    QString store;        // --store: a server's URI or "local"; empty: the station's setting
    QString consignees;   // "all" or ID,ID,...; empty: no batch
    int sender = 0;       // the sender list's selection; 0: its first row
    bool noHistory = false;
    bool help = false;

    // Parses args for the command ("render" or "pdf"); error holds the message
    // when parsing fails.
    static std::optional<PrintToolOptions> parse(const QString &command, const QStringList &args, QString *error);
};
