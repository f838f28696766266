#pragma once
// The item selection dialog of the consignee list's item change: which item
// names, amount, date and time slot to write into every ticked consignee. It
// only collects; the caller reads values() after "実　行" closed it with OK.

#include "core/addressbook/ItemChange.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class ItemChangeDialog : public QDialog
{
    Q_OBJECT
public:
    // Builds the dialog with the edition's captions, choices and visibility.
    explicit ItemChangeDialog(int editionCode, QWidget *parent = nullptr);

    // The values of the ticked groups.
    ItemChangeValues values() const;
    // "実　行": closes with OK unless a ticked amount or date is refused (with a notice).
    void runClick();
    // "選択" n (1 .. 4): a phrase from the phrase list into z_goods n.
    void chooseClick(int n);

    // Opens the phrase list; true with the phrase when one was chosen. Unset
    // leaves the "選択" buttons disabled.
    void setPhraseChooser(std::function<bool(QString *phrase)> chooser);

    QLabel *titleLabel = nullptr;
    QLineEdit *z_goods[4] = {};
    QLabel *goodsLabel[4] = {};
    QPushButton *chooseButton[4] = {};
    QLineEdit *z_kingaku = nullptr;
    QLabel *kingakuLabel = nullptr;
    QLineEdit *s_year = nullptr;
    QLineEdit *s_Month = nullptr;
    QLineEdit *s_day = nullptr;
    QLabel *dateLabel = nullptr;
    QLabel *yearLabel = nullptr;
    QComboBox *timeSelect = nullptr;
    QLabel *timeLabel = nullptr;
    QLineEdit *z_num1 = nullptr;
    QLineEdit *z_value = nullptr;
    QLineEdit *z_kg = nullptr;
    QCheckBox *Checkitem = nullptr;
    QCheckBox *CheckKingaku = nullptr;
    QCheckBox *CheckDate = nullptr;
    QCheckBox *Checktime = nullptr;
    QPushButton *runButton = nullptr;    // 実　行
    QPushButton *cancelButton = nullptr; // キャンセル
    QWidget *amountRow = nullptr;
    QWidget *dateRow = nullptr;
    QWidget *timeRow = nullptr;
    QWidget *extraRows = nullptr;        // pieces, insurance, weight

protected:
    void showEvent(QShowEvent *event) override;

private:
    void applyEdition(int editionCode);

    std::function<bool(QString *)> m_chooser;
};
