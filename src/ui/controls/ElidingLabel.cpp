#include "ui/controls/ElidingLabel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

ElidingLabel::ElidingLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QString ElidingLabel::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

QSize ElidingLabel::minimumSizeHint() const
{
    // Room for a few characters around the "…".
    const QSize full = QLabel::minimumSizeHint();
    const int few = fontMetrics().horizontalAdvance(QStringLiteral("MMMM…MMMM"));
    return {std::min(full.width(), few), full.height()};
}

void ElidingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    QStyleOption option;
    option.initFrom(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()) | Qt::TextSingleLine, option.palette,
                          isEnabled(), shownText(), foregroundRole());
}

bool ElidingLabel::event(QEvent *event)
{
    // The whole text is the tool tip only while it is cut.
    if (event->type() == QEvent::ToolTip)
        setToolTip(shownText() == text() ? QString() : text());
    return QLabel::event(event);
}
