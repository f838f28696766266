#pragma once
// ファイル > データの保存先: where this station keeps its address book and
// history, the local files or a PostgreSQL server its stations share. The
// choice is saved for the next start; a connection can be tried first, and
// the station's files can be copied into an empty server database once.

#include "core/settings/StoreSettings.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

class StoreDialog : public QDialog
{
    Q_OBJECT
public:
    // dataDir holds the settings file and the station's database files.
    explicit StoreDialog(const QString &dataDir, QWidget *parent = nullptr);

    // The setting as the boxes show it.
    StoreSettings shownSettings() const;

    // The buttons' work, callable from tests.
    void tryConnection();
    void copyLocalFilesToServer();
    void save();

    QRadioButton *localChoice = nullptr;
    QRadioButton *serverChoice = nullptr;
    QLineEdit *host = nullptr;
    QSpinBox *port = nullptr;
    QLineEdit *database = nullptr;
    QLineEdit *user = nullptr;
    QPushButton *tryButton = nullptr;
    QPushButton *copyButton = nullptr;
    QLabel *resultLabel = nullptr; // what the last try or copy found

private:
    void showSettings(const StoreSettings &settings);
    void updateEnabled();
    // Shows what a try or a copy found, with the room its lines need.
    void showResult(const QString &text);
    // Makes the dialog tall enough for its wrapped texts at any width it allows.
    void fitHeight();

    QString m_dataDir;
};
