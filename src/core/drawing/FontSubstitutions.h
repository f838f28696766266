#pragma once
// Layouts name Windows fonts ("ＭＳ 明朝", "ＭＳ Ｐゴシック", "メイリオ", ...).
// They stay as written in the files; this maps them onto the installed IPA
// fonts so that Latin letters and digits of a text come from the same Japanese
// font as its kana and kanji. The program and korvel-print call it once after
// creating their application object.

void InstallFontSubstitutions();
