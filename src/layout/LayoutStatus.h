#pragma once
// The outcome of a layout operation that can fail (a missing style file, a
// malformed header, a file that cannot be written). Failures are values with a
// message for the user, so nothing is ever thrown through the window.

#include <QString>

struct LayoutStatus {
    bool ok = true;
    QString message; // empty when ok

    // A successful outcome.
    static LayoutStatus success() { return {}; }
    // A failed outcome with the message the window shows.
    static LayoutStatus failure(const QString &text) { return {false, text}; }

    explicit operator bool() const { return ok; }
};
