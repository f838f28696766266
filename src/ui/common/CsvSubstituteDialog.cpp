#include "ui/common/CsvSubstituteDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CsvSubstituteDialog::CsvSubstituteDialog(const CsvExportOutcome &refused, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("確認"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("Shift_JISで表せない文字が%1文字あります（行はCSVファイルの行、1行目は見出しです）。")
            .arg(refused.unwritableCount),
        this));

    QStringList lines = CsvUnwritableLines(refused.unwritable);
    if (refused.unwritableCount > refused.unwritable.size())
        lines << QStringLiteral("ほか%1文字").arg(refused.unwritableCount - refused.unwritable.size());
    list = new QPlainTextEdit(lines.join(u'\n'), this);
    list->setObjectName(QStringLiteral("unwritableList"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(list, 1);

    auto *question = new QLabel(QStringLiteral("これらの文字を「〓」に置き換えて書き出しますか？\n"
                                               "UTF-8で書き出せば、どの文字もそのまま書き出せます。"),
                                this);
    layout->addWidget(question);

    auto *buttons = new QDialogButtonBox(this);
    substituteButton = buttons->addButton(QStringLiteral("「〓」に置き換えて書き出す"), QDialogButtonBox::AcceptRole);
    refuseButton = buttons->addButton(QStringLiteral("書き出さない"), QDialogButtonBox::RejectRole);
    substituteButton->setAutoDefault(false);
    refuseButton->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    refuseButton->setFocus();
    resize(560, 360);
}

bool AskToSubstitute(const CsvExportOutcome &refused, QWidget *parent)
{
    CsvSubstituteDialog dialog(refused, parent ? parent : QApplication::activeWindow());
    dialog.setWindowModality(Qt::ApplicationModal);
    return dialog.exec() == QDialog::Accepted;
}
