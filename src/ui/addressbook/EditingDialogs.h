#pragma once
// The main window's editing dialogs, created once and living as long as the
// window: the postal-code guide first (the others use it), then the
// single-print data editor, the sender editor and the consignee editor.

#include "ui/addressbook/EditorContext.h"

#include <QObject>

class QWidget;
class SingleDataDialog;
class ConsigneeDialog;
class SenderDialog;
class PostalGuideDialog;

class EditingDialogs : public QObject
{
    Q_OBJECT
public:
    // Creates the dialogs as children of window; context.zipGuide is filled in here.
    EditingDialogs(EditorContext context, QWidget *window);

    PostalGuideDialog *zipGuide() const { return m_zipGuide; }
    SingleDataDialog *singleDataDialog() const { return m_singleDataDialog; }
    SenderDialog *senderDialog() const { return m_senderDialog; }
    ConsigneeDialog *consigneeDialog() const { return m_consigneeDialog; }

private:
    PostalGuideDialog *m_zipGuide = nullptr;
    SingleDataDialog *m_singleDataDialog = nullptr;
    SenderDialog *m_senderDialog = nullptr;
    ConsigneeDialog *m_consigneeDialog = nullptr;
};
