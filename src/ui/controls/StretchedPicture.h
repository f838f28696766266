#pragma once
// A bar picture drawn over the whole widget, however wide the panel it sits
// in is dragged, with an optional caption on it (a title bar); without a
// picture the widget stays plain.

#include <QPixmap>
#include <QWidget>

class StretchedPicture : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // A null picture leaves the widget plain.
    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }
    // The text written at the bar's left end, in dark letters: the bar
    // pictures are light for that.
    void setCaption(const QString &caption);
    const QString &caption() const { return m_caption; }

    // Without controls on it: as high as the picture, as wide as the panel gives.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPixmap m_picture;
    QString m_caption;
};
