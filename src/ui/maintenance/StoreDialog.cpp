#include "ui/maintenance/StoreDialog.h"

#include "core/data/Database.h"
#include "core/data/DatabaseErrorText.h"
#include "core/data/PgConnection.h"
#include "core/data/ServerMigration.h"
#include "core/data/StoreLocation.h"
#include "core/data/TableInWords.h"
#include "core/settings/AppFolders.h"
#include "ui/common/ShowNotice.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

StoreDialog::StoreDialog(const QString &dataDir, QWidget *parent) : QDialog(parent), m_dataDir(dataDir)
{
    setObjectName(QStringLiteral("storeDialog"));
    setWindowTitle(QStringLiteral("データの保存先"));
    setModal(true);

    localChoice = new QRadioButton(QStringLiteral("このパソコンのファイル（標準）"), this);
    serverChoice = new QRadioButton(QStringLiteral("共有サーバー（PostgreSQL）：複数の端末で同じデータを使います"), this);

    auto *serverBox = new QGroupBox(QStringLiteral("共有サーバー"), this);
    host = new QLineEdit(serverBox);
    host->setPlaceholderText(QStringLiteral("例: 192.168.1.10（空欄は環境変数 PGHOST）"));
    port = new QSpinBox(serverBox);
    port->setRange(0, 65535);
    port->setSpecialValueText(QStringLiteral("標準（5432）"));
    database = new QLineEdit(serverBox);
    database->setPlaceholderText(QStringLiteral("例: shop"));
    user = new QLineEdit(serverBox);
    user->setPlaceholderText(QStringLiteral("空欄はログイン名"));
    auto *form = new QFormLayout(serverBox);
    form->addRow(QStringLiteral("ホスト"), host);
    form->addRow(QStringLiteral("ポート"), port);
    form->addRow(QStringLiteral("データベース"), database);
    form->addRow(QStringLiteral("ユーザー"), user);
    auto *password = new QLabel(QStringLiteral("パスワードはこのプログラムには保存しません。各端末の ~/.pgpass か"
                                               "環境変数 PGPASSWORD に設定してください。"),
                                serverBox);
    password->setObjectName(QStringLiteral("passwordNote"));
    password->setWordWrap(true);
    form->addRow(password);

    tryButton = new QPushButton(QStringLiteral("接続を確認"), this);
    copyButton = new QPushButton(QStringLiteral("このパソコンのデータをサーバーへ移す"), this);
    auto *serverButtons = new QHBoxLayout;
    serverButtons->addWidget(tryButton);
    serverButtons->addWidget(copyButton);
    serverButtons->addStretch();
    form->addRow(serverButtons);

    resultLabel = new QLabel(this);
    resultLabel->setObjectName(QStringLiteral("storeResult"));
    resultLabel->setWordWrap(true);
    resultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *note = new QLabel(QStringLiteral("保存先の変更は、次にプログラムを起動したときから使われます。"), this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("保存"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(localChoice);
    layout->addWidget(serverChoice);
    layout->addWidget(serverBox);
    layout->addWidget(resultLabel);
    layout->addWidget(note);
    layout->addWidget(buttons);
    setMinimumWidth(520);

    connect(localChoice, &QRadioButton::toggled, this, &StoreDialog::updateEnabled);
    connect(serverChoice, &QRadioButton::toggled, this, &StoreDialog::updateEnabled);
    connect(tryButton, &QPushButton::clicked, this, &StoreDialog::tryConnection);
    connect(copyButton, &QPushButton::clicked, this, &StoreDialog::copyLocalFilesToServer);
    connect(buttons, &QDialogButtonBox::accepted, this, &StoreDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    showSettings(ReadStoreSettings(m_dataDir));
    fitHeight();
}

void StoreDialog::showSettings(const StoreSettings &settings)
{
    (settings.useServer ? serverChoice : localChoice)->setChecked(true);
    host->setText(settings.host);
    port->setValue(settings.port);
    database->setText(settings.database);
    user->setText(settings.user);
    updateEnabled();
}

StoreSettings StoreDialog::shownSettings() const
{
    StoreSettings s;
    s.useServer = serverChoice->isChecked();
    s.host = host->text().trimmed();
    s.port = port->value();
    s.database = database->text().trimmed();
    s.user = user->text().trimmed();
    return s;
}

void StoreDialog::updateEnabled()
{
    const bool server = serverChoice->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(host), static_cast<QWidget *>(port), static_cast<QWidget *>(database),
                       static_cast<QWidget *>(user), static_cast<QWidget *>(tryButton),
                       static_cast<QWidget *>(copyButton)})
        w->setEnabled(server);
}

void StoreDialog::tryConnection()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PgConnection pg;
    const QString location = shownSettings().location();
    const DatabaseError error = pg.open(location);
    QApplication::restoreOverrideCursor();
    if (error.isError()) {
        showResult(QStringLiteral("接続できませんでした。\n") + StoreLocationForDisplay(location) + QLatin1Char('\n')
                        + DatabaseErrorInJapanese(error));
        return;
    }
    const int version = pg.serverVersion();
    showResult(QStringLiteral("接続できました（PostgreSQL %1.%2）。").arg(version / 10000).arg(version % 10000));
}

