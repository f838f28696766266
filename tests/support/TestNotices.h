#pragma once
// Answers every message box that opens while it lives (ShowNotice and question
// boxes) with OK, or with the answer given, and keeps their texts, so that
// widget tests never block.

#include "ui/common/ShowNotice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

class NoticeCatcher
{
public:
    explicit NoticeCatcher(QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this, answer] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                if (box->objectName() == QLatin1String("noticeBox")) {
                    texts << box->property(NoticeMessageProperty).toString();
                    headings << box->windowTitle();
                } else {
                    texts << box->informativeText();
                    headings << box->text();
                }
                // A box without that button is answered with OK (a plain
                // notice), or else with its default button (はい of a question).
                QAbstractButton *button = box->button(answer);
                if (!button)
                    button = box->button(QMessageBox::Ok);
                if (!button)
                    button = box->defaultButton();
                if (button)
                    button->click();
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
