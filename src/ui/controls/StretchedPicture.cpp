#include "ui/controls/StretchedPicture.h"

#include <QPainter>

void StretchedPicture::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    updateGeometry();
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
}
