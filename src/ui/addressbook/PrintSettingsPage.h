#pragma once
// The left page "印刷設定": the fixed items and amount, the sender list and the
// options (yen mark, history switch, postal-code conversion).

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
struct EditionProfile;
struct MainOptions;

class PrintSettingsPage : public QWidget
{
    Q_OBJECT
public:
    explicit PrintSettingsPage(QWidget *parent = nullptr);

    // Edition captions and which controls exist.
    void applyProfile(const EditionProfile &profile);

    // Puts the options into the controls / reads the controls into options
    // (only the values this page shows).
    void showOptions(const MainOptions &options);
    void readOptions(MainOptions &options) const;

    // zipConversionFrame: 0 insert the prefecture name, 1 do not.
    int zipConvOption() const;

    QCheckBox *fixedItemsBox = nullptr; // fixed-items option
    QCheckBox *yenMarkBox = nullptr; // yen mark
    QCheckBox *noHistoryBox = nullptr; // 送付履歴に記録しない
    QLineEdit *fixitem[4] = {};
    QLineEdit *fixkingaku = nullptr;
    QTreeWidget *senderView = nullptr; // the sender list
    QPushButton *editSenderButton = nullptr;  // 編　集
    QPushButton *newSenderButton = nullptr;   // +新規追加

signals:
    // An option that changes the drawing was changed by the user.
    void optionsChanged();
    // The user picked the postal-code conversion option.
    void zipOptionChanged(int index);
    // The user picked a paper kind (0 .. 3) in paperKinds.
    void paperKindSelected(int kind);
    // The label in front of fixed item box n (1 .. 4) was clicked (a click on its label).
    void fixedItemLabelClicked(int n);

private:
    QGroupBox *m_fixedFrame = nullptr;
    QGroupBox *m_senderFrame = nullptr;
    QLabel *m_itemLabels[4] = {};
    QLabel *m_amountLabel = nullptr;
    QButtonGroup *m_zipOption = nullptr;
    QGroupBox *m_paperKinds = nullptr;
    QButtonGroup *m_paperKindButtons = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

public:
    // Checks the paper kind's button without reporting a selection.
    void showPaperKind(int kind);
};
