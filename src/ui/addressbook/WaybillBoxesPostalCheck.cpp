// The question before a save whose postal code the national table gives for
// another place. It never blocks: the clerk may know better (a new building,
// a code the table does not have yet).

#include "ui/addressbook/WaybillBoxes.h"

#include "core/postal/PostalAddressCheck.h"
#include "ui/addressbook/EditorBoxes.h"
#include "ui/addressbook/EditorContext.h"
#include "ui/common/ShowNotice.h"

#include <QComboBox>
#include <QLineEdit>

PostalAddressCheck WaybillBoxes::postalCheck() const
{
    const PostalAddressTable *table = m_context && m_context->postalTable ? m_context->postalTable() : nullptr;
    if (!table || !postal[0] || !postal[1])
        return {};
    QString place = prefecture ? SelectedText(prefecture) : QString();
    for (const QLineEdit *line : address)
        if (line)
            place += line->text();
    return CheckPostalAddress(*table, postalCode(), place);
}

bool WaybillBoxes::confirmPostalCode(QWidget *parent) const
{
    const PostalAddressCheck check = postalCheck();
    if (!check.isMismatch())
        return true;
    return AskYesNo(QStringLiteral("郵便番号と住所が一致しません。このまま保存しますか？\n\n") + check.explanation(), parent);
}
