#include "app/ShowNotice.h"

#include <QApplication>
#include <QMessageBox>

void ShowNotice(const QString &heading, const QString &text, QWidget *parent)
{
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("noticeBox"));
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(QApplication::applicationDisplayName().left(NoticeTextLimit));
    box.setText(heading.left(NoticeTextLimit));
    box.setInformativeText(text.left(NoticeTextLimit));
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
