#pragma once
// The question after a Shift_JIS export that cannot hold some characters:
// every row and character in a list the clerk can scroll and copy from, and
// whether to write 「〓」 in their place. Not writing is the default button.

#include "core/import/CsvWriter.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class CsvSubstituteDialog : public QDialog
{
    Q_OBJECT
public:
    CsvSubstituteDialog(const CsvExportOutcome &refused, QWidget *parent = nullptr);

    QPlainTextEdit *list = nullptr;
    QPushButton *substituteButton = nullptr; // accepts
    QPushButton *refuseButton = nullptr;     // rejects; the default
};

// Shows the dialog modally; true when the clerk chose to write 「〓」.
bool AskToSubstitute(const CsvExportOutcome &refused, QWidget *parent);
