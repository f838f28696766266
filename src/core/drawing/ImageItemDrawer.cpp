#include "core/drawing/ImageItemDrawer.h"

#include "core/drawing/PictureCache.h"
#include "core/drawing/ShapeItemDrawer.h"
#include "core/drawing/StyleLineReader.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace {

// a / b rounded to four decimals (halves up), as a factor.
double roundedRatio(qint64 a, qint64 b)
{
    if (b <= 0)
        return 1.0;
    const qint64 units = (a * 10000 * 2 + b) / (2 * b);
    return double(units) / 10000.0;
}

// Beyond this many device pixels a picture is not scaled in memory first; the
// painter scales it while drawing instead.
constexpr qint64 MaxPrescaledPixels = qint64(16) * 1024 * 1024;

} // namespace

void ImageItemDrawer::drawItem(StyleLineReader &reader, const QString &flagText)
{
    const Millimetre x = reader.decimal();
    const Millimetre y = reader.decimal();
    const Millimetre w = reader.decimal();
    const Millimetre h = reader.decimal();
    const int sizing = reader.intOr(0);
    reader.intOr(0);
    reader.intOr(0);
    const QString fileName = reader.text();
    const int previewOnly = reader.intOr(1);
    if (reader.failed())
        return;
    DrawImageItem(x, y, w, h, sizing, fileName, previewOnly);
    if (flagText == QLatin1String("1"))
        ShapeItemDrawer(m_pass).drawFrame(x, y, x + w, y + h);
}

QString ImageItemDrawer::resolvePicture(const QString &fileName, const QString &workDir)
{
    if (fileName.isEmpty())
        return QString();
    if (QFileInfo(fileName).isFile())
        return fileName;
    // Layouts made on Windows name pictures with "\" between folders.
    const int cut = std::max(fileName.lastIndexOf(u'\\'), fileName.lastIndexOf(u'/'));
    const QString bare = fileName.mid(cut + 1);
    if (bare.isEmpty() || workDir.isEmpty())
        return QString();
    const QString candidate = QDir(workDir).filePath(QStringLiteral("style/") + bare);
    return QFileInfo(candidate).isFile() ? candidate : QString();
}

Millimetre ImageItemDrawer::derivedSide(Millimetre other, int numerator, int denominator)
{
    if (denominator <= 0)
        return Millimetre();
    // other x numerator / denominator in units, then to whole mm, halves up.
    const __int128 scaled = __int128(other.units()) * numerator;
    const __int128 unit = __int128(denominator) * Millimetre::UnitsPerMm;
    __int128 twice = scaled * 2 + unit;
    __int128 whole = twice / (2 * unit);
    if (twice % (2 * unit) != 0 && twice < 0)
        --whole; // floor for negative values
    return Millimetre::fromWhole(qint64(whole));
}

QSizeF ImageItemDrawer::deviceSize(QSize picture, Millimetre w, Millimetre h, int sizing) const
{
    const DrawContext &ctx = m_pass.context;
    if (sizing == 0 || (w.isZero() && h.isZero())) {
        double fx = ctx.zoomPercent / 100.0;
        double fy = fx;
        if (ctx.isPrinter) {
            fx = roundedRatio(ctx.printerDpiX, ctx.screenDpiX);
            fy = roundedRatio(ctx.printerDpiY, ctx.screenDpiY);
        }
        return QSizeF(picture.width() * fx, picture.height() * fy);
    }
    if (w.isZero())
        w = derivedSide(h, picture.width(), picture.height());
    if (h.isZero())
        h = derivedSide(w, picture.height(), picture.width());
    return QSizeF(m_pass.scale.lengthX(w), m_pass.scale.lengthY(h));
}

void ImageItemDrawer::DrawImageItem(Millimetre x, Millimetre y, Millimetre w, Millimetre h, int sizing,
                                    const QString &fileName, int previewOnly)
{
    const DrawContext &ctx = m_pass.context;
    if (fileName.isEmpty() || ctx.leavesOut(previewOnly))
        return;
    const QString path = resolvePicture(fileName, ctx.workDir);
    if (path.isEmpty())
        return;
    PictureCache &cache = PictureCache::instance();
    const QImage picture = cache.picture(path);
    if (picture.isNull())
        return;
    const QSizeF size = deviceSize(picture.size(), w, h, sizing);
    if (!(size.width() > 0) || !(size.height() > 0))
        return;
    const QRectF target(m_pass.scale.deviceX(x), m_pass.scale.deviceY(y), size.width(), size.height());
    GdiCanvas &canvas = m_pass.canvas;
    const QSize whole(int(std::lround(size.width())), int(std::lround(size.height())));
    if (canvas.prefersPrescaledPictures() && !whole.isEmpty() &&
        qint64(whole.width()) * whole.height() <= MaxPrescaledPixels) {
        canvas.drawPicture(QRectF(target.topLeft(), QSizeF(whole)), cache.scaled(path, whole));
        return;
    }
    canvas.drawPicture(target, picture);
}
