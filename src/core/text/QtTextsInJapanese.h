#pragma once
// Japanese for the texts of Qt's own dialogs that Qt's catalogue of this Qt
// version leaves in English, and for the style names fonts carry.

#include <QString>

// The Japanese for Qt's text `source` in translation context `context`;
// empty when Qt's own catalogue is to answer.
QString MissingQtText(const char *context, const char *source);

// A font's style name as a Japanese clerk reads it ("Bold Italic" is
// 「太字 斜体」); names it does not know stay as they are.
QString FontStyleNameInJapanese(const QString &styleName);

// The sample the font dialog shows: kana, a kanji and Latin letters.
QString JapaneseFontSample();
