#pragma once
// The program's tables as a clerk knows their contents. The stored names stay
// as they are (address, company, sender, ...); messages use these words.

#include <QString>

// The Japanese words for what table holds; an unknown name is returned as it is.
QString TableInWords(const QString &table);
