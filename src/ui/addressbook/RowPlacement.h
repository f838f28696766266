#pragma once
// How the editing dialogs place a row of a caption and its boxes: stacked in
// a column as one widget with a caption of a least width, in a form layout
// with the caption in its label column, or across a form layout with the
// caption as the row's first widget. A row is one widget (or, in the label
// column, one field and its label) so an edition can hide it whole.

#include <QString>
#include <initializer_list>

class QBoxLayout;
class QFormLayout;
class QLabel;
class QWidget;

struct RowPlacement {
    enum Kind {
        Stacked,  // a widget of caption and boxes, added to a box layout
        Labelled, // the caption in the form layout's label column
        Spanning  // a widget of caption and boxes across the form layout
    };
    Kind kind = Stacked;
    QWidget *parent = nullptr;
    QBoxLayout *column = nullptr; // Stacked
    QFormLayout *form = nullptr;  // Labelled and Spanning
    int captionWidth = 0;         // Stacked: the least width of a caption

    static RowPlacement stacked(QWidget *parent, QBoxLayout *column, int captionWidth);
    static RowPlacement labelled(QWidget *parent, QFormLayout *form);
    static RowPlacement spanning(QWidget *parent, QFormLayout *form);
};

// A placed row: what hides it, and its caption (which, in the label column,
// must be hidden with it).
struct PlacedRow {
    QWidget *row = nullptr;
    QLabel *caption = nullptr;
};

// Places caption and widgets as one row.
PlacedRow PlaceRow(const RowPlacement &at, const QString &caption, std::initializer_list<QWidget *> widgets);
