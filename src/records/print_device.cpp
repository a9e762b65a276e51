#include "records/print_device.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

class PrinterCanvas : public ReceiptCanvas {
public:
    // An empty pdfPath prints on the named printer.
    PrinterCanvas(const QString& printerName, const QString& pdfPath, const QString& documentName)
        : m_printer(QPrinter::HighResolution)
    {
        if (pdfPath.isEmpty()) {
            m_printer.setPrinterName(printerName);
        } else {
            m_printer.setOutputFormat(QPrinter::PdfFormat);
            m_printer.setOutputFileName(pdfPath);
        }
        m_printer.setDocName(documentName);
        m_printer.setFullPage(true);
        m_printer.setPageLayout(QPageLayout(QPageSize(QSizeF(kReceiptWidthMm, kReceiptPageMm), QPageSize::Millimeter),
                                            QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        m_open = m_painter.begin(&m_printer);
        m_font = QFont(QStringLiteral("DejaVu Sans"), 9);
        if (m_open)
            m_painter.setFont(m_font);
    }

    ~PrinterCanvas() override { endDocument(); }

    void setFont(const QString& name, int pointSize, bool bold) override
    {
        if (!name.isEmpty())
            m_font.setFamily(name);
        if (pointSize > 0)
            m_font.setPointSize(pointSize);
        m_font.setBold(bold);
        if (m_open)
            m_painter.setFont(m_font);
    }

    double textWidthMm(const QString& text) const override
    {
        return toMm(QFontMetricsF(m_font, &m_printer).horizontalAdvance(text));
    }

    double lineY() const override { return m_y; }
    void setLineY(double mm) override { m_y = mm; }

    void printLine(double xMm, const QString& text) override
    {
        const QFontMetricsF metrics(m_font, &m_printer);
        const double height = toMm(metrics.lineSpacing());
        if (m_y + height > kReceiptPageMm && m_open) {
            m_printer.newPage();
            m_y = 0;
        }
        if (m_open && !text.isEmpty())
            m_painter.drawText(QPointF(toDevice(xMm), toDevice(m_y) + metrics.ascent()), text);
        m_y += height;
    }

    void endDocument() override
    {
        if (m_open)
            m_painter.end();
        m_open = false;
    }

private:
    double toDevice(double mm) const { return mm * m_printer.resolution() / 25.4; }
    double toMm(double device) const { return device * 25.4 / m_printer.resolution(); }

    QPrinter m_printer;
    QPainter m_painter;
    QFont m_font;
    double m_y = 0;
    bool m_open = false;
};

} // namespace

QStringList SystemPrinters::printerNames() const
{
    return QPrinterInfo::availablePrinterNames();
}

std::unique_ptr<ReceiptCanvas> SystemPrinters::open(const QString& printerName, const QString& documentName)
{
    return std::make_unique<PrinterCanvas>(printerName, QString(), documentName);
}

std::unique_ptr<ReceiptCanvas> PdfPrinters::open(const QString&, const QString& documentName)
{
    ++m_documents;
    return std::make_unique<PrinterCanvas>(QString(), m_path, documentName);
}
