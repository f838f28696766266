#pragma once
// Dates are stored as "yyyy-mm-dd" text and shown as "yyyy/MM/dd"; callers take
// them apart at '/'.

#include <QString>

// "2013-05-20" or "2013-5-20" (with or without a time after it) as "2013/05/20".
// Empty text stays empty; text that is no date is handed back unchanged, so
// nothing stored is ever lost on the way out.
QString DisplayDateText(const QString &stored);
