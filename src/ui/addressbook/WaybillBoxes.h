#pragma once
// The rows of boxes the consignee editor, the single-print editor and the
// history editor share: the consignee's name, postal code (converted into the
// address on Enter or on leaving), address and telephone, the four item names
// with their 選択 buttons, the amount, pieces, weight and insurance value, the
// date and the time slot. A dialog builds the blocks it wants in its own
// order and layouts, configured by a WaybillBoxesSetup, applies its edition's
// presentation, and moves the texts in and out as one WaybillFields.

#include "core/addressbook/WaybillFields.h"
#include "core/addressbook/WaybillPresentation.h"
#include "ui/addressbook/RowPlacement.h"
#include "ui/addressbook/WaybillBoxesSetup.h"

#include <QObject>
#include <initializer_list>

struct EditorContext;
struct PostalAddressCheck;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class WaybillBoxes : public QObject
{
    Q_OBJECT
public:
    enum DetailRow { AmountRow, DateRow, TimeRow, PiecesRow, WeightRow, InsuranceRow, DetailRowCount };

    // context gives the postal-code search and the phrase list; null for an
    // editor without either.
    WaybillBoxes(const WaybillBoxesSetup &setup, const EditorContext *context, QObject *parent);

    // ---- Building -------------------------------------------------------------
    // The name, postal-code, address and telephone rows.
    void buildConsigneeRows(const RowPlacement &at);
    // The framed item names, for the dialog to place.
    QGroupBox *buildItemGroup(QWidget *parent);
    // The rows named, in that order.
    void buildDetailRows(std::initializer_list<DetailRow> rows, const RowPlacement &at);

    // The edition's captions, shown rows and time choices (the choice made is dropped).
    void applyPresentation(const WaybillRowsPresentation &p);
    // Enables 選択 when there is a phrase list and 郵便番号検索 when there is a guide.
    void followContext();

    // ---- Texts ------------------------------------------------------------------
    // Every box from f; the time slot selects its choice when the edition lets it.
    void load(const WaybillFields &f);
    WaybillFields read() const;
    // Empties every box and selects no prefecture and no time.
    void clear();

    // ---- Actions (buttons and keys call these) ------------------------------------
    // Enter in the second postal box: converts whatever the code.
    void postalCodeEntered();
    // Leaving the second postal box: converts only when both boxes are filled
    // and the first address line is empty.
    void postalCodeLeft();
    // 郵便番号検索: the postal-code guide, its chosen row into the boxes.
    void openPostalGuide();
    // 選択 of item name n (1..4): a phrase from the phrase list.
    void chooseGoodsPhrase(int n);

    // ---- Postal code and address --------------------------------------------------
    // The boxes' postal code against their address in the national table; not
    // checked while the table is not there.
    PostalAddressCheck postalCheck() const;
    // Before a save: when the two disagree, asks whether to save as it is.
    // True to go on (they agree, or the clerk said はい).
    bool confirmPostalCode(QWidget *parent) const;

    // ---- Boxes ------------------------------------------------------------------
    QLineEdit *name[2] = {}; // the second only with the consignee's address
    QLineEdit *postal[2] = {};
    QPushButton *postalGuideButton = nullptr;
    QComboBox *prefecture = nullptr; // only with the consignee's address
    // The address lines; with the consignee's address the city, the town and the building.
    QLineEdit *address[3] = {};
    QLineEdit *tel[3] = {};
    QGroupBox *itemGroup = nullptr;
    QLabel *goodsLabel[4] = {};
    QLineEdit *goods[4] = {};
    QPushButton *goodsButton[4] = {}; // none without a phrase list's buttons
    QLabel *amountLabel = nullptr;
    QLineEdit *amount = nullptr;
    QLineEdit *pieces = nullptr;
    QLineEdit *weight = nullptr;
    QLineEdit *insurance = nullptr;
    QLabel *dateLabel = nullptr;
    QWidget *yearBox = nullptr; // the year box and 「年」
    QLineEdit *year = nullptr;
    QLineEdit *month = nullptr;
    QLineEdit *day = nullptr;
    QComboBox *timeSlot = nullptr;
    // What hides each detail row.
    QWidget *amountRow = nullptr;
    QWidget *dateRow = nullptr;
    QWidget *timeRow = nullptr;
    QWidget *piecesRow = nullptr;
    QWidget *weightRow = nullptr;
    QWidget *insuranceRow = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildDetailRow(DetailRow which, const RowPlacement &at);
    QLineEdit *numberBox(QWidget *parent, const QString &objectName, int maxLength = 0) const;
    QLineEdit *dateBox(QWidget *parent, const QString &objectName, int maxLength) const;
    void showRow(DetailRow which, bool shown);
    void convertPostalCode();
    // The two postal boxes as one code, as typed.
    QString postalCode() const;

    WaybillBoxesSetup m_setup;
    const EditorContext *m_context;
    WaybillRowsPresentation m_presentation;
    PlacedRow m_rows[DetailRowCount];
};
