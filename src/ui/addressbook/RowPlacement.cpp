#include "ui/addressbook/RowPlacement.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QLabel>

namespace {

// The widgets side by side from the left, the caption first when there is one.
QWidget *boxRow(QWidget *parent, QLabel *caption, std::initializer_list<QWidget *> widgets)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    if (caption) {
        caption->setParent(row);
        layout->addWidget(caption);
    }
    for (QWidget *w : widgets) {
        w->setParent(row);
        layout->addWidget(w);
    }
    layout->addStretch(1);
    return row;
}

} // namespace

RowPlacement RowPlacement::stacked(QWidget *parent, QBoxLayout *column, int captionWidth)
{
    RowPlacement at;
    at.parent = parent;
    at.column = column;
    at.captionWidth = captionWidth;
    return at;
}

RowPlacement RowPlacement::labelled(QWidget *parent, QFormLayout *form)
{
    RowPlacement at;
    at.kind = Labelled;
    at.parent = parent;
    at.form = form;
    return at;
}

RowPlacement RowPlacement::spanning(QWidget *parent, QFormLayout *form)
{
    RowPlacement at = labelled(parent, form);
    at.kind = Spanning;
    return at;
}

PlacedRow PlaceRow(const RowPlacement &at, const QString &caption, std::initializer_list<QWidget *> widgets)
{
    auto *label = new QLabel(caption, at.parent);
    if (at.kind == RowPlacement::Labelled) {
        // A single box is the field itself, so it takes the column's whole width.
        QWidget *field = widgets.size() == 1 ? *widgets.begin() : boxRow(at.parent, nullptr, widgets);
        if (widgets.size() == 1 && !caption.isEmpty())
            label->setBuddy(field);
        at.form->addRow(label, field);
        return {field, label};
    }
    if (at.kind == RowPlacement::Stacked)
        label->setMinimumWidth(at.captionWidth);
    QWidget *row = boxRow(at.parent, label, widgets);
    if (at.column)
        at.column->addWidget(row);
    else
        at.form->addRow(row);
    return {row, label};
}
