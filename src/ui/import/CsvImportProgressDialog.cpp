#include "ui/import/CsvImportProgressDialog.h"

#include <QApplication>
#include <QLocale>
#include <QProgressDialog>

namespace {

// A file this long takes long enough everywhere to show its progress at once;
// a shorter one shows it only when the import turns out slower than a second.
constexpr int ShowAtOnceLines = 5000;
constexpr int ShowAfterMs = 1000;

} // namespace

CsvImportProgressDialog::CsvImportProgressDialog(QWidget *parent) : m_parent(parent) {}

CsvImportProgressDialog::~CsvImportProgressDialog() = default;

QString CsvImportProgressDialog::labelText(int done, int total)
{
    const QLocale japanese(QLocale::Japanese);
    return QStringLiteral("CSVファイルから取り込んでいます（%1 / %2 行）")
        .arg(japanese.toString(done), japanese.toString(total));
}

bool CsvImportProgressDialog::report(int done, int total)
{
    if (!m_dialog) {
        m_dialog = std::make_unique<QProgressDialog>(labelText(0, total), QStringLiteral("キャンセル"), 0, total,
                                                     m_parent.data());
        m_dialog->setWindowTitle(QApplication::applicationDisplayName());
        m_dialog->setWindowModality(Qt::WindowModal);
        // The last report must not reset the dialog: a cancel pressed just
        // before it still takes the import back.
        m_dialog->setAutoReset(false);
        m_dialog->setAutoClose(false);
        m_dialog->setMinimumDuration(ShowAfterMs);
    }
    m_dialog->setLabelText(labelText(done, total));
    m_dialog->setValue(done);
    if (total >= ShowAtOnceLines && !m_dialog->isVisible())
        m_dialog->show();
    return !m_dialog->wasCanceled();
}
