#pragma once
// The CSV editor: opens a CSV file from anywhere (a spreadsheet's export in any
// of the usual encodings), lets the user say which column is which of the 14
// fields of the intermediate file while a preview shows the result, and writes
// "csvImport.tmp" for the program that started it. Closing without writing
// leaves no result behind.

#include "core/import/CsvColumnMapping.h"
#include "core/import/CsvEncoding.h"

#include <QByteArray>
#include <QDialog>
#include <QStringList>
#include <QVector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class CsvEditorWindow : public QDialog
{
    Q_OBJECT

public:
    // Rows shown in the preview.
    static constexpr int PreviewRows = 20;

    // confDir is where the result and the remembered mapping go.
    CsvEditorWindow(const QString &confDir, int editionCode, QWidget *parent = nullptr);

    // The intermediate file this editor writes.
    QString resultPath() const;

    // Reads a CSV file: detects its encoding and delimiter, parses it with a
    // progress bar and restores or guesses the mapping. False (after telling
    // the user) when the file cannot be read, holds a quote that is never
    // closed (the message names its line), or the user stopped the reading.
    bool loadFile(const QString &path);

    // Writes the intermediate file from the loaded rows and the mapping,
    // remembers the mapping and closes with Accepted. False (after telling the
    // user) when nothing was loaded or the file cannot be written.
    bool writeResult();

    // ---- State, for the window and its tests --------------------------
    const CsvColumnMapping &mapping() const { return m_mapping; }
    // Maps field f (0-based) to source column c (0-based, NoColumn for none).
    void setFieldColumn(int field, int column);
    void setFirstRowIsHeader(bool header);
    // The 14 values of each data row under the current mapping.
    QVector<QStringList> mappedRows() const;
    CsvEncoding encoding() const { return m_encoding; }
    QChar delimiter() const { return m_delimiter; }
    int sourceRowCount() const { return int(m_sourceRows.size()); }

    // Widgets the tests drive.
    QTableWidget *previewTable() const { return m_preview; }
    QComboBox *fieldCombo(int field) const { return m_fieldCombos.value(field); }
    QComboBox *encodingCombo() const { return m_encodingCombo; }
    QPushButton *writeButton() const { return m_writeButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }
    QLabel *statusLabel() const { return m_status; }

private:
    void buildUi();
    void openFileDialog();
    // Decodes and parses the loaded bytes with the chosen encoding and delimiter.
    bool reparse();
    void rememberedOrGuessedMapping();
    void refreshColumnChoices();
    void refreshPreview();
    QStringList header() const;
    int sourceColumnCount() const;
    void showError(const QString &text);

    QString m_confDir;
    int m_editionCode = 0;
    QString m_path;
    QByteArray m_bytes;
    CsvEncoding m_encoding = CsvEncoding::Utf8;
    QChar m_delimiter = u',';
    QVector<QStringList> m_sourceRows;
    CsvColumnMapping m_mapping;
    bool m_updating = false;

    QLabel *m_fileLabel = nullptr;
    QComboBox *m_encodingCombo = nullptr;
    QComboBox *m_delimiterCombo = nullptr;
    QCheckBox *m_headerCheck = nullptr;
    QVector<QComboBox *> m_fieldCombos;
    QTableWidget *m_preview = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_writeButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
