#include "core/drawing/FontCache.h"

#include "core/drawing/FontSubstitutions.h"
#include "core/drawing/TextMetrics.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace {

QFont plainFont(const QString &name, GdiFontStyle style, int pixelSize)
{
    QFont f(InstalledFamily(name));
    f.setBold(style.bold);
    f.setItalic(style.italic);
    f.setStyleStrategy(QFont::PreferDefault);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setPixelSize(std::clamp(pixelSize, 1, MaxFontPixels));
    return f;
}

} // namespace

size_t qHash(const FontCache::Key &key, size_t seed)
{
    return qHashMulti(seed, key.name, key.bold, key.italic, key.byCell, key.pixels);
}

FontCache &FontCache::instance()
{
    static FontCache cache;
    return cache;
}

CachedFont FontCache::atPixelSize(const QString &name, GdiFontStyle style, int pixelSize)
{
    return lookUp(Key{name, style.bold, style.italic, false, std::clamp(pixelSize, 1, MaxFontPixels)});
}

CachedFont FontCache::atCellHeight(const QString &name, GdiFontStyle style, int cellHeight)
{
    return lookUp(Key{name, style.bold, style.italic, true, std::clamp(cellHeight, 1, MaxFontPixels)});
}

bool FontCache::holds(const QString &name, GdiFontStyle style, int pixelSize) const
{
    return m_entries.contains(Key{name, style.bold, style.italic, false, std::clamp(pixelSize, 1, MaxFontPixels)});
}

void FontCache::clear()
{
    m_entries.clear();
}

CachedFont FontCache::lookUp(const Key &key)
{
    ++m_clock;
    auto it = m_entries.find(key);
    if (it != m_entries.end()) {
        it->lastUse = m_clock;
        return it->font;
    }
    if (m_entries.size() >= MaxEntries) {
        auto oldest = std::min_element(m_entries.begin(), m_entries.end(),
                                       [](const Entry &a, const Entry &b) { return a.lastUse < b.lastUse; });
        m_entries.erase(oldest);
    }
    Entry entry{build(key), m_clock};
    m_entries.insert(key, entry);
    return entry.font;
}

CachedFont FontCache::build(const Key &key)
{
    GdiFontStyle style;
    style.bold = key.bold;
    style.italic = key.italic;
    QFont f = plainFont(key.name, style, key.pixels);
    if (key.byCell) {
        // A cell height includes the internal leading: size the em so that
        // ascent plus descent comes to the cell.
        const QFontMetricsF trial(f);
        const qreal cell = trial.ascent() + trial.descent();
        int em = key.pixels;
        if (cell > 0)
            em = int(std::lround(qreal(key.pixels) * key.pixels / cell));
        f = plainFont(key.name, style, em);
    }
    const QFontMetricsF metrics(f);
    return CachedFont{f, metrics.ascent(), metrics.descent()};
}
