#pragma once
// The frame the three waybill editors (consignee, single print, history)
// share: a column headed by the title, the shared rows of boxes, the status
// panels that carry the editor's mode, and the program's title on every show.

#include <QDialog>
#include <QStringList>
#include <QVector>

class QLabel;
class QStatusBar;
class QVBoxLayout;
class WaybillBoxes;

class WaybillEditorDialog : public QDialog
{
    Q_OBJECT
public:
    // Status panel index as it was set (the shown words may differ); empty when there is none.
    QString panel(int index) const;
    void setPanel(int index, const QString &text);

    QLabel *titleLabel = nullptr;
    // The rows the waybill editors share: name, postal code, address,
    // telephone, items, amounts, date and time slot.
    WaybillBoxes *boxes = nullptr;
    QStatusBar *statusLine = nullptr; // null without status panels

protected:
    WaybillEditorDialog(const QString &objectName, QWidget *parent);
    // The window's column, the title first.
    QVBoxLayout *column() const { return m_column; }
    // The status line at the column's end: the first panel as wide as its
    // text, the others sharing the rest.
    void addStatusLine(int panels);
    // The words panel index shows for text: the text itself unless the editor says otherwise.
    virtual QString shownPanelText(int index, const QString &text) const;
    void showEvent(QShowEvent *event) override;
    // Each show, once the window has taken the program's title.
    virtual void prepareForShow() = 0;

private:
    QVBoxLayout *m_column = nullptr;
    QVector<QLabel *> m_panels;
    QStringList m_panelValues;
};
