#include "ui/controls/LateScrollArea.h"

LateScrollArea::LateScrollArea(QWidget *page, QWidget *parent) : QScrollArea(parent), m_page(page)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    page->setParent(viewport());
    page->hide();
}

void LateScrollArea::showEvent(QShowEvent *event)
{
    if (m_page && !widget()) {
        setWidget(m_page);
        m_page->show();
    }
    QScrollArea::showEvent(event);
}
