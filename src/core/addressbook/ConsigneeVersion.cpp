#include "core/addressbook/ConsigneeVersion.h"

#include "core/addressbook/ConsigneeForm.h"
#include "core/data/Database.h"

ConsigneeVersion ReadConsigneeVersion(Database &db, const QString &addressDb, const QString &membersDb,
                                      const QString &id, int editionCode, DatabaseError *error)
{
    ConsigneeVersion version;
    *error = db.OpenDatabase(addressDb);
    if (error->isError())
        return version;
    const QueryResult address = db.QueryRows(ConsigneeForm::selectSql(id));
    if (!address.ok()) {
        *error = address.error;
        return version;
    }
    if (address.rows.isEmpty())
        return version;
    version.exists = true;
    version.values = address.rows.row(0);
    *error = db.OpenDatabase(membersDb);
    if (error->isError())
        return version;
    const QueryResult item = db.QueryRows(ConsigneeForm::itemSelectSql(id, editionCode));
    if (!item.ok()) {
        *error = item.error;
        return version;
    }
    // An item row added since counts as a change as much as one edited.
    version.values << QString::number(item.rows.size()) << item.rows.row(0);
    return version;
}

QString ConsigneeChangedQuestion(const QString &id)
{
    return QStringLiteral("登録番号 ") + id
           + QStringLiteral(" のデータは、この画面を開いた後にほかの端末か画面で変更されています。\n\n"
                            "入力した内容で上書きしますか？\n"
                            "「いいえ」を選ぶと、変更後のデータを読み直します（入力した内容は使われません）。");
}
