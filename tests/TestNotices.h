#pragma once
// Answers every message box that opens while it lives (ShowNotice and question
// boxes) with OK and keeps their texts, so that widget tests never block.

#include "app/ShowNotice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

class NoticeCatcher
{
public:
    NoticeCatcher()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                if (box->objectName() == QLatin1String("noticeBox")) {
                    texts << box->property(NoticeMessageProperty).toString();
                    headings << box->windowTitle();
                } else {
                    texts << box->informativeText();
                    headings << box->text();
                }
                if (QAbstractButton *ok = box->button(QMessageBox::Ok))
                    ok->click();
            }
        });
        m_timer.start();
    }
    // The informative texts (ShowNotice's message) and main texts, in order.
    QStringList texts;
    QStringList headings;

private:
    QTimer m_timer;
};
