#pragma once
// Values are written into SQL text as string literals; doubling every single
// quote is what keeps a value like O'Neil from ending the literal early.

#include <QString>

// 'value' with every single quote inside doubled.
QString SqlQuote(const QString &value);
