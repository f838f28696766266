#include "ui/addressbook/EditingDialogs.h"

#include "ui/addressbook/ConsigneeDialog.h"
#include "ui/addressbook/SingleDataDialog.h"
#include "ui/addressbook/SenderDialog.h"
#include "ui/postal/PostalGuideDialog.h"

EditingDialogs::EditingDialogs(EditorContext context, QWidget *window) : QObject(window)
{
    m_zipGuide = new PostalGuideDialog(context, window);
    context.zipGuide = m_zipGuide;
    m_singleDataDialog = new SingleDataDialog(context, window);
    m_senderDialog = new SenderDialog(context, window);
    m_consigneeDialog = new ConsigneeDialog(context, window);
}
