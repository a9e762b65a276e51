#include "shell/numbers.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// The value as a decimal digit string with 15 significant digits, the way the
// workstation sees a double before it formats it; rounding then works on
// these digits, so 1.00005 rounds up as the cashier expects.
struct Decimal {
    bool negative = false;
    QString digits;  // without leading zeros, may be empty for zero
    int pointPos = 0; // number of digits before the decimal point
};

Decimal toDecimal(double value)
{
    Decimal d;
    if (value == 0 || !std::isfinite(value))
        return d;
    d.negative = value < 0;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    // buf = "d.dddddddddddddde[+-]xx"
    QString s = QString::fromLatin1(buf);
    const qsizetype e = s.indexOf(u'e');
    const int exponent = s.mid(e + 1).toInt();
    QString mantissa = s.left(e);
    mantissa.remove(u'.');
    d.digits = mantissa;
    d.pointPos = exponent + 1;
    return d;
}

// Rounds half away from zero to `decimals` places; returns integer and
// fraction digit strings (fraction exactly `decimals` long).
void roundDecimal(const Decimal& d, int decimals, QString& intPart, QString& fracPart)
{
    QString digits = d.digits;
    int point = d.pointPos;
    // Make the digit string cover [point - ..., point + decimals].
    if (point < 0) {
        digits.prepend(QString(-point, u'0'));
        point = 0;
    }
    const int keep = point + decimals;
    if (digits.size() < keep + 1)
        digits += QString(keep + 1 - digits.size(), u'0');
    bool roundUp = digits.at(keep) >= u'5';
    QString kept = digits.left(keep);
    if (roundUp) {
        int i = kept.size() - 1;
        while (i >= 0) {
            if (kept.at(i) == u'9') {
                kept[i] = u'0';
                --i;
            } else {
                kept[i] = QChar(kept.at(i).unicode() + 1);
                break;
            }
        }
        if (i < 0) {
            kept.prepend(u'1');
            ++point;
        }
    }
    intPart = kept.left(point);
    fracPart = kept.mid(point);
    while (intPart.size() > 1 && intPart.startsWith(u'0'))
        intPart.remove(0, 1);
    if (intPart.isEmpty())
        intPart = QStringLiteral("0");
}

bool allZero(const QString& s)
{
    for (QChar c : s)
        if (c != u'0')
            return false;
    return true;
}

QString group(const QString& intPart)
{
    QString out;
    const qsizetype n = intPart.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += u'.';
        out += intPart.at(i);
    }
    return out;
}

QString twoToFourDecimals(double value, bool grouped)
{
    QString intPart, frac;
    const Decimal d = toDecimal(value);
    roundDecimal(d, 4, intPart, frac);
    while (frac.size() > 2 && frac.endsWith(u'0'))
        frac.chop(1);
    const bool negative = d.negative && !(allZero(intPart) && allZero(frac));
    return (negative ? QStringLiteral("-") : QString()) + (grouped ? group(intPart) : intPart) + u',' + frac;
}

} // namespace

namespace Num {

QString amount(double value)
{
    return twoToFourDecimals(value, true);
}

QString ungrouped(double value)
{
    return twoToFourDecimals(value, false);
}

QString plain(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    const Decimal d = toDecimal(value);
    if (d.digits.isEmpty())
        return QStringLiteral("0");
    QString digits = d.digits;
    while (digits.endsWith(u'0'))
        digits.chop(1);
    const int point = d.pointPos;
    QString sign = d.negative ? QStringLiteral("-") : QString();
    if (point > 15 || point < -4) {
        // Very large or very small: mantissa and exponent, as "1,5E+16".
        QString m = digits.left(1);
        if (digits.size() > 1)
            m += u',' + digits.mid(1);
        const int exp = point - 1;
        return sign + m + u'E' + (exp < 0 ? u'-' : u'+') + QString::number(std::abs(exp)).rightJustified(2, u'0');
    }
    QString intPart, frac;
    if (point <= 0) {
        intPart = QStringLiteral("0");
        frac = QString(-point, u'0') + digits;
    } else if (digits.size() <= point) {
        intPart = digits + QString(point - digits.size(), u'0');
    } else {
        intPart = digits.left(point);
        frac = digits.mid(point);
    }
    return sign + intPart + (frac.isEmpty() ? QString() : u',' + frac);
}

QString pad(qint64 value, int digits)
{
    QString s = QString::number(value < 0 ? -value : value).rightJustified(digits, u'0');
    return value < 0 ? u'-' + s : s;
}

QString fixed(double value, int intDigits, int decimals, QChar point)
{
    QString intPart, frac;
    const Decimal d = toDecimal(value);
    roundDecimal(d, decimals, intPart, frac);
    const bool negative = d.negative && !(allZero(intPart) && allZero(frac));
    QString s = intPart.rightJustified(intDigits, u'0');
    if (decimals > 0)
        s += point + frac;
    return negative ? u'-' + s : s;
}

std::optional<double> parse(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t.at(i) == u'-' || t.at(i) == u'+')) {
        negative = t.at(i) == u'-';
        ++i;
    }
    QString digits;
    bool anyDigit = false;
    bool inFraction = false;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c.isDigit() && c.unicode() < 128) {
            digits += c;
            anyDigit = true;
        } else if (c == u'.' && !inFraction && anyDigit) {
            continue; // thousands grouping
        } else if (c == u',' && !inFraction) {
            digits += u'.';
            inFraction = true;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    bool ok = false;
    const double v = digits.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return negative ? -v : v;
}

double parseOr(const QString& text, double fallback)
{
    return parse(text).value_or(fallback);
}

std::optional<int> parseInt(const QString& text)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(v);
}

} // namespace Num
