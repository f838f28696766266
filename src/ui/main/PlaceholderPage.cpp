#include "ui/main/PlaceholderPage.h"

#include <QLabel>
#include <QVBoxLayout>

PlaceholderPage::PlaceholderPage(const QString &objectName, const QString &caption, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    auto *column = new QVBoxLayout(this);
    auto *label = new QLabel(caption + "\n\nこの画面はまだ使えません。", this);
    label->setAlignment(Qt::AlignCenter);
    label->setEnabled(false);
    column->addWidget(label);
}
