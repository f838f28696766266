#include "csveditor/CsvEditorWindow.h"

#include "core/addressbook/ConsigneeCsv.h"

#include "ui/controls/ElidingItemDelegate.h"
#include "core/import/CsvImportFile.h"
#include "core/import/CsvImportPlan.h"
#include "core/import/CsvMappingStore.h"
#include "core/import/CsvParser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("CSV取込データの作成");

// The encodings offered besides automatic detection, in the order of the list.
const CsvEncoding kEncodings[] = {CsvEncoding::Utf8, CsvEncoding::Utf16Le, CsvEncoding::Utf16Be, CsvEncoding::Cp932};
const QChar kDelimiters[] = {u',', u'\t', u';'};

// The longest value the import accepts per field (0 for none); the address
// fields are checked after the prefecture split, so the plan checks those.
constexpr int kLimits[CsvImportFieldCount] = {40, 40, 0, 0, 0, 60, 60, 15, 200, 0, 80, 80, 80, 80};

QString delimiterName(QChar c)
{
    if (c == u'\t')
        return QStringLiteral("タブ");
    if (c == u';')
        return QStringLiteral("セミコロン");
    return QStringLiteral("カンマ");
}

} // namespace

CsvEditorWindow::CsvEditorWindow(const QString &confDir, int editionCode, QWidget *parent)
    : QDialog(parent), m_confDir(confDir), m_editionCode(editionCode)
{
    setWindowTitle(kTitle);
    buildUi();
    // A result left by an earlier run was read when that run ended; if it
    // stayed, closing this run without writing would import it a second time.
    QFile::remove(resultPath());
}

QString CsvEditorWindow::resultPath() const
{
    return m_confDir + QStringLiteral("/csvImport.tmp");
}

