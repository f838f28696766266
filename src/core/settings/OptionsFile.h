#pragma once
// The main window's options, kept in "<exe>.conf" under the work folder's conf.

#include <QString>
#include <QStringList>

struct MainOptions {
    int zipChange = 0;          // 0: insert the prefecture name, 1: do not
    QString fixItem[4];         // fixed item names 1 to 4
    QString fixKingaku;         // fixed amount
    int copies = 1;             // copies for single print
    bool previewLocate = false; // the preview applies the overall offsets
    bool datePrint = false;     // "印刷しない": do not print the date
    bool itemFix = false;       // fixed-items option
    bool yenMark = false;       // yen mark before amounts
    bool writeHistory = false;   // ticked "送付履歴に記録しない": the history is NOT written
};

// Applies the lines of an options file to options. A setting whose line is
// missing keeps the value options already has; unknown and malformed lines are
// ignored one by one.
void ApplyOptionLines(const QStringList &lines, MainOptions &options);

// The thirteen lines the writer always writes, in order.
QStringList OptionLines(const MainOptions &options);

// Reads the file onto options. A missing or unreadable file changes nothing and
// returns false.
bool ReadOptionsFile(const QString &path, MainOptions &options);

// Replaces the file (code page 932 with CR LF; UTF-8 with a byte-order mark when
// a text does not fit code page 932). False with a message on failure.
bool WriteOptionsFile(const QString &path, const MainOptions &options, QString *error = nullptr);
