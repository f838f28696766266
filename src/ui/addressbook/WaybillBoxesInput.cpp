// What moves through the shared rows of boxes: the texts in and out, the
// postal-code conversion and guide, and the phrases of the 選択 buttons.

#include "ui/addressbook/WaybillBoxes.h"

#include "core/addressbook/EditorText.h"
#include "core/addressbook/SingleDataForm.h"
#include "core/postal/PostalCodeLookup.h"
#include "ui/addressbook/EditorBoxes.h"
#include "ui/addressbook/EditorContext.h"
#include "ui/postal/PostalGuideDialog.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

void WaybillBoxes::followContext()
{
    const bool phrases = m_context && m_context->choosePhrase;
    for (QPushButton *b : goodsButton)
        if (b)
            b->setEnabled(phrases);
    if (postalGuideButton)
        postalGuideButton->setEnabled(m_context && m_context->zipGuide);
}

void WaybillBoxes::load(const WaybillFields &f)
{
    name[0]->setText(f.namae);
    if (name[1])
        name[1]->setText(f.namae2);
    SetWholeText(postal[0], f.yubin1, 3);
    SetWholeText(postal[1], f.yubin2, 4);
    if (prefecture)
        SelectExactly(prefecture, f.area);
    const QString lines[3] = {f.address1, f.address2, f.address3};
    const QString parts[3] = {f.tel1, f.tel2, f.tel3};
    for (int i = 0; i < 3; ++i) {
        address[i]->setText(lines[i]);
        SetWholeText(tel[i], parts[i], m_setup.telMaxLength);
    }
    for (int i = 0; i < 4; ++i)
        goods[i]->setText(f.goods[i]);
    amount->setText(f.kingaku);
    pieces->setText(f.num);
    if (!m_setup.weightKept)
        weight->setText(f.kg);
    insurance->setText(f.value);
    year->setText(f.year);
    month->setText(f.month);
    day->setText(f.day);
    timeSlot->setCurrentIndex(m_presentation.timeChoiceIndex(f.timeSelect));
}

WaybillFields WaybillBoxes::read() const
{
    WaybillFields f;
    f.namae = name[0]->text();
    if (name[1])
        f.namae2 = name[1]->text();
    f.yubin1 = postal[0]->text();
    f.yubin2 = postal[1]->text();
    if (prefecture)
        f.area = SelectedText(prefecture);
    f.address1 = address[0]->text();
    f.address2 = address[1]->text();
    f.address3 = address[2]->text();
    f.tel1 = tel[0]->text();
    f.tel2 = tel[1]->text();
    f.tel3 = tel[2]->text();
    for (int i = 0; i < 4; ++i)
        f.goods[i] = goods[i]->text();
    f.kingaku = amount->text();
    f.num = pieces->text();
    f.kg = weight->text();
    f.value = insurance->text();
    f.year = year->text();
    f.month = month->text();
    f.day = day->text();
    f.timeSelect = SelectedText(timeSlot);
    return f;
}

void WaybillBoxes::clear()
{
    for (QLineEdit *box : {name[0], name[1], postal[0], postal[1], address[0], address[1], address[2], tel[0], tel[1],
                           tel[2], amount, pieces, insurance, year, month, day})
        if (box)
            box->clear();
    for (QLineEdit *box : goods)
        box->clear();
    if (!m_setup.weightKept)
        weight->clear();
    if (prefecture)
        prefecture->setCurrentIndex(-1);
    timeSlot->setCurrentIndex(-1);
}

// ---- Postal code ----------------------------------------------------------------

QString WaybillBoxes::postalCode() const
{
    return postal[0]->text() + postal[1]->text();
}

void WaybillBoxes::convertPostalCode()
{
    if (!m_context || !m_context->db)
        return;
    const PostalLookupResult r =
        LookupPostalCode(*m_context->db, m_context->zipcodeDbPath, postalCode());
    if (!r.ok())
        return; // no postal-code database: the boxes stay as they are
    if (prefecture) {
        address[0]->setText(r.city);
        address[1]->setText(r.location);
        SelectExactly(prefecture, r.area);
        return;
    }
    const int option = m_context->zipConvOption ? m_context->zipConvOption() : 0;
    address[0]->setText(ConvertedAddressLine(r.area, r.city, r.location, option));
    address[1]->clear();
}

void WaybillBoxes::postalCodeEntered()
{
    convertPostalCode();
    if (m_setup.enterMovesOn)
        address[0]->setFocus();
}

void WaybillBoxes::postalCodeLeft()
{
    if (!postal[0]->text().isEmpty() && !postal[1]->text().isEmpty() && address[0]->text().isEmpty())
        convertPostalCode();
}

void WaybillBoxes::openPostalGuide()
{
    PostalGuideDialog *guide = m_context ? m_context->zipGuide : nullptr;
    if (!guide)
        return;
    const QString code = postalCode();
    if (prefecture) {
        guide->searchBox->setText(!postal[0]->text().isEmpty()
                                      ? code
                                      : address[0]->text() + address[1]->text() + address[2]->text());
    } else {
        // Without a code or an address the guide keeps its last search.
        if (!address[0]->text().isEmpty())
            guide->searchBox->setText(address[0]->text());
        if (!postal[0]->text().isEmpty())
            guide->searchBox->setText(code);
    }
    if (guide->exec() != QDialog::Accepted)
        return;
    const QString chosen = guide->chosenText(1);
    postal[0]->setText(PostalPart1(chosen));
    postal[1]->setText(PostalPart2(chosen));
    if (prefecture) {
        SelectExactly(prefecture, guide->chosenText(2));
        for (int i = 0; i < 3; ++i)
            address[i]->setText(guide->chosenText(3 + i));
        return;
    }
    const int option = m_context->zipConvOption ? m_context->zipConvOption() : 0;
    address[0]->setText(ConvertedAddressLine(guide->chosenText(2), guide->chosenText(3), guide->chosenText(4), option));
}

bool WaybillBoxes::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == postal[1]) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                postalCodeEntered();
                return true;
            }
            // Tab converts and then moves on as usual; the leaving that
            // follows finds the first address line filled and does nothing more.
            if (key == Qt::Key_Tab && m_setup.tabConverts)
                convertPostalCode();
        } else if (event->type() == QEvent::FocusOut) {
            // Only a move to another box of the dialog counts as leaving it.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                postalCodeLeft();
        }
    }
    return QObject::eventFilter(watched, event);
}

// ---- Phrases ----------------------------------------------------------------------

void WaybillBoxes::chooseGoodsPhrase(int n)
{
    QString phrase;
    if (n < 1 || n > 4 || !m_context || !m_context->choosePhrase || !m_context->choosePhrase(&phrase))
        return;
    goods[n - 1]->setText(phrase);
    EditorContext::call(m_context->redrawPreview);
}
