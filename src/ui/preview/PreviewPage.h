#pragma once
// The preview tab: the physical sheet at the printer's paper size, the white
// printable area on it and the layout drawn in place. The drawn page is kept as
// an image and rebuilt only when the layout, the data, the offsets or the zoom
// change, so scrolling and exposing never run the drawing pass again.

#include "core/drawing/DrawResult.h"
#include "core/drawing/PrinterMeasurements.h"

#include <QImage>
#include <QWidget>
#include <functional>

class QLabel;
class QPixmap;
class QPushButton;
class QScrollArea;
class StretchedPicture;
class PrintableArea;

class PreviewPage : public QWidget
{
    Q_OBJECT
public:
    // Draws the page onto painter, whose device is the printable area image at
    // the geometry's preview resolution.
    using Renderer = std::function<DrawResult(QPainter &painter, const PreviewGeometry &geometry)>;

    explicit PreviewPage(QWidget *parent = nullptr);

    void setRenderer(Renderer renderer);
    // The picture behind the header row (the edition's bar on the consignee
    // list, "bar1.bmp" elsewhere); a path that does not load leaves it plain.
    void setHeaderPicture(const QString &path);
    void setHeaderPicture(const QPixmap &picture);
    const QPixmap &headerPicture() const;
    // StyleReady: while false nothing is drawn (a layout is being switched).
    void setReady(bool ready);
    bool isReady() const { return m_ready; }

    // MeasurePrinter's result; resizes the sheet.
    void setMeasurements(const PrinterMeasurements &measurements);
    const PrinterMeasurements &measurements() const { return m_measurements; }

    // The zoom in percent (5 .. 200); resizes the page and redraws.
    void setZoom(int percent);
    int zoom() const { return m_geometry.zoomPercent; }
    const PreviewGeometry &geometry() const { return m_geometry; }

    // The layout or its data changed: draw again once, at the next paint.
    void redraw();
    // Draws now if needed and returns the page image (tests, measurements).
    const QImage &pageImage();
    // How many times the drawing pass has run (a repaint that needs no new
    // drawing does not count).
    int drawCount() const { return m_drawCount; }

    QPushButton *editButton = nullptr; // 送り状編集 / 払込取扱票編集
    QPushButton *writeHistoryButton = nullptr; // 履歴を書き込む

signals:
    // The user clicked the printable area (the edit command).
    void pageClicked();
    // A drawing failed; reported once per change, not on every repaint.
    void drawFailed(const QString &message);
    // The zoom buttons were used.
    void zoomRequested(int percent);

private:
    friend class PrintableArea;
    void sizePage();
    void ensureDrawn();

    Renderer m_renderer;
    PrinterMeasurements m_measurements;
    PreviewGeometry m_geometry;
    StretchedPicture *m_header = nullptr;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_sheet = nullptr;
    PrintableArea *m_area = nullptr;
    QImage m_image;
    bool m_dirty = true;
    bool m_ready = false;
    bool m_drawing = false;
    int m_drawCount = 0;
};
