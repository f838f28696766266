#pragma once
// The sender editor: adds, changes or deletes one row of `company`. The first
// status panel holds the sender's ID (empty for a new sender); the opener sets
// it with setSenderId() before exec(). loadSender() also copies the sender into
// the print record's sender slots.

#include "ui/addressbook/EditorContext.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

class SenderDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SenderDialog(const EditorContext &context, QWidget *parent = nullptr);

    // Panel 0: the sender being edited; empty for a new one.
    void setSenderId(const QString &id);
    QString senderId() const;
    // Opens modally for sender id (empty: a new sender).
    int openFor(const QString &id);

    // Empties the boxes and, with a sender ID, loads that sender and copies it
    // into the print record's sender slots.
    void loadSender();

    // ---- Actions -------------------------------------------------------------
    // 保　存: length checks, then update or insert, then close.
    void save();
    // 削　除: keeps at least one sender, asks, deletes, closes.
    void deleteSender();
    // 郵便番号検索: the postal-code guide, its chosen row into the boxes.
    void openPostalGuide();
    // Enter in y_yubin2: prefecture, city and town from the postal code.
    void y_yubin2KeyDown();

    QLabel *titleLabel = nullptr;
    QLineEdit *y_namae = nullptr;
    QLineEdit *y_yubin1 = nullptr;
    QLineEdit *y_yubin2 = nullptr;
    QComboBox *area = nullptr;
    QLineEdit *city = nullptr;
    QLineEdit *location = nullptr;
    QLineEdit *building = nullptr;
    QLineEdit *y_tel1 = nullptr;
    QLineEdit *y_tel2 = nullptr;
    QLineEdit *y_tel3 = nullptr;
    QLineEdit *tagkey[3] = {};
    QPushButton *operate_btn = nullptr; // 保　存
    QPushButton *cancelButton = nullptr;     // キャンセル
    QPushButton *deleteButton = nullptr;     // 削　除
    QPushButton *postalGuideButton = nullptr;     // 郵便番号検索
    QWidget *addressPanel = nullptr;
    QWidget *accountPanel = nullptr;
    QStatusBar *statusLine = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    void prepareForShow();
    void applyEdition();

    EditorContext m_context;
    QLabel *m_panel = nullptr;
};
