#include "records/receipt.h"

#include "shell/clock.h"
#include "shell/numbers.h"

namespace {

PrinterService*& service()
{
    static PrinterService* s = nullptr;
    return s;
}

// The layout with its widths as numbers; a width that is not a number is 0.
struct Layout {
    const ReceiptLayoutSettings& s;
    bool fontNames;
    double sol, b1, b2, w3, w4, w5, w6;
    explicit Layout(const ReceiptLayoutSettings& settings)
        : s(settings)
        , fontNames(settings.fnt == QLatin1String("1"))
        , sol(Num::parseOr(settings.sol, 0))
        , b1(Num::parseOr(settings.b1, 0))
        , b2(Num::parseOr(settings.b2, 0))
        , w3(Num::parseOr(settings.b3, 0))
        , w4(Num::parseOr(settings.b4, 0))
        , w5(Num::parseOr(settings.b5, 0))
        , w6(Num::parseOr(settings.b6, 0))
    {
    }
};

void applyStyle(ReceiptCanvas& canvas, const Layout& layout, const QString& styleText)
{
    FontStyle style{QString(), 10, false};
    applyStyleText(styleText, style);
    canvas.setFont(layout.fontNames ? style.name : QString(), style.size, style.bold);
}

QStringList wrap(ReceiptCanvas& canvas, const QString& text, double width)
{
    return wrapText(text, width, [&canvas](const QString& t) { return canvas.textWidthMm(t); });
}

// baslikyaz, firmatexyaz: a wrapped block at the left margin.
void textBlock(ReceiptCanvas& canvas, const Layout& layout, const QString& style, const QString& text, double width)
{
    applyStyle(canvas, layout, style);
    for (const QString& line : wrap(canvas, text, width))
        canvas.printLine(layout.sol, line);
}

// A number text in the amount format; anything else as it is.
QString numberFormat(const QString& text)
{
    const std::optional<double> v = Num::parse(text);
    return v ? Num::amount(*v) : text;
}

// urunbilgiyaz1: name, "X" quantity, " %" rate and "*" amount on one line.
void productRow(ReceiptCanvas& canvas, const Layout& l, const SaleLine& line)
{
    applyStyle(canvas, l, l.s.urunBilgi);
    const double y = canvas.lineY();
    const QStringList name = wrap(canvas, numberFormat(line[ColCinsi]), l.w3);
    canvas.printLine(l.sol, name.value(0));
    canvas.setLineY(y);
    canvas.printLine(l.sol + l.w3 + 2, QStringLiteral("X") + wrap(canvas, line[ColMiktar], l.w4).value(0));
    canvas.setLineY(y);
    canvas.printLine(l.sol + l.w3 + l.w4 + 2, QStringLiteral(" %") + wrap(canvas, line[ColKdv], l.w5).value(0));
    canvas.setLineY(y);
    canvas.printLine(l.sol + l.w3 + l.w4 + l.w6 + 2,
                     QStringLiteral("*") + wrap(canvas, numberFormat(line[ColToplamTutar]), l.w6).value(0));
    if (name.size() > 1)
        canvas.printLine(l.sol, name.at(1));
}

// toplamyaz1: label at the quantity column, "*" value at the amount column.
void totalsBlock(ReceiptCanvas& canvas, const Layout& l, const ReceiptData& d)
{
    canvas.printLine(l.sol, QString());
    const std::pair<const char*, QString> rows[] = {
        {"ARATOP", d.sttop}, {"TOPKDV", d.kdvtop}, {"TOPLAM", d.gentop}, {nullptr, QString()},
        {"NAKİT", d.para}, {"P.ÜSTÜ", d.prust}, {nullptr, QString()},
    };
    for (const auto& [label, value] : rows) {
        if (!label) {
            canvas.printLine(l.sol, QString());
            continue;
        }
        const double y = canvas.lineY();
        canvas.printLine(l.sol + l.w3, QString::fromUtf8(label));
        canvas.setLineY(y);
        canvas.printLine(l.sol + l.w3 + l.w4 + l.w6 + 2, QStringLiteral("*") + numberFormat(value));
    }
}

} // namespace

PrinterService* printerService()
{
    return service();
}

void setPrinterService(PrinterService* s)
{
    service() = s;
}

QStringList wrapText(const QString& text, double widthMm, const std::function<double(const QString&)>& measure)
{
    QStringList lines;
    // Hard line breaks first, then words within the width; a word wider
    // than the width is broken where it no longer fits.
    const QStringList paragraphs = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    for (const QString& paragraph : paragraphs) {
        QString current;
        qsizetype i = 0;
        while (i < paragraph.size()) {
            qsizetype end = i;
            while (end < paragraph.size() && paragraph.at(end) != u' ')
                ++end;
            while (end < paragraph.size() && paragraph.at(end) == u' ')
                ++end; // trailing spaces stay with their word
            const QString word = paragraph.mid(i, end - i);
            if (!current.isEmpty() && measure(QString(current + word).trimmed()) > widthMm) {
                lines.append(current.trimmed());
                current.clear();
            }
            if (current.isEmpty() && measure(word.trimmed()) > widthMm) {
                // A word wider than the line is broken where it no longer fits.
                for (QChar c : word) {
                    if (!current.isEmpty() && measure(current + c) > widthMm) {
                        lines.append(current);
                        current.clear();
                    }
                    current += c;
                }
            } else {
                current += word;
            }
            i = end;
        }
        lines.append(current.trimmed());
    }
    return lines;
}

QString tumtextForm(const QStringList& lines)
{
    const QString mark = QStringLiteral("<\\?\\>");
    QString out;
    for (const QString& line : lines)
        out += mark + line.left(512);
    return out + mark + mark + QStringLiteral("<*say*>") + QString::number(lines.size()) + QStringLiteral("<*say*>");
}

void printReceipt(ReceiptCanvas& canvas, const ReceiptLayoutSettings& settings, const ReceiptData& d)
{
    const Layout l(settings);
    textBlock(canvas, l, settings.baslikBilgi, settings.baslikText, l.b1);
    textBlock(canvas, l, settings.fisBilgi, settings.ust, l.b2);
    canvas.printLine(l.sol, QStringLiteral("TARİH: ") + Clock::shortDate(d.when.date()) + QStringLiteral("  SAAT: ")
                                + QString::number(d.when.time().hour()) + u':' + QString::number(d.when.time().minute()));
    canvas.printLine(l.sol, QStringLiteral("FIS NO: ") + d.fisno);
    canvas.printLine(l.sol, QString());
    for (const SaleLine& line : d.lines)
        productRow(canvas, l, line);
    totalsBlock(canvas, l, d);
    if (!d.cashierCode.isEmpty())
        textBlock(canvas, l, settings.fisBilgi, QStringLiteral("Kasiyer: ") + d.cashierCode + QStringLiteral("  ") + d.cashierName,
                  l.b2);
    textBlock(canvas, l, settings.fisBilgi, settings.alt, l.b2);
    canvas.endDocument();
}
