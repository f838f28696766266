#pragma once
// Layouts name Windows fonts ("ＭＳ 明朝", "ＭＳ Ｐゴシック", "メイリオ", ...).
// They stay as written in the files; this maps them onto the installed IPA
// fonts so that Latin letters and digits of a text come from the same Japanese
// font as its kana and kanji. The program and korvel-print call it once after
// creating their application object.

class QString;

void InstallFontSubstitutions();

// The family a layout's face name is drawn in: the name itself when that font
// is installed, else the first installed family it is mapped onto, else the
// name (left to fontconfig). Qt would find the same font, but only after
// having fontconfig sort every installed font for a stand-in, once for each
// script of the text and again for the mapped family: some ten milliseconds
// before a preview's or a print's first text. Answers are kept; thread-safe.
QString InstalledFamily(const QString &faceName);
