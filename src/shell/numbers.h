#pragma once

#include <QString>

#include <optional>

// Every amount, price and quantity lives as Turkish number text (decimal
// comma, point grouping). This is the one place that turns numbers into text
// and text into numbers.
namespace Num {

// "###,###0.00##": grouped, two to four decimals, rounded half away from zero
// at the fourth decimal. 1234.5 -> "1.234,50", 12.34567 -> "12,3457".
QString amount(double value);

// "#0.00##": as amount() but without grouping. 12.5 -> "12,50", 1234 -> "1234,00".
QString ungrouped(double value);

// A number as the workstation writes a double: up to 15 significant digits,
// decimal comma, no grouping. 2.5 -> "2,5", 3 -> "3".
QString plain(double value);

// A whole number with leading zeros to at least `digits` digits: "0000"
// gives pad(42, 4) == "0042", "000000000" gives pad(124, 9) == "000000124".
QString pad(qint64 value, int digits);

// A fixed number of decimals with `point` as decimal separator and leading
// zeros to `intDigits` integer digits ("00.000" -> fixed(2, 2, 3, '.') == "02.000").
QString fixed(double value, int intDigits, int decimals, QChar point = u',');

// Reads Turkish number text: optional sign, digits with "." grouping, an
// optional "," decimal part, spaces around. Anything else is not a number.
std::optional<double> parse(const QString& text);

// parse(), or `fallback` where the text is not a number.
double parseOr(const QString& text, double fallback);

// Reads a whole number (no grouping, no decimals); nullopt when the text is
// not one or does not fit in 32 bits.
std::optional<int> parseInt(const QString& text);

} // namespace Num
