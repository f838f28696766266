#pragma once
// Values are written into SQL text as string literals; doubling every single
// quote is what keeps a value like O'Neil from ending the literal early.

#include <QString>

// 'value' with every single quote inside doubled.
QString SqlQuote(const QString &value);
// The same for a column holding an identifier (a sender's ID): nothing given
// is NULL, which every engine takes, where '' is a text an integer column of
// a server refuses.
QString SqlIdLiteral(const QString &value);
