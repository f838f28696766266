#include "ui/preview/PreviewPage.h"

#include "ui/controls/StretchedPicture.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

// The white printable area; paints the cached page image.
class PrintableArea : public QWidget
{
public:
    explicit PrintableArea(PreviewPage *page, QWidget *parent) : QWidget(parent), m_page(page)
    {
        setObjectName("sheet");
        setAttribute(Qt::WA_OpaquePaintEvent);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        if (!m_page->m_ready)
            return;
        m_page->ensureDrawn();
        painter.drawImage(event->rect().topLeft(), m_page->m_image, event->rect());
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            emit m_page->pageClicked();
    }

private:
    PreviewPage *m_page;
};

// The physical sheet behind the printable area, in the colour of the paper's
// unprintable margins.
class SheetPanel : public QWidget
{
public:
    SheetPanel() { setObjectName("sheetPanel"); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x33, 0x33, 0x66));
    }
};

PreviewPage::PreviewPage(QWidget *parent) : QWidget(parent)
{
    setObjectName("TabPreview");
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);

    // The header row behind the zoom and edit buttons: the bar picture
    // stretched to the row, or the plain window colour without one.
    m_header = new StretchedPicture(this);
    m_header->setObjectName("PreviewHeader");
    auto *header = new QHBoxLayout(m_header);
    header->setContentsMargins(4, 2, 4, 2);
    const int percents[4] = {50, 100, 150, 200};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(QString("%1%").arg(percents[i]), this);
        button->setObjectName(QString("GradBtn%1").arg(i + 1));
        // A push button asks for 80 pixels whatever its text; the short
        // percentages may give that up so that a narrow panel keeps the edit
        // buttons whole.
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);
        const int percent = percents[i];
        connect(button, &QPushButton::clicked, this, [this, percent] { emit zoomRequested(percent); });
        header->addWidget(button);
    }
    header->addStretch(1);
    editButton = new QPushButton("送り状編集", this);
    editButton->setObjectName("editButton");
    header->addWidget(editButton);
    writeHistoryButton = new QPushButton("履歴を書き込む", this);
    writeHistoryButton->setObjectName("writeHistoryButton");
    header->addWidget(writeHistoryButton);
    column->addWidget(m_header);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName("sheetScroll");
    m_scroll->setBackgroundRole(QPalette::Base);
    m_scroll->setAutoFillBackground(true);
    m_scroll->setPalette(QPalette(Qt::white));
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_sheet = new SheetPanel;
    m_area = new PrintableArea(this, m_sheet);
    m_scroll->setWidget(m_sheet);
    column->addWidget(m_scroll, 1);

    m_geometry = PreviewGeometry::compute(m_measurements, 100);
    sizePage();
}

void PreviewPage::setHeaderPicture(const QString &path)
{
    setHeaderPicture(path.isEmpty() ? QPixmap() : QPixmap(path));
}

void PreviewPage::setHeaderPicture(const QPixmap &picture)
{
    m_header->setPicture(picture);
}

const QPixmap &PreviewPage::headerPicture() const
{
    return m_header->picture();
}

void PreviewPage::setRenderer(Renderer renderer)
{
    m_renderer = std::move(renderer);
    redraw();
}

void PreviewPage::setReady(bool ready)
{
    m_ready = ready;
    redraw();
}

void PreviewPage::setMeasurements(const PrinterMeasurements &measurements)
{
    m_measurements = measurements;
    m_geometry = PreviewGeometry::compute(m_measurements, m_geometry.zoomPercent);
    sizePage();
    redraw();
}

void PreviewPage::setZoom(int percent)
{
    percent = qBound(5, percent, 200);
    if (percent == m_geometry.zoomPercent)
        return;
    m_geometry = PreviewGeometry::compute(m_measurements, percent);
    sizePage();
    redraw();
}

void PreviewPage::redraw()
{
    m_dirty = true;
    m_area->update();
}

void PreviewPage::sizePage()
{
    m_sheet->setFixedSize(m_geometry.sheet.expandedTo(QSize(1, 1)));
    m_area->setGeometry(m_geometry.printableArea);
}

const QImage &PreviewPage::pageImage()
{
    ensureDrawn();
    return m_image;
}

void PreviewPage::ensureDrawn()
{
    // A draw that triggers another paint (a message box, a resize) must not
    // run the pass again inside itself.
    if (!m_dirty || m_drawing)
        return;
    m_drawing = true;
    m_dirty = false;
    const QSize size = m_geometry.printableArea.size().expandedTo(QSize(1, 1));
    if (m_image.size() != size)
        m_image = QImage(size, QImage::Format_RGB32);
    m_image.fill(Qt::white);
    if (m_ready && m_renderer) {
        QPainter painter(&m_image);
        const DrawResult result = m_renderer(painter, m_geometry);
        ++m_drawCount;
        if (!result.ok) {
            const QString message = result.message;
            // Shown after the paint, once for this change.
            QTimer::singleShot(0, this, [this, message] { emit drawFailed(message); });
        }
    }
    m_drawing = false;
}
