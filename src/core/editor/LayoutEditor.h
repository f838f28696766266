#pragma once
// The print position adjustment without its window: which field is selected,
// the values of the settings panel, and the write-back of those values into the
// field's line of the layout. Every change goes into the line at once; the
// layout reaches its file when the window saves it.

#include "core/editor/EdgeMeasure.h"
#include "core/editor/FieldSettings.h"
#include "core/layout/Millimetre.h"

#include <Qt>

class StyleData;

class LayoutEditor
{
public:
    enum class Nudge { Left, Right, Up, Down };

    explicit LayoutEditor(StyleData &style, EdgeMeasure measure = EdgeMeasure());

    // The measuring used for the edges (the screen's resolution).
    void setMeasure(const EdgeMeasure &measure) { m_measure = measure; }

    // ---- Selection ---------------------------------------------------------
    // The item id of the selected field (0 = none yet).
    int selectedId() const { return m_selectedId; }
    // The index of the selected field's line in the layout (0 = none).
    int selectedLine() const { return m_nl; }
    bool hasSelection() const { return m_nl != 0; }
    // Forgets the selection and empties the settings, as before the first
    // selection. Called whenever another layout is loaded, so that no apply
    // can write the old field into a line of the new layout.
    void clearSelection();

    // ---- The settings panel ------------------------------------------------
    FieldSettings &settings() { return m_settings; }
    const FieldSettings &settings() const { return m_settings; }
    // The edges and text last measured for the selected field.
    const FieldEdges &keptEdges() const { return m_keptEdges; }
    const QString &keptText() const { return m_keptText; }

    // ---- Operations ----------------------------------------------------------
    // Selects item rd: loads its line into the settings, or, when the layout
    // has no line for it, appends one built from the settings as they stand
    // (with the default size and font filled in) and an empty text, which the
    // next data assembly fills. Without a layout nothing is selected.
    // Returns whether a line was appended.
    bool dataselect(int rd);

    // Writes the settings back into the selected line, keeping the line's
    // text. Returns false, and writes nothing, without a selection.
    bool chchange();

    // Moves the selected field by step (Y grows downwards), cuts the new
    // position to one decimal unless it is 0, and writes the line back.
    // Returns false without a selection.
    bool nudge(Nudge direction, Millimetre step);

    // The nudge step for the keys held: 0.1 mm with Shift, else 10 mm with
    // Ctrl, else 1 mm.
    static Millimetre stepFor(Qt::KeyboardModifiers modifiers);

private:
    // Index of the first item line with id rd before the first empty line; 0
    // when there is none.
    int findLine(int rd) const;
    // Whether line nl is still the selected field's line.
    bool selectionValid() const;

    StyleData &m_style;
    EdgeMeasure m_measure;
    FieldSettings m_settings;
    FieldEdges m_keptEdges;
    QString m_keptText;
    int m_selectedId = 0;
    int m_nl = 0;
};
