#include "ui/editor/FieldFontDialog.h"

#include "core/text/QtTextsInJapanese.h"

#include <QColorDialog>
#include <QFont>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QStyledItemDelegate>

namespace {

QColor colourFromBgr(qint64 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

qint64 bgrFromColour(const QColor &c)
{
    return qint64(c.red()) | (qint64(c.green()) << 8) | (qint64(c.blue()) << 16);
}

// Shows a font's style names in Japanese while the list keeps the names the
// dialog looks fonts up by.
class JapaneseStyleNames : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant &value, const QLocale &locale) const override
    {
        return FontStyleNameInJapanese(QStyledItemDelegate::displayText(value, locale));
    }
};

} // namespace

void FieldFontDialog::speakJapanese(QFontDialog &dialog)
{
    // Qt's dialog names its boxes nowhere: the sample is the line edit in the
    // sample group, the style box the second read-only box that hands its
    // focus to a list (family, then style).
    for (QGroupBox *group : dialog.findChildren<QGroupBox *>())
        for (QLineEdit *sample : group->findChildren<QLineEdit *>())
            sample->setText(JapaneseFontSample());
    int lists = 0;
    for (QLineEdit *box : dialog.findChildren<QLineEdit *>()) {
        auto *list = qobject_cast<QListView *>(box->focusProxy());
        if (!list || ++lists != 2)
            continue;
        list->setItemDelegate(new JapaneseStyleNames(list));
        // The dialog looks fonts up by the name it keeps, not by this box's
        // text, so the box may show the Japanese name.
        auto translate = [box] {
            const QString japanese = FontStyleNameInJapanese(box->text());
            if (japanese != box->text())
                box->setText(japanese);
        };
        QObject::connect(box, &QLineEdit::textChanged, box, translate);
        translate();
    }
}

QString FieldFontDialog::storedName(const QString &initialName, const QString &chosenFamily)
{
    if (!initialName.isEmpty() && chosenFamily.compare(QFontInfo(QFont(initialName)).family(), Qt::CaseInsensitive) == 0)
        return initialName;
    return chosenFamily;
}

std::optional<FieldFontChoice> FieldFontDialog::choose(const FieldFontChoice &initial, QWidget *parent)
{
    // The dialog lists installed families: start it on the font that really
    // draws the layout's name.
    QFont font(QFontInfo(QFont(initial.fontName)).family());
    if (initial.pointSize > 0)
        font.setPointSize(initial.pointSize);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    QFontDialog dialog(font, parent);
    dialog.setWindowTitle(QStringLiteral("フォント"));
    speakJapanese(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = dialog.selectedFont();

    FieldFontChoice result;
    result.fontName = storedName(initial.fontName, chosen.family());
    result.pointSize = chosen.pointSize() > 0 ? chosen.pointSize() : initial.pointSize;
    result.bold = chosen.bold();
    result.italic = chosen.italic();
    result.underline = chosen.underline();
    result.strikeOut = chosen.strikeOut();
    result.colour = initial.colour;
    const QColor colour = QColorDialog::getColor(colourFromBgr(initial.colour), parent, QStringLiteral("フォント色"));
    if (colour.isValid())
        result.colour = bgrFromColour(colour);
    return result;
}
