#pragma once
// The outcome of a drawing pass. A malformed number in a style line stops the
// pass at that item; the caller gets the line and field and shows the message
// once. Nothing is thrown.

#include <QString>

struct DrawResult {
    bool ok = true;
    int line = -1;     // index of the faulty line in the layout (0 = header)
    int field = 0;     // 1-based field of that line
    QString fieldText; // what the field held
    QString message;   // for the user; empty when ok

    // Overall offsets as the pass left them (a "header" item may change them).
    int overallOffsetX = 0;
    int overallOffsetY = 0;

    explicit operator bool() const { return ok; }
};
