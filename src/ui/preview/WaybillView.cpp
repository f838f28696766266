#include "ui/preview/WaybillView.h"

#include "core/data/DatabaseHealth.h"

#include "core/drawing/GdiCanvas.h"
#include "core/drawing/LayoutDrawer.h"
#include "core/settings/EditionProfile.h"
#include "ui/addressbook/ConsigneeListPage.h"
#include "ui/addressbook/PrintSettingsPage.h"
#include "ui/addressbook/SenderList.h"
#include "ui/common/ShowNotice.h"
#include "ui/editor/LayoutEditorPage.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainPages.h"
#include "ui/main/ProgramState.h"
#include "ui/main/TopBar.h"
#include "ui/preview/PreviewPage.h"
#include "ui/printing/PrinterBinding.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>

WaybillView::WaybillView(ProgramState &state, MainPages &pages, QObject *parent)
    : QObject(parent), m_state(state), m_pages(pages)
{
}

void WaybillView::connectPages()
{
    MainActions *a = m_pages.actions;
    m_pages.preview->setRenderer([this](QPainter &painter, const PreviewGeometry &g) {
        const PrinterMeasurements &m = m_pages.preview->measurements();
        DrawContext context = DrawContext::forPreview(m.screenDpiX, m.screenDpiY, g.zoomPercent);
        context.ofxbox = m_pages.topBar->offsetX();
        context.ofybox = m_pages.topBar->offsetY();
        context.previewOpt1 = m_pages.topBar->previewLocate();
        context.workDir = m_state.folders.workDir;
        GdiCanvas canvas(painter, g.previewDpiX, g.previewDpiY, 1.0);
        return DrawLayout(canvas, m_state.style, context);
    });
    for (QAction *kind : a->paperKind)
        connect(kind, &QAction::triggered, this, [this, kind] { selectPaperKind(kind->data().toInt()); });
    connect(m_pages.settings, &PrintSettingsPage::paperKindSelected, this, &WaybillView::selectPaperKind);
    connect(a->preview, &QAction::triggered, this, [this] {
        m_pages.right->setCurrentIndex(MainPages::PreviewSheet);
        switchPage();
    });
    for (QAction *zoom : a->zoom)
        connect(zoom, &QAction::triggered, this, [this, zoom] { setZoom(zoom->data().toInt()); });
    connect(m_pages.preview, &PreviewPage::zoomRequested, this, &WaybillView::setZoom);
    connect(m_pages.preview, &PreviewPage::drawFailed, this, [this](const QString &message) {
        // The same failure is shown once per change, not on every repaint.
        if (message == m_lastDrawError)
            return;
        m_lastDrawError = message;
        ShowNotice("確認", message, m_pages.window);
    });
    connect(m_pages.topBar, &TopBar::headerValuesChanged, this, &WaybillView::headerValuesChanged);
    connect(m_pages.topBar, &TopBar::previewLocateToggled, this, &WaybillView::redraw);
    connect(m_pages.topBar, &TopBar::printDateChanged, this, &WaybillView::printDateChanged);
    connect(m_pages.settings, &PrintSettingsPage::zipOptionChanged, this,
            [this](int index) { m_state.zipConvOption = index; });
    connect(m_pages.settings, &PrintSettingsPage::optionsChanged, this, &WaybillView::applyFixedItems);
    for (QLineEdit *box : m_pages.settings->fixitem)
        connect(box, &QLineEdit::editingFinished, this, [this] {
            if (m_state.started)
                applyFixedItems();
        });
    connect(m_pages.senders, &SenderList::senderClicked, this, [this](int senderId) {
        if (m_state.started)
            showSender(senderId);
    });
    connect(m_pages.left, &QTabWidget::currentChanged, this, &WaybillView::switchPage);
    connect(m_pages.editor, &LayoutEditorPage::layoutChanged, this, &WaybillView::redraw);
    // A line added for a field the layout lacked gets its data at once.
    connect(m_pages.editor, &LayoutEditorPage::fieldAdded, this, [this] { currentData(QString()); });
    connect(m_pages.list, &ConsigneeListPage::consigneeSelected, this, [this](const QString &id) {
        if (m_state.started && m_pages.listPageActive())
            currentData(id);
    });
}

void WaybillView::openDefaultStyle()
{
    m_state.style.NewStyle();
    // The editor's selection named a line of the old layout.
    m_pages.editor->layoutLoaded();
    if (m_state.defaultStyleFile.isEmpty())
        return;
    const LayoutStatus status = m_state.style.OpenStyle(m_state.folders.workDir + "/style/" + m_state.defaultStyleFile);
    if (!status)
        ShowNotice("確認", status.message, m_pages.window);
    m_pages.topBar->setOffsets(m_state.style.window.ofxbox, m_state.style.window.ofybox);
    m_pages.styleFileLabel->setText(m_state.style.CurrentStyleFile);
    m_lastDrawError.clear();
}

