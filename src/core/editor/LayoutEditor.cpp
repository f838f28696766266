#include "core/editor/LayoutEditor.h"

#include "core/text/TextFields.h"
#include "core/editor/FieldLine.h"
#include "core/layout/StyleData.h"

LayoutEditor::LayoutEditor(StyleData &style, EdgeMeasure measure) : m_style(style), m_measure(std::move(measure)) {}

void LayoutEditor::clearSelection()
{
    m_selectedId = 0;
    m_nl = 0;
    // The panel's values were the old field's; left in place they would be
    // shown as if a field were selected.
    m_settings = FieldSettings();
    m_keptEdges = FieldEdges();
    m_keptText.clear();
}

int LayoutEditor::findLine(int rd) const
{
    const QString id = QString::number(rd);
    for (int k = 1; k < m_style.lineCount(); ++k) {
        const QString line = m_style.line(k);
        if (line.isEmpty())
            break;
        if (NthField(line, 2) == id)
            return k;
    }
    return 0;
}

bool LayoutEditor::selectionValid() const
{
    return m_nl > 0 && m_nl < m_style.lineCount() && NthField(m_style.line(m_nl), 2) == QString::number(m_selectedId);
}

bool LayoutEditor::dataselect(int rd)
{
    m_selectedId = rd;
    const int k = findLine(rd);
    if (k > 0) {
        m_nl = k;
        m_settings = FieldLine::read(m_style.line(k), &m_keptEdges);
        m_keptText = m_settings.text;
        m_keptEdges = m_measure.measure(m_settings, m_keptText);
        return false;
    }
    // A layout that failed to load has no header either: an item line must
    // never become line 0.
    if (m_style.lineCount() == 0) {
        clearSelection();
        return false;
    }
    ApplyFieldDefaults(m_settings);
    // The previous field's text belongs to that field; the new one starts
    // empty until the data assembly fills it.
    m_settings.text.clear();
    m_keptText.clear();
    m_keptEdges = m_measure.measure(m_settings, m_keptText);
    m_style.appendLine(FieldLine::build(rd, m_settings, m_keptEdges));
    m_nl = m_style.lineCount() - 1;
    return true;
}

bool LayoutEditor::chchange()
{
    if (m_nl == 0)
        return false;
    if (!selectionValid()) {
        clearSelection();
        return false;
    }
    ApplyFieldDefaults(m_settings);
    // The panel shows what the line holds: positions to one decimal.
    m_settings.x = CutToTenth(m_settings.x);
    m_settings.y = CutToTenth(m_settings.y);
    // The text may have changed since the field was selected (another
    // consignee); the edges follow the text the line holds now.
    m_settings.text = NthField(m_style.line(m_nl), 20);
    m_keptText = m_settings.text;
    m_keptEdges = m_measure.measure(m_settings, m_keptText);
    m_style.setLine(m_nl, FieldLine::build(m_selectedId, m_settings, m_keptEdges));
    return true;
}

bool LayoutEditor::nudge(Nudge direction, Millimetre step)
{
    if (m_nl == 0)
        return false;
    Millimetre &value = (direction == Nudge::Left || direction == Nudge::Right) ? m_settings.x : m_settings.y;
    if (direction == Nudge::Left || direction == Nudge::Up)
        value = value - step;
    else
        value = value + step;
    if (!value.isZero())
        value = CutToTenth(value);
    return chchange();
}

Millimetre LayoutEditor::stepFor(Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::ShiftModifier))
        return Millimetre::fromUnits(Millimetre::UnitsPerMm / 10);
    if (modifiers.testFlag(Qt::ControlModifier))
        return Millimetre::fromWhole(10);
    return Millimetre::fromWhole(1);
}
