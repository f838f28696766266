#include "ui/addressbook/WaybillEditorDialog.h"

#include "ui/addressbook/EditorBoxes.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

WaybillEditorDialog::WaybillEditorDialog(const QString &objectName, QWidget *parent) : QDialog(parent)
{
    setObjectName(objectName);
    m_column = new QVBoxLayout(this);
    titleLabel = MakeTitleLabel(this);
    m_column->addWidget(titleLabel);
}

void WaybillEditorDialog::addStatusLine(int panels)
{
    statusLine = new QStatusBar(this);
    statusLine->setObjectName("statusLine");
    statusLine->setSizeGripEnabled(false);
    for (int i = 0; i < panels; ++i) {
        m_panels << new QLabel(this);
        m_panelValues << QString();
        statusLine->addWidget(m_panels.last(), i == 0 ? 0 : 1);
    }
    m_column->addWidget(statusLine);
}

void WaybillEditorDialog::setPanel(int index, const QString &text)
{
    if (index < 0 || index >= m_panels.size())
        return;
    m_panelValues[index] = text;
    m_panels[index]->setText(shownPanelText(index, text));
}

QString WaybillEditorDialog::panel(int index) const
{
    return m_panelValues.value(index);
}

QString WaybillEditorDialog::shownPanelText(int, const QString &text) const
{
    return text;
}

void WaybillEditorDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    setWindowTitle(QApplication::applicationDisplayName());
    prepareForShow();
}