void StoreDialog::copyLocalFilesToServer()
{
    if (!AskOkCancel(QStringLiteral("このパソコンのお届け先・ご依頼主・商品データ・送付履歴を、サーバーへコピーします。\n"
                                    "コピーできるのは、まだデータのないサーバーのデータベースだけです。\n"
                                    "実行してもよろしいですか？"),
                     this))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PgConnection pg;
    const QString location = shownSettings().location();
    MigrationResult copied;
    copied.error = pg.open(location);
    if (!copied.error.isError()) {
        Database files;
        copied = CopyLocalStoreToServer(files, LocalAddressDb(m_dataDir), LocalMembersDb(m_dataDir), pg);
    }
    QApplication::restoreOverrideCursor();
    if (!copied.refusal.isEmpty()) {
        showResult(QStringLiteral("コピーしませんでした。\n") + copied.refusal);
        return;
    }
    if (copied.error.isError()) {
        showResult(QStringLiteral("コピーできませんでした。サーバーには何も書き込んでいません。\n")
                        + DatabaseErrorInJapanese(copied.error));
        return;
    }
    QStringList counts;
    for (const MigrationCount &c : copied.counts)
        if (c.table == QLatin1String("address") || c.table == QLatin1String("company")
            || c.table == QLatin1String("sender") || c.table == QLatin1String("memberitem"))
            counts << QStringLiteral("%1 %2件").arg(TableInWords(c.table)).arg(c.rows);
    showResult(QStringLiteral("サーバーへコピーしました（") + counts.join(QStringLiteral("、"))
                    + QStringLiteral("）。「保存」を押すと、次の起動からサーバーのデータを使います。"));
}

void StoreDialog::showResult(const QString &text)
{
    resultLabel->setText(text);
    fitHeight();
}

void StoreDialog::fitHeight()
{
    // Wrapped texts need a height for the dialog's width: a result of more
    // lines makes the dialog taller instead of cutting the notes above it,
    // and the dialog cannot be made smaller than its narrowest width needs.
    QLayout *box = layout();
    box->activate();
    const auto neededAt = [box](int width) {
        return box->hasHeightForWidth() ? box->totalHeightForWidth(width) : box->totalSizeHint().height();
    };
    setMinimumHeight(neededAt(minimumWidth()));
    if (height() < neededAt(width()))
        resize(width(), neededAt(width()));
}

void StoreDialog::save()
{
    const StoreSettings settings = shownSettings();
    if (!WriteStoreSettings(m_dataDir, settings)) {
        ShowNotice(QStringLiteral("確認"),
                   QStringLiteral("設定ファイルを保存できませんでした。\n") + StoreSettingsFile(m_dataDir), this);
        return;
    }
    accept();
}
