#pragma once
// The main window's position and size, kept in "ini/<exe>.xml" under the work folder.

#include <QString>

struct WindowPosition {
    // The place used when there is no file, or a value in it is missing or not a number.
    static constexpr int DefaultTop = 10;
    static constexpr int DefaultLeft = 10;
    static constexpr int DefaultWidth = 938;
    static constexpr int DefaultHeight = 708;

    int width = DefaultWidth;
    int height = DefaultHeight;
    int top = DefaultTop;
    int left = DefaultLeft;
};

// Reads the file. A missing or unreadable file gives the defaults (and false);
// each value that is missing or not a whole number falls back to its default alone.
bool ReadWindowPositionFile(const QString &path, WindowPosition &position);

// Replaces the file: root element named after the executable's base name,
// section "Form", values in the order Width, Height, TOP, LEFT.
bool WriteWindowPositionFile(const QString &path, const QString &exeName, const WindowPosition &position,
                             QString *error = nullptr);
