#pragma once
// The single-print data editor: the boxes of the one waybill that is printed
// singly, loaded from and stored into the current print record and its file
// "conf/singledata.txt". "保　存" stores, saves and re-assembles the preview;
// "単票印刷" does the same and then prints.

#include "ui/addressbook/EditorContext.h"
#include "core/addressbook/SingleDataForm.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class SingleDataDialog : public QDialog
{
    Q_OBJECT
public:
    // Builds the dialog with the edition's presentation (buildForm).
    explicit SingleDataDialog(const EditorContext &context, QWidget *parent = nullptr);

    // Every box from the current print record.
    void edit_set();
    // Every box into the current print record.
    void setBack();
    // The single-print data file (when it exists) into the record, then every
    // box from the record. A file that cannot be read is reported; false then.
    bool reload();
    // The boxes checked, stored, the file written and the record assembled
    // again. A number or date box that is no whole number or real date, or a
    // file that cannot be written, is reported and false returned, so nothing is lost.
    bool storeAndSave();

    // ---- Actions (buttons and keys call these) -----------------------------
    // 保　存: setBack, save the file, re-assemble the record, close.
    void save();
    // 単票印刷: as 保　存, then the single print.
    void printButtonClick();
    // 全クリアー: empties every box but the weight and selects no time.
    void clearAll();
    // 郵便番号検索: the postal-code guide, its chosen row into the boxes.
    void openPostalGuide();
    // 選択 for item name n (1..4): a phrase from the phrase list.
    void goodsButtonClick(int n);
    // Leaving x_YUBIN2: converts only when both boxes are filled and address 1 is empty.
    void x_YUBIN2Exit();
    // Enter in x_YUBIN2: converts unconditionally and moves to address 1.
    void x_YUBIN2KeyDown();

    QLabel *titleLabel = nullptr;
    QLabel *blockLabel = nullptr;
    QLabel *noteLabel = nullptr;
    QLineEdit *x_namae = nullptr;
    QLineEdit *x_YUBIN1 = nullptr;
    QLineEdit *x_YUBIN2 = nullptr;
    QLineEdit *x_address1 = nullptr;
    QLineEdit *x_address2 = nullptr;
    QLineEdit *x_address3 = nullptr;
    QLineEdit *x_tel1 = nullptr;
    QLineEdit *x_tel2 = nullptr;
    QLineEdit *x_tel3 = nullptr;
    QGroupBox *itemGroup = nullptr;
    QLabel *goodsLabel[4] = {};
    QLineEdit *z_goods[4] = {};
    QPushButton *goodsButton[4] = {}; // the goods buttons, tags 31..34
    QLabel *amountLabel = nullptr;
    QLineEdit *z_kingaku = nullptr;
    QLineEdit *z_num1 = nullptr;
    QLineEdit *z_value = nullptr;
    QLineEdit *z_kg = nullptr;
    QLabel *dateLabel = nullptr;
    QLineEdit *s_year = nullptr;
    QLineEdit *s_Month = nullptr;
    QLineEdit *s_day = nullptr;
    QComboBox *timeSelect = nullptr;
    QPushButton *operate_btn = nullptr; // 保　存
    QPushButton *printButton = nullptr; // 単票印刷
    QPushButton *cancelButton = nullptr; // キャンセル
    QPushButton *clearButton = nullptr;     // 全クリアー
    QPushButton *postalGuideButton = nullptr;     // 郵便番号検索

    // Rows hidden per edition (for tests): pieces, weight, insurance, amount, date, year, time.
    QWidget *piecesRow = nullptr;
    QWidget *weightRow = nullptr;
    QWidget *insuranceRow = nullptr;
    QWidget *amountRow = nullptr;
    QWidget *dateRow = nullptr;
    QWidget *yearBox = nullptr;
    QWidget *timeRow = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    void buildForm();
    void prepareForShow();
    void convertPostalCode();
    // The boxes as they stand.
    SingleDataForm boxes() const;

    EditorContext m_context;
};
