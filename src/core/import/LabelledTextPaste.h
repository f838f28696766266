#pragma once
// The labelled-text paste: lines such as 「郵便番号 = 123-4567」 copied from an
// order confirmation are cut into the pieces the layout prints separately and
// written into the data items with the matching ids. Parsing is a pure function
// of the text; applying the result touches only the loaded layout.

#include <QString>
#include <QVector>
#include <functional>

class StyleData;

// One text to put into one data item.
struct ItemText {
    int id = 0;
    QString text; // already trimmed

    bool operator==(const ItemText &other) const { return id == other.id && text == other.text; }
};

// The item texts the paste writes for the given clipboard text, in the order it
// writes them (an id may appear more than once; the last one wins). Text
// without any of the six labels gives no change.
QVector<ItemText> LabelledTextChanges(const QString &clipboardText);

// Puts each text into its item: select (which makes sure the item exists, as
// the layout editor's dataselect does), then setItemText. select may be empty.
void ApplyItemTexts(StyleData &style, const QVector<ItemText> &changes,
                    const std::function<void(int id)> &select = {});
