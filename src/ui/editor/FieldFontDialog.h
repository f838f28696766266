#pragma once
// The font dialog of the layout editor: Qt's font dialog over the installed
// fonts, then the colour dialog for the text colour.

#include "core/editor/FieldFontChoice.h"

#include <optional>

class QFontDialog;
class QWidget;

class FieldFontDialog
{
public:
    // Asks for a font and a colour starting from initial. Nothing when the font
    // dialog is cancelled; a cancelled colour dialog keeps the initial colour.
    // A layout names Windows fonts that are drawn with an installed stand-in:
    // when the user keeps that stand-in, the Windows name is kept too.
    static std::optional<FieldFontChoice> choose(const FieldFontChoice &initial, QWidget *parent);

    // Qt's font dialog with a Japanese sample and Japanese style names.
    static void speakJapanese(QFontDialog &dialog);

    // The name to store for the family the dialog returned.
    static QString storedName(const QString &initialName, const QString &chosenFamily);
};
