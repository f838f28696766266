#pragma once
// Fonts of the drawing pass, built once and kept between items and pages. A
// font the pass has let go of is soon dropped by the font engine's own cache,
// and loading it again (a font-config match and a new engine) cost more than
// drawing its text; the measurements every text needs are kept beside it.
// Bounded: the least recently used font goes when the cache is full.

#include "core/drawing/GdiStyles.h"

#include <QFont>
#include <QHash>
#include <QString>

struct CachedFont {
    QFont font;
    qreal ascent = 0;
    qreal descent = 0;
};

class FontCache
{
public:
    static constexpr int MaxEntries = 512;

    // The one cache of the program (the drawing runs on one thread).
    static FontCache &instance();

    // The face name in style with an em height of pixelSize device pixels.
    CachedFont atPixelSize(const QString &name, GdiFontStyle style, int pixelSize);
    // The face name in style sized so that ascent plus descent comes to
    // cellHeight device pixels, as a font built from a cell height is.
    CachedFont atCellHeight(const QString &name, GdiFontStyle style, int cellHeight);

    // Number of fonts held.
    int size() const { return int(m_entries.size()); }
    // Whether the font of atPixelSize(name, style, pixelSize) is held.
    bool holds(const QString &name, GdiFontStyle style, int pixelSize) const;
    // Forgets every font.
    void clear();

private:
    struct Key {
        QString name;
        bool bold = false;
        bool italic = false;
        bool byCell = false;
        int pixels = 0;
        bool operator==(const Key &other) const
        {
            return pixels == other.pixels && bold == other.bold && italic == other.italic &&
                   byCell == other.byCell && name == other.name;
        }
    };
    friend size_t qHash(const Key &key, size_t seed);
    struct Entry {
        CachedFont font;
        quint64 lastUse = 0;
    };

    CachedFont lookUp(const Key &key);
    static CachedFont build(const Key &key);

    QHash<Key, Entry> m_entries;
    quint64 m_clock = 0;
};
