#pragma once
// A page whose work is not in this build yet. It says so plainly instead of
// showing controls that do nothing.

#include <QWidget>

class PlaceholderPage : public QWidget
{
    Q_OBJECT
public:
    PlaceholderPage(const QString &objectName, const QString &caption, QWidget *parent = nullptr);
};
