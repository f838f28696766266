#include "dialogs/EditingDialogs.h"

#include "addressbook/TfcustomerEdit.h"
#include "dialogs/TFDATAEDIT.h"
#include "dialogs/TfsenderEdit.h"
#include "dialogs/Tfzipguide.h"

EditingDialogs::EditingDialogs(EditorContext context, QWidget *window) : QObject(window)
{
    m_zipGuide = new Tfzipguide(context, window);
    context.zipGuide = m_zipGuide;
    m_dataEdit = new TFDATAEDIT(context, window);
    m_senderEdit = new TfsenderEdit(context, window);
    m_customerEdit = new TfcustomerEdit(context, window);
}
