#pragma once
// A length in millimetres, held exactly as ten-thousandths of a millimetre.
// Layout positions and sizes are written with at most four decimals; keeping
// them as integers means reading and writing a layout never moves a field.

#include <QString>
#include <QtGlobal>
#include <optional>

class Millimetre
{
public:
    static constexpr qint64 UnitsPerMm = 10000;

    constexpr Millimetre() = default;
    static constexpr Millimetre fromUnits(qint64 units) { return Millimetre(units); }
    static constexpr Millimetre fromWhole(qint64 mm) { return Millimetre(mm * UnitsPerMm); }

    // Parses "12.3", "-5.25", "0", ".5"; blanks around the number are allowed.
    // More than four decimals are rounded half to even. Anything else, or a value
    // beyond +-10^12 mm, is not a number.
    static std::optional<Millimetre> parse(const QString &text);

    // Shortest fixed-point form with at most four decimals: 12.3, 0, -5.25.
    QString toString() const;

    constexpr qint64 units() const { return m_units; }
    double toDouble() const { return double(m_units) / UnitsPerMm; }

    constexpr bool isZero() const { return m_units == 0; }
    friend constexpr Millimetre operator+(Millimetre a, Millimetre b) { return Millimetre(a.m_units + b.m_units); }
    friend constexpr Millimetre operator-(Millimetre a, Millimetre b) { return Millimetre(a.m_units - b.m_units); }
    friend constexpr Millimetre operator-(Millimetre a) { return Millimetre(-a.m_units); }
    friend constexpr bool operator==(Millimetre a, Millimetre b) { return a.m_units == b.m_units; }
    friend constexpr bool operator!=(Millimetre a, Millimetre b) { return a.m_units != b.m_units; }
    friend constexpr bool operator<(Millimetre a, Millimetre b) { return a.m_units < b.m_units; }

private:
    constexpr explicit Millimetre(qint64 units) : m_units(units) {}
    qint64 m_units = 0;
};
