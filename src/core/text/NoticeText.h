#pragma once
// Line breaking for the program's notices. Qt breaks Japanese text between any
// two characters, which splits words such as 「ありませ／ん」; a clerk reads a
// notice more easily when it breaks only where Japanese typesetting would:
// after 、。 and closing brackets, before opening brackets, or at spaces.

#include <QString>
#include <QStringList>
#include <functional>

// Width of a text in the unit of maxWidth (pixels of the notice's font).
using TextWidth = std::function<qreal(const QString &)>;

// Breaks text (its own line breaks kept) into lines no wider than maxWidth,
// each broken at the last good break point that fits. Only a run with no break
// point at all that is wider than maxWidth is cut between characters.
QStringList WrapNoticeText(const QString &text, qreal maxWidth, const TextWidth &width);
