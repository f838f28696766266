#pragma once
// Opening a style file for korvel-print. The tool reports in English, so the
// window's Japanese messages are not passed on; each failure is worded here
// once, with the file named, for every command that opens a layout.

#include <QString>

class StyleData;

// Opens path into style. Returns the one-line English message of a failure
// (such as "not a style file: PATH"), or an empty text when it opened.
QString OpenStyleForTool(StyleData &style, const QString &path);
