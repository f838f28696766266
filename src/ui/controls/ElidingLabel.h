#pragma once
// A one-line label that may be narrower than its text, such as a file path
// in the status bar: it shows the text cut in the middle with "…" (the start
// and the file name stay readable), keeps the whole text as text() and as its
// tool tip, and asks for little width, so that neighbours are not pushed aside.

#include <QLabel>

class ElidingLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ElidingLabel(QWidget *parent = nullptr);

    // The text as drawn in the label's present width.
    QString shownText() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
};
