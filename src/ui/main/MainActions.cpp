#include "ui/main/MainActions.h"

#include "core/settings/EditionProfile.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

MainActions::MainActions(QMainWindow *window) : QObject(window)
{
    print1 = make("print1", "単票印刷");
    print1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print2 = make("print2", "連票印刷", false);
    print2->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    testPrint = make("testPrint", "テスト印刷");
    paperSetup = make("paperSetup", "用紙設定");
    exit = make("exit", "終了");
    for (const PaperKindInfo &info : PaperKinds()) {
        paperKind[info.kind] = make(QString("paperKind%1").arg(info.kind), info.actionCaption);
        paperKind[info.kind]->setData(info.kind);
    }

    preview = make("preview", "プレビュー");
    zoomGroup = new QActionGroup(this);
    zoomGroup->setExclusive(true);
    const int percents[4] = {50, 100, 150, 200};
    for (int i = 0; i < 4; ++i) {
        zoom[i] = make(QString("zoom%1").arg(percents[i]), QString("拡大率(%1%)").arg(percents[i]));
        zoom[i]->setCheckable(true);
        zoom[i]->setData(percents[i]);
        zoomGroup->addAction(zoom[i]);
    }
    zoom[1]->setChecked(true);
    consigneeList = make("consigneeList", "お届け先リスト", false);
    consigneeList->setShortcut(QKeySequence(Qt::Key_F6));
    history = make("history", "送付履歴", false);
    history->setShortcut(QKeySequence(Qt::Key_F8));

    previewEdit = make("previewEdit", "選択中のお届け先を送り状編集", false);
    previewEdit->setShortcut(QKeySequence(Qt::Key_F5));
    phraseList = make("phraseList", "通信欄リスト", false);
    phraseList->setShortcut(QKeySequence(Qt::Key_F7));
    zipGuide = make("zipGuide", "郵便番号表", false);
    fromClip = make("fromClip", "クリップボードから貼り付け", false);
    orderMailPaste = make("orderMailPaste", "クリップボード(楽天形式)から貼り付け", false);
    orderMailPaste->setShortcut(QKeySequence(Qt::Key_F9));
    orderMailPasteCashOnDelivery = make("orderMailPasteCashOnDelivery", "クリップボード(楽天形式)から貼り付け(代引)", false);

    selectAll = make("selectAll", "すべて選択", false);
    selectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    cancelAll = make("cancelAll", "すべて解除", false);
    newConsignee = make("newConsignee", "お届け先を新規登録", false);
    editConsignee = make("editConsignee", "選択中のお届け先を修正", false);
    itemChange = make("itemChange", "選択中の商品を入れ替える", false);
    deleteChecked = make("deleteChecked", "チェックを入れたご依頼人を削除", false);
    csvImport = make("csvImport", "CSVファイルから取り込む", false);
    exportConsignees = make("exportConsignees", "お届け先をCSVに書き出す", false);
    checkPostalCodes = make("checkPostalCodes", "住所と郵便番号を確認", false);

    storeSetup = make("storeSetup", "データの保存先...", true);
    helpOnline = make("helpOnline", "ヘルプ(オンライン)", false);
    helpOnline->setShortcut(QKeySequence(Qt::Key_F1));
    helpOffline = make("helpOffline", "ヘルプ(オフライン)", false);
    backup = make("backup", "データのバックアップ", false);
    restore = make("restore", "データのリストア", false);
    installFolder = make("installFolder", "インストールフォルダーの確認", false);
    workFolder = make("workFolder", "作業フォルダーを開く", false);
    styleRestore = make("styleRestore", "スタイルデータの復旧", false);
    version = make("version", "バージョン情報", false);
    homePage = make("homePage", "ホームページへアクセス", false);
}

QAction *MainActions::make(const QString &name, const QString &caption, bool enabled)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    action->setEnabled(enabled);
    return action;
}

void MainActions::buildMenus(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    QMenu *file = bar->addMenu("ファイル(&F)");
    file->setObjectName("menuFile");
    file->addAction(print1);
    file->addAction(print2);
    file->addAction(testPrint);
    file->addSeparator();
    file->addAction(paperSetup);
    file->addAction(storeSetup);
    file->addSeparator();
    file->addAction(exit);

    QMenu *view = bar->addMenu("表示(&V)");
    view->setObjectName("menuView");
    view->addAction(preview);
    for (QAction *a : zoom)
        view->addAction(a);
    view->addSeparator();
    view->addAction(consigneeList);
    view->addAction(history);

    QMenu *edit = bar->addMenu("編集(&E)");
    edit->setObjectName("menuEdit");
    edit->addAction(previewEdit);
    edit->addAction(phraseList);
    edit->addAction(zipGuide);
    edit->addSeparator();
    edit->addAction(fromClip);
    edit->addAction(orderMailPaste);
    edit->addAction(orderMailPasteCashOnDelivery);

    QMenu *batch = bar->addMenu("連続印刷(&R)");
    batch->setObjectName("menuBatch");
    batch->addAction(selectAll);
    batch->addAction(cancelAll);
    batch->addSeparator();
    batch->addAction(newConsignee);
    batch->addAction(editConsignee);
    batch->addAction(itemChange);
    batch->addAction(deleteChecked);
    batch->addSeparator();
    batch->addAction(csvImport);
    batch->addAction(exportConsignees);
    batch->addSeparator();
    batch->addAction(checkPostalCodes);

    QMenu *help = bar->addMenu("ヘルプ(&H)");
    help->setObjectName("menuHelp");
    help->addAction(helpOnline);
    help->addAction(helpOffline);
    help->addSeparator();
    help->addAction(backup);
    help->addAction(restore);
    help->addSeparator();
    help->addAction(installFolder);
    help->addAction(workFolder);
    help->addAction(styleRestore);
    help->addSeparator();
    help->addAction(version);
    help->addAction(homePage);
}

void MainActions::applyProfile(const EditionProfile &p)
{
    previewEdit->setText(p.previewEditCaption);
    editConsignee->setText(p.editConsigneeCaption);
    newConsignee->setText(p.newConsigneeCaption);
    deleteChecked->setText(p.deleteCheckedCaption);
    exportConsignees->setText(p.exportConsigneesCaption);
    consigneeList->setText(p.listPageCaption);
    phraseList->setText(p.itemListCaption);
    itemChange->setText(p.itemExchangeCaption);
    // The clipboard paste and the cash-on-delivery order-mail paste are not offered.
    fromClip->setVisible(false);
    orderMailPasteCashOnDelivery->setVisible(false);
    if (auto *batchMenu = qobject_cast<QMainWindow *>(parent())->menuBar()->findChild<QMenu *>("menuBatch"))
        batchMenu->setTitle(p.listPageCaption + "(&C)");
}
