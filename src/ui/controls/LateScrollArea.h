#pragma once
// A scroll area that takes its page only when it is first shown. Handing a
// large page to a scroll area lays the whole page out at once; on a tab that
// is not in front at start, that work would only delay the window.

#include <QPointer>
#include <QScrollArea>

class LateScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    // page is made a child of the area at once (hidden with it) and becomes
    // its widget on the first show.
    LateScrollArea(QWidget *page, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPointer<QWidget> m_page;
};