// Lays out file choice, reading options, the field mapping and the preview.
void CsvEditorWindow::buildUi()
{
    auto *top = new QVBoxLayout(this);

    auto *fileRow = new QHBoxLayout;
    auto *openButton = new QPushButton(QStringLiteral("CSVファイルを開く..."), this);
    openButton->setObjectName(QStringLiteral("openButton"));
    m_fileLabel = new QLabel(QStringLiteral("ファイルが選ばれていません"), this);
    fileRow->addWidget(openButton);
    fileRow->addWidget(m_fileLabel, 1);
    top->addLayout(fileRow);
    connect(openButton, &QPushButton::clicked, this, &CsvEditorWindow::openFileDialog);

    auto *optionRow = new QHBoxLayout;
    m_encodingCombo = new QComboBox(this);
    m_encodingCombo->addItem(QStringLiteral("自動判定"));
    for (CsvEncoding e : kEncodings)
        m_encodingCombo->addItem(CsvEncodingName(e));
    m_delimiterCombo = new QComboBox(this);
    m_delimiterCombo->addItem(QStringLiteral("自動判定"));
    for (QChar c : kDelimiters)
        m_delimiterCombo->addItem(delimiterName(c));
    m_headerCheck = new QCheckBox(QStringLiteral("1行目は見出し（項目名）"), this);
    m_headerCheck->setChecked(true);
    optionRow->addWidget(new QLabel(QStringLiteral("文字コード"), this));
    optionRow->addWidget(m_encodingCombo);
    optionRow->addWidget(new QLabel(QStringLiteral("区切り文字"), this));
    optionRow->addWidget(m_delimiterCombo);
    optionRow->addWidget(m_headerCheck);
    optionRow->addStretch(1);
    top->addLayout(optionRow);
    // A reading that fails leaves nothing to write: the rows of the reading
    // before would not match what the lists now say.
    const auto readAgain = [this] {
        if (m_updating || m_bytes.isEmpty() || reparse())
            return;
        m_sourceRows.clear();
        refreshColumnChoices();
        refreshPreview();
    };
    connect(m_encodingCombo, &QComboBox::currentIndexChanged, this, readAgain);
    connect(m_delimiterCombo, &QComboBox::currentIndexChanged, this, readAgain);
    connect(m_headerCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_updating)
            setFirstRowIsHeader(on);
    });

    auto *mappingBox = new QGroupBox(QStringLiteral("取り込む項目と CSV の列"), this);
    auto *grid = new QGridLayout(mappingBox);
    const QStringList names = CsvColumnMapping::fieldNames();
    for (int f = 0; f < CsvImportFieldCount; ++f) {
        auto *combo = new QComboBox(mappingBox);
        combo->setObjectName(QStringLiteral("field%1").arg(f + 1));
        combo->setMinimumContentsLength(14);
        m_fieldCombos.append(combo);
        const int row = f % 7;
        const int col = (f / 7) * 2;
        grid->addWidget(new QLabel(names.at(f), mappingBox), row, col);
        grid->addWidget(combo, row, col + 1);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, f](int index) {
            if (!m_updating)
                setFieldColumn(f, index - 1);
        });
    }
    top->addWidget(mappingBox);

    m_preview = new QTableWidget(0, CsvImportFieldCount, this);
    m_preview->setHorizontalHeaderLabels(names);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // Every heading starts whole (「都道府県（または住所全体）」 is the longest);
    // a longer value ends with "…" and shows whole as the cell's tool tip.
    QHeaderView *previewHeader = m_preview->horizontalHeader();
    for (int f = 0; f < CsvImportFieldCount; ++f)
        previewHeader->resizeSection(f, qMax(previewHeader->defaultSectionSize(), previewHeader->sectionSizeHint(f)));
    m_preview->setItemDelegate(new ElidingItemDelegate(m_preview));
    m_preview->setTextElideMode(Qt::ElideRight);
    top->addWidget(new QLabel(QStringLiteral("取込内容の確認（先頭 %1 件）").arg(PreviewRows), this));
    top->addWidget(m_preview, 1);

    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    top->addWidget(m_status);

    auto *buttons = new QDialogButtonBox(this);
    m_writeButton = buttons->addButton(QStringLiteral("取込データを作成"), QDialogButtonBox::AcceptRole);
    m_cancelButton = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    m_writeButton->setEnabled(false);
    top->addWidget(buttons);
    connect(m_writeButton, &QPushButton::clicked, this, &CsvEditorWindow::writeResult);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    resize(980, 640);
    refreshColumnChoices();
}

// Asks for a CSV file and loads it.
void CsvEditorWindow::openFileDialog()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("CSVファイルを開く"), m_path.isEmpty() ? QDir::homePath() : QFileInfo(m_path).path(),
        QStringLiteral("CSVファイル (*.csv *.txt *.tsv);;すべてのファイル (*)"));
    if (!path.isEmpty())
        loadFile(path);
}

bool CsvEditorWindow::loadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showError(QStringLiteral("ファイルを開けませんでした。\r\n") + path);
        return false;
    }
    const QByteArray bytes = file.readAll();
    const QByteArray previousBytes = m_bytes;
    m_bytes = bytes;
    m_updating = true;
    m_encodingCombo->setCurrentIndex(0);
    m_delimiterCombo->setCurrentIndex(0);
    m_updating = false;
    if (!reparse()) {
        m_bytes = previousBytes;
        reparse();
        return false;
    }
    m_path = path;
    m_fileLabel->setText(QDir::toNativeSeparators(path));
    rememberedOrGuessedMapping();
    return true;
}

