#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Text conventions of the settings stores.

// A font as a style text "<>name<>size<>bold" carries it.
struct FontStyle {
    QString name;
    int size = 0;
    bool bold = false;
};

// Applies the elements the text has (1 name, 2 size, 3 bold flag); a text
// without "<>" elements leaves the style as it was.
void applyStyleText(const QString& text, FontStyle& style);
QString styleText(const FontStyle& style);

// Colour numbers: red + 256 * green + 65536 * blue.
struct Rgb {
    int red = 0, green = 0, blue = 0;
};
int colorNumber(int red, int green, int blue);
Rgb rgbOf(int colorNumber);
std::optional<int> parseColorNumber(const QString& text);

// `listrenk`: background colour "<1234>" selected-row colour. Either part
// may be missing (or not a number), and is then left unset.
struct ListColors {
    std::optional<int> background;
    std::optional<int> selection;
};
ListColors parseListColors(const QString& text);
QString listColorsText(int background, int selection);

// `olcu`: "-" before every column width. Element i (from 1) is the width
// of column i - 1; a missing or non-numeric element is unset.
QList<std::optional<int>> parseColumnWidths(const QString& text);
QString columnWidthsText(const QList<int>& widths);

// Host lookup codes: every code followed by "<1234>".
QStringList parseCodeList(const QString& text);
QString codeListText(const QStringList& codes);

// Flags are "1" for on; anything else is off.
inline bool isOn(const QString& flag) { return flag == QLatin1String("1"); }
inline QString flagText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }
