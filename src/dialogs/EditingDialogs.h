#pragma once
// The main window's editing dialogs, created once and living as long as the
// window: the postal-code guide first (the others use it), then the
// single-print data editor, the sender editor and the consignee editor.

#include "dialogs/EditorContext.h"

#include <QObject>

class QWidget;
class TFDATAEDIT;
class TfcustomerEdit;
class TfsenderEdit;
class Tfzipguide;

class EditingDialogs : public QObject
{
    Q_OBJECT
public:
    // Creates the dialogs as children of window; context.zipGuide is filled in here.
    EditingDialogs(EditorContext context, QWidget *window);

    Tfzipguide *zipGuide() const { return m_zipGuide; }
    TFDATAEDIT *dataEdit() const { return m_dataEdit; }
    TfsenderEdit *senderEdit() const { return m_senderEdit; }
    TfcustomerEdit *customerEdit() const { return m_customerEdit; }

private:
    Tfzipguide *m_zipGuide = nullptr;
    TFDATAEDIT *m_dataEdit = nullptr;
    TfsenderEdit *m_senderEdit = nullptr;
    TfcustomerEdit *m_customerEdit = nullptr;
};