// Decodes and parses the bytes; the parse shows a progress bar the user can stop.
bool CsvEditorWindow::reparse()
{
    // The bar shows at once: a large file takes a moment to decode before
    // the parse reports any progress.
    QProgressDialog progress(QStringLiteral("CSVファイルを読み込んでいます..."), QStringLiteral("中止"), 0, 1000, this);
    progress.setWindowTitle(kTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    const bool large = m_bytes.size() > 256 * 1024;
    if (large)
        progress.setValue(0);

    // The detected encoding stays named in the list, so that the clerk sees
    // which one was taken and what choosing 自動判定 again gives.
    const CsvEncoding detected = DetectCsvEncoding(m_bytes);
    m_encodingCombo->setItemText(0, QStringLiteral("自動判定（%1）").arg(CsvEncodingName(detected)));
    const int encodingIndex = m_encodingCombo->currentIndex();
    m_encoding = encodingIndex > 0 ? kEncodings[encodingIndex - 1] : detected;
    const QString text = DecodeCsvBytes(m_bytes, m_encoding);
    const int delimiterIndex = m_delimiterCombo->currentIndex();
    m_delimiter = delimiterIndex > 0 ? kDelimiters[delimiterIndex - 1] : CsvParser::detectDelimiter(text);

    CsvParse parsed = CsvParser::read(text, m_delimiter, [&progress, large](qsizetype done, qsizetype total) {
        if (large)
            progress.setValue(total > 0 ? int(done * 1000 / total) : 1000);
        return !progress.wasCanceled();
    });
    progress.reset();
    if (parsed.cancelled)
        return false;
    if (!parsed.complete()) {
        showError(parsed.notice());
        return false;
    }
    m_sourceRows = std::move(parsed.records);
    refreshColumnChoices();
    refreshPreview();
    return true;
}

// The mapping remembered for this edition where it fits the file, a guess from
// the header elsewhere.
void CsvEditorWindow::rememberedOrGuessedMapping()
{
    const QString stored = CsvMappingStore(m_confDir, m_editionCode).load();
    const QStringList firstRow = m_sourceRows.value(0);
    CsvColumnMapping mapping = CsvColumnMapping::restore(stored, firstRow, sourceColumnCount());
    if (mapping.isEmpty())
        mapping.firstRowIsHeader = false;
    m_mapping = mapping;
    m_updating = true;
    m_headerCheck->setChecked(m_mapping.firstRowIsHeader);
    m_updating = false;
    refreshColumnChoices();
    refreshPreview();
}

void CsvEditorWindow::setFieldColumn(int field, int column)
{
    m_mapping.setColumn(field, column < sourceColumnCount() ? column : CsvColumnMapping::NoColumn);
    refreshColumnChoices();
    refreshPreview();
}

void CsvEditorWindow::setFirstRowIsHeader(bool header)
{
    m_mapping.firstRowIsHeader = header;
    m_updating = true;
    m_headerCheck->setChecked(header);
    m_updating = false;
    refreshColumnChoices();
    refreshPreview();
}

QVector<QStringList> CsvEditorWindow::mappedRows() const
{
    QVector<QStringList> rows;
    const QVector<QStringList> data = m_mapping.dataRows(m_sourceRows);
    rows.reserve(data.size());
    for (const QStringList &row : data)
        rows.append(m_mapping.apply(row));
    return rows;
}

QStringList CsvEditorWindow::header() const
{
    return m_mapping.firstRowIsHeader ? m_sourceRows.value(0) : QStringList();
}

int CsvEditorWindow::sourceColumnCount() const
{
    int columns = 0;
    // The widest of the first rows: a short first record must not hide columns.
    for (int i = 0; i < m_sourceRows.size() && i < 200; ++i)
        columns = qMax(columns, int(m_sourceRows.at(i).size()));
    return columns;
}

// Fills each field's list with the file's columns, named by header or by the
// first data value, and selects the mapped one.
void CsvEditorWindow::refreshColumnChoices()
{
    const QStringList head = header();
    const QStringList sample = m_mapping.dataRows(m_sourceRows).value(0);
    QStringList choices;
    choices.append(QStringLiteral("（取り込まない）"));
    for (int c = 0; c < sourceColumnCount(); ++c) {
        QString label = head.value(c);
        if (label.isEmpty())
            label = sample.value(c);
        label.replace(u'\r', u' ').replace(u'\n', u' ');
        if (label.size() > 20)
            label = label.left(20) + QStringLiteral("…");
        choices.append(QStringLiteral("列%1: %2").arg(c + 1).arg(label));
    }
    m_updating = true;
    for (int f = 0; f < m_fieldCombos.size(); ++f) {
        QComboBox *combo = m_fieldCombos.at(f);
        combo->clear();
        combo->addItems(choices);
        combo->setCurrentIndex(m_mapping.column(f) + 1);
        combo->setEnabled(!m_sourceRows.isEmpty());
    }
    m_updating = false;
}

// Shows the first rows as they will be written, marks values the import would
// refuse, and says how many rows there are and whether the import would stop.
void CsvEditorWindow::refreshPreview()
{
    const QVector<QStringList> rows = mappedRows();
    const int shown = int(qMin<qsizetype>(rows.size(), PreviewRows));
    m_preview->clearContents();
    m_preview->setRowCount(shown);
    for (int r = 0; r < shown; ++r) {
        // Shown exactly as the intermediate file will carry it.
        const QStringList written = SplitCsvImportLine(FormatCsvImportLine(rows.at(r)));
        for (int f = 0; f < CsvImportFieldCount; ++f) {
            auto *cell = new QTableWidgetItem(written.at(f));
            if (kLimits[f] > 0 && written.at(f).size() > kLimits[f]) {
                cell->setBackground(QColor(255, 200, 200));
                cell->setToolTip(QStringLiteral("%1文字を超えています").arg(kLimits[f]));
            }
            m_preview->setItem(r, f, cell);
        }
    }

    if (m_sourceRows.isEmpty()) {
        m_status->setText(m_bytes.isEmpty() ? QString() : QStringLiteral("データがありません。"));
        m_writeButton->setEnabled(false);
        return;
    }
    QString status = QStringLiteral("%1件（文字コード: %2、区切り文字: %3）")
                         .arg(rows.size())
                         .arg(CsvEncodingName(m_encoding), delimiterName(m_delimiter));
    if (m_mapping.isEmpty())
        status += QStringLiteral("\r\n取り込む列を選んでください。");
    else if (m_mapping.column(0) < 0)
        status += QStringLiteral("\r\n名前1 が選ばれていないため、お届け先は登録されません。");
    QVector<QStringList> written;
    written.reserve(rows.size());
    for (const QStringList &row : rows)
        written.append(SplitCsvImportLine(FormatCsvImportLine(row)));
    const CsvImportPlan plan = PlanCsvImport(written, m_editionCode);
    if (plan.aborted())
        status += QStringLiteral("\r\n%1件目の値が長すぎるため、このままでは取込が途中で中止されます: ")
                      .arg(plan.abortLine + 1)
                  + plan.abortNotice.section(QStringLiteral("\r\n"), 0, 0);
    m_status->setText(status);
    m_writeButton->setEnabled(!m_mapping.isEmpty() && !rows.isEmpty());
}

bool CsvEditorWindow::writeResult()
{
    if (m_sourceRows.isEmpty() || m_mapping.isEmpty()) {
        showError(QStringLiteral("取り込むデータがありません。CSVファイルを開き、取り込む列を選んでください。"));
        return false;
    }
    QString error;
    // This program's own consignee export, mapped as guessed: passed on whole,
    // so that every column, comma and line break comes back as it went out.
    const QStringList header = m_sourceRows.value(0);
    const bool wholeExport = IsConsigneeCsvHeader(header) && m_mapping == CsvColumnMapping::guessFromHeader(header);
    if (!QDir().mkpath(m_confDir)
        || !(wholeExport ? WriteConsigneeExportImportFile(resultPath(), m_sourceRows, &error)
                         : WriteCsvImportFile(resultPath(), mappedRows(), &error))) {
        showError(QStringLiteral("取込データを書き込めませんでした。\r\n") + resultPath()
                  + (error.isEmpty() ? QString() : QStringLiteral("\r\n") + error));
        return false;
    }
    // Losing the remembered mapping is no reason to lose the written result.
    CsvMappingStore(m_confDir, m_editionCode).save(m_mapping.toText(m_sourceRows.value(0), sourceColumnCount()));
    accept();
    return true;
}

void CsvEditorWindow::showError(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, this);
    box.exec();
}
