#include "ui/common/ShowNotice.h"

#include "core/text/NoticeText.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QScreen>

namespace {

// A message box as wide as its longest line, up to two thirds of the screen,
// broken only where a Japanese reader expects it. QMessageBox on its own wraps
// at about 500 pixels and between any two Japanese characters.
class NoticeBox : public QMessageBox
{
public:
    NoticeBox(const QString &message, QWidget *parent) : QMessageBox(parent), m_message(message)
    {
        setTextFormat(Qt::PlainText);
        setText(message);
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        fitToText();
    }

    // QMessageBox sizes itself again on style, font and screen changes, which
    // on a real desktop arrive after the show: it then turns its own wrapping
    // back on and narrows the box. Fit again whenever that happened.
    void resizeEvent(QResizeEvent *event) override
    {
        QMessageBox::resizeEvent(event);
        const auto *label = findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        if (!m_fitting && label && label->wordWrap())
            fitToText();
    }

private:
    void fitToText()
    {
        auto *label = findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        if (!label || !layout())
            return;
        const QScopedValueRollback<bool> fitting(m_fitting, true);
        const QScreen *shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
        const int screenWidth = shownOn ? shownOn->availableGeometry().width() : 1024;
        const QMargins margins = layout()->contentsMargins();
        const qreal maxWidth = qMax(200, screenWidth * 2 / 3 - margins.left() - margins.right());
        const QFontMetricsF metrics(label->font());
        const QStringList lines = WrapNoticeText(m_message, maxWidth, [&metrics](const QString &text) {
            return metrics.horizontalAdvance(text);
        });
        label->setWordWrap(false);
        label->setText(lines.join(u'\n'));
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        layout()->invalidate();
        layout()->activate();
        setFixedSize(layout()->totalSizeHint().expandedTo(minimumSizeHint()));
    }

    QString m_message;
    bool m_fitting = false;
};

} // namespace

namespace {

// The notice and the question boxes are the same box: the heading as the
// window title and the message sized to its lines.
QMessageBox::StandardButton runBox(const QString &heading, const QString &text, QWidget *parent,
                                   QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    if (!parent)
        parent = QApplication::activeWindow();
    const QString message = text.left(NoticeTextLimit);
    NoticeBox box(message, parent);
    box.setObjectName(QStringLiteral("noticeBox"));
    // Tests and callers read the message as given, before it is broken into lines.
    box.setProperty(NoticeMessageProperty, message);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(heading.left(NoticeTextLimit));
    box.setStandardButtons(buttons);
    box.setDefaultButton(defaultButton);
    box.setWindowModality(Qt::ApplicationModal);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

void ShowNotice(const QString &heading, const QString &text, QWidget *parent)
{
    runBox(heading, text, parent, QMessageBox::Ok, QMessageBox::Ok);
}

bool AskOkCancel(const QString &question, QWidget *parent, bool cancelByDefault)
{
    return runBox(QStringLiteral("確認"), question, parent, QMessageBox::Ok | QMessageBox::Cancel,
                  cancelByDefault ? QMessageBox::Cancel : QMessageBox::Ok) == QMessageBox::Ok;
}

bool AskYesNo(const QString &question, QWidget *parent, bool noByDefault)
{
    return runBox(QStringLiteral("確認"), question, parent, QMessageBox::Yes | QMessageBox::No,
                  noByDefault ? QMessageBox::No : QMessageBox::Yes)
           == QMessageBox::Yes;
}