void WaybillView::measurePrinter()
{
    const QScreen *screen = m_pages.window->screen() ? m_pages.window->screen() : QGuiApplication::primaryScreen();
    const int dpiX = screen ? int(screen->logicalDotsPerInchX()) : 96;
    const int dpiY = screen ? int(screen->logicalDotsPerInchY()) : 96;
    m_pages.preview->setMeasurements(MeasurePrinter(m_state.printer(), dpiX, dpiY));
}

void WaybillView::redraw()
{
    m_lastDrawError.clear();
    m_pages.preview->redraw();
}

void WaybillView::setZoom(int percent)
{
    m_state.style.window.zoomPercent = percent;
    for (QAction *zoom : m_pages.actions->zoom)
        zoom->setChecked(zoom->data().toInt() == percent);
    m_pages.preview->setZoom(percent);
}

void WaybillView::headerValuesChanged()
{
    StyleWindowState &window = m_state.style.window;
    window.ofxbox = m_pages.topBar->offsetX();
    window.ofybox = m_pages.topBar->offsetY();
    window.copies = m_pages.topBar->copies();
    window.splitterPosition = m_pages.splitter->sizes().value(0);
    m_state.style.WriteStyleHeader();
    redraw();
}

void WaybillView::printDateChanged()
{
    TransferPrintDate(m_state.style, m_pages.topBar->printDate(), m_pages.topBar->printDateOff());
    redraw();
}

AssemblyOptions WaybillView::assemblyOptions() const
{
    AssemblyOptions o;
    o.listPageActive = m_pages.listPageActive();
    o.selectedSenderId = m_pages.senders->selectedSenderId();
    o.itemFix = m_pages.settings->fixedItemsBox->isChecked();
    for (int i = 0; i < 4; ++i)
        o.fixItem[i] = m_pages.settings->fixitem[i]->text();
    o.fixKingaku = m_pages.settings->fixkingaku->text();
    o.yenMark = m_pages.settings->yenMarkBox->isChecked();
    o.printDate = m_pages.topBar->printDate();
    o.printDateOff = m_pages.topBar->printDateOff();
    return o;
}

void WaybillView::currentData(const QString &rd)
{
    if (!m_state.assembly)
        return;
    const PrintRecord shownRecord = m_state.record;
    const StyleData shownStyle = m_state.style;
    m_state.assembly->clearReadError();
    m_state.assembly->currentData(rd, assemblyOptions(), m_state.record, m_state.style);
    // A consignee chosen whose rows cannot be read: the waybill on the
    // preview stays as it was, for one half read (a blank consignee, no items)
    // would print as if it were whole.
    const DatabaseError &error = m_state.assembly->readError();
    if (!rd.isEmpty() && error.isError()) {
        m_state.record = shownRecord;
        m_state.style = shownStyle;
        const QString &failed = m_state.assembly->readErrorLocation();
        const bool members = failed == m_state.membersDbPath() && failed != m_state.addressDbPath();
        ShowNotice("確認", DatabaseFileNotice(members ? MembersDatabaseLabel() : AddressDatabaseLabel(), failed, error),
                   m_pages.window);
    }
    m_pages.right->setCurrentIndex(MainPages::PreviewSheet);
    redraw();
}

void WaybillView::assembleSelected()
{
    currentData(m_pages.list->selectedId());
}

void WaybillView::applyFixedItems()
{
    if (!m_state.assembly)
        return;
    m_state.assembly->applyFixedItems(assemblyOptions(), m_state.record, m_state.style);
    redraw();
}

void WaybillView::showSender(int senderId)
{
    if (!m_state.assembly)
        return;
    m_state.assembly->senderData(senderId - 1, m_state.record, m_state.style);
    redraw();
}

void WaybillView::selectPaperKind(int kind)
{
    m_state.styleReady = false;
    m_pages.preview->setReady(false);
    m_state.style.SaveStyleFile();
    for (const PaperKindInfo &info : PaperKinds())
        if (info.kind == kind) {
            m_state.defaultStyleFile = info.styleFile;
            m_pages.settings->showPaperKind(kind);
        }
    openDefaultStyle();
    currentData(QString());
    m_state.styleReady = true;
    m_pages.preview->setReady(true);
}

void WaybillView::switchPage()
{
    if (!m_state.started)
        return;
    m_state.styleReady = false;
    const QString images = m_state.imagesDir();
    const EditionProfile &profile = m_state.profile;
    if (m_pages.listPageActive()) {
        m_pages.list->activate();
        m_pages.preview->setHeaderPicture(profile.barPicture.isEmpty() ? QString() : images + profile.barPicture);
        assembleSelected();
    } else {
        m_pages.preview->setHeaderPicture(images + "bar1.bmp");
        currentData(QString());
    }
    m_state.styleReady = true;
    m_pages.preview->setReady(true);
}

void WaybillView::showListPage()
{
    if (!m_pages.listPageActive())
        m_pages.left->setCurrentIndex(MainPages::ListPage);
}

void WaybillView::activateListPage()
{
    if (!m_pages.listPageActive())
        m_pages.left->setCurrentIndex(MainPages::ListPage); // the page switch runs on the change
    else
        switchPage();
}
