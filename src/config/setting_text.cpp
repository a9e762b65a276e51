#include "config/setting_text.h"

#include "shell/numbers.h"

#include <cmath>

namespace {
const QString kListSeparator = QStringLiteral("<1234>");
}

void applyStyleText(const QString& text, FontStyle& style)
{
    const QStringList parts = text.split(QStringLiteral("<>"));
    if (parts.size() > 1 && !parts.at(1).isEmpty())
        style.name = parts.at(1);
    if (parts.size() > 2) {
        if (const auto size = Num::parse(parts.at(2)); size && *size > 0)
            style.size = static_cast<int>(std::lround(*size));
    }
    if (parts.size() > 3 && !parts.at(3).isEmpty())
        style.bold = isOn(parts.at(3));
}

QString styleText(const FontStyle& style)
{
    return QStringLiteral("<>") + style.name + QStringLiteral("<>") + QString::number(style.size)
        + QStringLiteral("<>") + flagText(style.bold);
}

int colorNumber(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

Rgb rgbOf(int n)
{
    return Rgb{n & 0xff, (n >> 8) & 0xff, (n >> 16) & 0xff};
}

std::optional<int> parseColorNumber(const QString& text)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v < 0 || v > 0xffffff)
        return std::nullopt;
    return static_cast<int>(v);
}

ListColors parseListColors(const QString& text)
{
    const QStringList parts = text.split(kListSeparator);
    ListColors colors;
    colors.background = parseColorNumber(parts.value(0));
    if (parts.size() > 1)
        colors.selection = parseColorNumber(parts.at(1));
    return colors;
}

QString listColorsText(int background, int selection)
{
    return QString::number(background) + kListSeparator + QString::number(selection);
}

QList<std::optional<int>> parseColumnWidths(const QString& text)
{
    QList<std::optional<int>> widths;
    const QStringList parts = text.split(u'-');
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const auto v = Num::parse(parts.at(i));
        widths.append(v && *v >= 0 ? std::optional<int>(static_cast<int>(std::lround(*v))) : std::nullopt);
    }
    return widths;
}

QString columnWidthsText(const QList<int>& widths)
{
    QString out;
    for (int w : widths)
        out += u'-' + QString::number(w);
    return out;
}

QStringList parseCodeList(const QString& text)
{
    QStringList codes = text.split(kListSeparator);
    if (!codes.isEmpty() && codes.last().isEmpty())
        codes.removeLast();
    return codes;
}

QString codeListText(const QStringList& codes)
{
    QString out;
    for (const QString& c : codes)
        out += c + kListSeparator;
    return out;
}
