#include "app/MainActions.h"

#include "app/EditionProfile.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

MainActions::MainActions(QMainWindow *window) : QObject(window)
{
    print1 = make("ActionPrint1", "単票印刷");
    print1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print2 = make("ActionPrint2", "連票印刷", false);
    testPrint = make("ActionTestPrint", "テスト印刷");
    paperSetup = make("N37", "用紙設定");
    exit = make("ActionExit", "終了");
    for (const PaperKindInfo &info : PaperKinds()) {
        paperKind[info.kind] = make(QString("ControlAction1%1").arg(info.kind), info.actionCaption);
        paperKind[info.kind]->setData(info.kind);
    }

    preview = make("ActionPreview", "プレビュー");
    zoomGroup = new QActionGroup(this);
    zoomGroup->setExclusive(true);
    const int percents[4] = {50, 100, 150, 200};
    for (int i = 0; i < 4; ++i) {
        zoom[i] = make(QString("Actionpreview%1").arg(percents[i]), QString("拡大率(%1%)").arg(percents[i]));
        zoom[i]->setCheckable(true);
        zoom[i]->setData(percents[i]);
        zoomGroup->addAction(zoom[i]);
    }
    zoom[1]->setChecked(true);
    atesakiList = make("ActionAtesaki", "お届け先リスト", false);
    atesakiList->setShortcut(QKeySequence(Qt::Key_F6));
    rireki = make("ActionRireki", "送付履歴", false);
    rireki->setShortcut(QKeySequence(Qt::Key_F8));

    previewEdit = make("ActionPreviewEdit", "選択中のお届け先を送り状編集", false);
    previewEdit->setShortcut(QKeySequence(Qt::Key_F5));
    chrList = make("ActionChrList", "通信欄リスト", false);
    chrList->setShortcut(QKeySequence(Qt::Key_F7));
    zipGuide = make("ActionZipGuide", "郵便番号表", false);
    fromClip = make("ActionFromClip", "クリップボードから貼り付け", false);
    rakuten1 = make("ActionRakuten1", "クリップボード(楽天形式)から貼り付け", false);
    rakuten1->setShortcut(QKeySequence(Qt::Key_F9));
    rakuten2 = make("ActionRakuten2", "クリップボード(楽天形式)から貼り付け(代引)", false);

    selectAll = make("ActionSelectAll", "すべて選択", false);
    selectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    cancelAll = make("ActionSelectCancel", "すべて解除", false);
    newAtesaki = make("ActionNewAtesaki", "お届け先を新規登録", false);
    atesakiEdit = make("ActionAtesakiEdit", "選択中のお届け先を修正", false);
    itemChange = make("Actionitemchange", "選択中の商品を入れ替える", false);
    renzokuDelete = make("Actionrenzokudelete", "チェックを入れたご依頼人を削除", false);
    renzokuCsv = make("ActionRenzokuCsv", "CSVファイルから取り込む", false);

    helpOnline = make("ActionHelpOnline", "ヘルプ(オンライン)", false);
    helpOnline->setShortcut(QKeySequence(Qt::Key_F1));
    helpOffline = make("ActionHelpOffline", "ヘルプ(オフライン)", false);
    backup = make("ActionBackup", "データのバックアップ", false);
    restore = make("ActionRestore", "データのリストア", false);
    installFolder = make("ActionInstallFolder", "インストールフォルダーの確認", false);
    workFolder = make("ActionWorkFolder", "作業フォルダーをエクスプローラーで開く", false);
    styleRestore = make("ActionStyleRestore", "スタイルデータの復旧", false);
    version = make("ActionVersion", "バージョン情報", false);
    homePage = make("ActionHomePage", "ホームページへアクセス", false);
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
    file->addSeparator();
    file->addAction(exit);

    QMenu *view = bar->addMenu("表示(&V)");
    view->setObjectName("menuView");
    view->addAction(preview);
    for (QAction *a : zoom)
        view->addAction(a);
    view->addSeparator();
    view->addAction(atesakiList);
    view->addAction(rireki);

    QMenu *edit = bar->addMenu("編集(&E)");
    edit->setObjectName("menuEdit");
    edit->addAction(previewEdit);
    edit->addAction(chrList);
    edit->addAction(zipGuide);
    edit->addSeparator();
    edit->addAction(fromClip);
    edit->addAction(rakuten1);
    edit->addAction(rakuten2);

    QMenu *renzoku = bar->addMenu("連続印刷(&R)");
    renzoku->setObjectName("menuRenzoku");
    renzoku->addAction(selectAll);
    renzoku->addAction(cancelAll);
    renzoku->addSeparator();
    renzoku->addAction(newAtesaki);
    renzoku->addAction(atesakiEdit);
    renzoku->addAction(itemChange);
    renzoku->addAction(renzokuDelete);
    renzoku->addSeparator();
    renzoku->addAction(renzokuCsv);

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
    atesakiEdit->setText(p.atesakiEditCaption);
    newAtesaki->setText(p.newAtesakiCaption);
    renzokuDelete->setText(p.renzokuDeleteCaption);
    atesakiList->setText(p.listPageCaption);
    chrList->setText(p.itemListCaption);
    itemChange->setText(p.itemExchangeCaption);
    // The clipboard paste and the cash-on-delivery order-mail paste are not offered.
    fromClip->setVisible(false);
    rakuten2->setVisible(false);
    if (auto *renzokuMenu = qobject_cast<QMainWindow *>(parent())->menuBar()->findChild<QMenu *>("menuRenzoku"))
        renzokuMenu->setTitle(p.listPageCaption + "(&C)");
}
