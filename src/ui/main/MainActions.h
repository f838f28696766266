#pragma once
// The main window's commands, created once so that menus, tool buttons and
// pages share the same action objects (and their captions, shortcuts and
// enabled state). Commands whose pages come later stand disabled.

#include <QObject>

class QAction;
class QActionGroup;
class QMainWindow;
struct EditionProfile;

class MainActions : public QObject
{
    Q_OBJECT
public:
    explicit MainActions(QMainWindow *window);

    // Builds the menu bar: ファイル, 表示, 編集, 連続印刷, ヘルプ.
    void buildMenus(QMainWindow *window);
    // Applies an edition's captions.
    void applyProfile(const EditionProfile &profile);

    // ファイル(&F)
    QAction *print1 = nullptr;       // "単票印刷", Ctrl+P
    QAction *print2 = nullptr;       // "連票印刷", Ctrl+Shift+P
    QAction *testPrint = nullptr;    // "テスト印刷": form drawing and marks on plain paper
    QAction *paperSetup = nullptr;   // "用紙設定"
    QAction *storeSetup = nullptr;   // "データの保存先": this station's files or a shared server
    QAction *exit = nullptr;         // "終了"
    QAction *paperKind[4] = {};      // on no visible menu
    // 表示(&V)
    QAction *preview = nullptr;      // "プレビュー"
    QAction *zoom[4] = {};           // 50, 100, 150, 200 %
    QActionGroup *zoomGroup = nullptr;
    QAction *consigneeList = nullptr;  // F6
    QAction *history = nullptr;       // "送付履歴", F8
    // 編集(&E)
    QAction *previewEdit = nullptr;  // F5
    QAction *phraseList = nullptr;      // "通信欄リスト", F7
    QAction *zipGuide = nullptr;     // "郵便番号表": browse the postal-code table
    QAction *fromClip = nullptr;     // (hidden by every profile)
    QAction *orderMailPaste = nullptr;     // F9
    QAction *orderMailPasteCashOnDelivery = nullptr;     // (hidden by every profile)
    // 連続印刷(&R)
    QAction *selectAll = nullptr;    // Ctrl+A
    QAction *cancelAll = nullptr;    // "すべて解除"
    QAction *newConsignee = nullptr;
    QAction *editConsignee = nullptr;
    QAction *itemChange = nullptr;
    QAction *deleteChecked = nullptr;
    QAction *csvImport = nullptr;   // "CSVファイルから取り込む"
    QAction *exportConsignees = nullptr; // "お届け先をCSVに書き出す"
    QAction *checkPostalCodes = nullptr; // "住所と郵便番号を確認"
    // ヘルプ(&H)
    QAction *helpOnline = nullptr;
    QAction *helpOffline = nullptr;
    QAction *backup = nullptr;
    QAction *restore = nullptr;
    QAction *installFolder = nullptr;
    QAction *workFolder = nullptr;
    QAction *styleRestore = nullptr;
    QAction *version = nullptr;
    QAction *homePage = nullptr;

    QAction *printSetupMenuEntry() const { return paperSetup; }

private:
    QAction *make(const QString &name, const QString &caption, bool enabled = true);
};
