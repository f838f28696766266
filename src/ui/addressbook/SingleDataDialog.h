#pragma once
// The single-print data editor: the boxes of the one waybill that is printed
// singly, loaded from and stored into the current print record and its file
// "conf/singledata.txt". "保　存" stores, saves and re-assembles the preview;
// "単票印刷" does the same and then prints.

#include "ui/addressbook/EditorContext.h"
#include "core/addressbook/SingleDataForm.h"

#include "ui/addressbook/WaybillEditorDialog.h"

class QLabel;
class QPushButton;
struct DataEditPresentation;

class SingleDataDialog : public WaybillEditorDialog
{
    Q_OBJECT
public:
    // Builds the dialog with the edition's presentation.
    explicit SingleDataDialog(const EditorContext &context, QWidget *parent = nullptr);

    // Every box from the current print record.
    void edit_set();
    // Every box into the current print record.
    void setBack();
    // The single-print data file (when it exists) into the record, then every
    // box from the record. A file that cannot be read is reported; false then.
    bool reload();
    // The boxes checked, stored, the file written and the record assembled
    // again. A number or date box that is no whole number or real date, or a
    // file that cannot be written, is reported and false returned, so nothing is lost.
    bool storeAndSave();

    // ---- Actions (buttons and keys call these) -----------------------------
    // 保　存: setBack, save the file, re-assemble the record, close.
    void save();
    // 単票印刷: as 保　存, then the single print.
    void printButtonClick();
    // 全クリアー: empties every box but the weight and selects no time.
    void clearAll();

    QLabel *blockLabel = nullptr;
    QLabel *noteLabel = nullptr;
    QPushButton *operate_btn = nullptr; // 保　存
    QPushButton *printButton = nullptr; // 単票印刷
    QPushButton *cancelButton = nullptr; // キャンセル
    QPushButton *clearButton = nullptr;     // 全クリアー

protected:
    void prepareForShow() override;

private:
    void buildWindow(const DataEditPresentation &p);

    EditorContext m_context;
};
