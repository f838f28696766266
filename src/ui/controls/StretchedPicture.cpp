#include "ui/controls/StretchedPicture.h"

#include <QPainter>

void StretchedPicture::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    updateGeometry();
    update();
}

void StretchedPicture::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

QSize StretchedPicture::sizeHint() const
{
    // Controls laid out on the bar decide its size; a bare bar is as high as
    // its picture and as wide as the panel's layout stretches it.
    if (layout() || m_picture.isNull())
        return QWidget::sizeHint();
    return QSize(0, m_picture.height());
}

void StretchedPicture::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
    if (m_caption.isEmpty())
        return;
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    const int margin = fontMetrics().averageCharWidth();
    painter.drawText(rect().adjusted(margin, 0, -margin, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     m_caption);
}
