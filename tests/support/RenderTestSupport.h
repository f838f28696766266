#pragma once
// Helpers of the drawing tests: one QGuiApplication for the whole program (fonts
// need it), drawing a few hand-written style lines onto a white image, and
// asking where ink is.

#include "core/drawing/DrawContext.h"
#include "core/drawing/DrawResult.h"
#include "core/drawing/FontSubstitutions.h"
#include "core/drawing/LayoutImage.h"

#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <QStringList>

namespace rendertest {

// Creates the application once, offscreen unless a platform was chosen.
inline QGuiApplication &app()
{
    static int argc = 1;
    static char name[] = "render_tests";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
    static const bool fonts = (InstallFontSubstitutions(), true);
    Q_UNUSED(fonts);
    return application;
}

// The header line every fixture starts with.
inline QString header()
{
    return QStringLiteral("header;Ver1.2;0;0;0;0;401;100;0;0;;");
}

// A text item line with the common fields; the rest as the editor writes them.
struct Text {
    QString x = QStringLiteral("10"), y = QStringLiteral("10");
    QString kx = QStringLiteral("0"), ky = QStringLiteral("0");
    QString rotation = QStringLiteral("0");
    QString second = QStringLiteral("0");
    QString font = QStringLiteral("ＭＳ ゴシック");
    QString size = QStringLiteral("12");
    QString style;
    QString mode = QStringLiteral("0");
    QString pitch = QStringLiteral("0");
    QString color = QStringLiteral("0");
    QString text = QStringLiteral("A");
    QString previewOnly = QStringLiteral("0");
    QString maxLength = QStringLiteral("0");

    QString line(int id = 1) const
    {
        return QStringList{QStringLiteral("0"), QString::number(id), QStringLiteral("0"), QStringLiteral("0"),
                           QStringLiteral("char"), x, y, QStringLiteral("0"), QStringLiteral("0"), kx, ky,
                           rotation, second, font, size, style, mode, pitch, color, text, previewOnly, maxLength}
                   .join(u';') +
               u';';
    }
};

// Draws the lines on the preview at 96 dpi and 100 % onto an image of size.
inline LayoutImage preview(const QStringList &lines, QSize size = QSize(400, 300), int zoom = 100)
{
    app();
    return RenderLayoutImage(lines, DrawContext::forPreview(96, 96, zoom), size);
}

// Draws the lines as the printer pass at dpi (fonts and pens from a 96-dpi screen).
inline LayoutImage printer(const QStringList &lines, int dpi, QSize size, int zoom = 100)
{
    app();
    return RenderLayoutImage(lines, DrawContext::forPrinter(dpi, dpi, 96, 96, zoom), size);
}

inline bool isInk(QRgb p)
{
    return qGray(p) < 200;
}

// The smallest rectangle holding every inked pixel; null when there is none.
inline QRect inkBounds(const QImage &image, QRect within = QRect())
{
    const QRect area = within.isNull() ? image.rect() : within.intersected(image.rect());
    int l = INT_MAX, t = INT_MAX, r = INT_MIN, b = INT_MIN;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isInk(row[x])) {
                l = std::min(l, x);
                r = std::max(r, x);
                t = std::min(t, y);
                b = std::max(b, y);
            }
        }
    }
    if (l == INT_MAX)
        return QRect();
    return QRect(QPoint(l, t), QPoint(r, b));
}

inline int inkCount(const QImage &image, QRect within = QRect())
{
    const QRect area = within.isNull() ? image.rect() : within.intersected(image.rect());
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += isInk(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// Left edges of the separate runs of inked columns (one run per glyph when the
// glyphs stand apart).
inline QVector<int> inkColumnRuns(const QImage &image, bool vertical = false)
{
    QVector<int> starts;
    const int n = vertical ? image.height() : image.width();
    bool previous = false;
    for (int i = 0; i < n; ++i) {
        bool any = false;
        const int m = vertical ? image.width() : image.height();
        for (int j = 0; j < m && !any; ++j)
            any = isInk(vertical ? image.pixel(j, i) : image.pixel(i, j));
        if (any && !previous)
            starts.append(i);
        previous = any;
    }
    return starts;
}

} // namespace rendertest
