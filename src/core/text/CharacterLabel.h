#pragma once
// Naming a character for a clerk who has to find it in a text: its code point
// (「U+00A0」), with a Japanese name for the invisible and look-alike
// characters that come in from web pages and other systems (「U+00A0（ノーブレークスペース）」),
// or else with the character itself when it can be seen (「U+2603「☃」」).

#include <QString>

QString CharacterLabel(char32_t codePoint);
