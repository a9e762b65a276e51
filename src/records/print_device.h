#pragma once

#include "records/receipt.h"

#include <QStringList>

// Receipts printed through Qt's printing: the installed printers (CUPS on
// Linux), or PDF files for tests and for trying layouts.
class SystemPrinters : public PrinterService {
public:
    QStringList printerNames() const override;
    std::unique_ptr<ReceiptCanvas> open(const QString& printerName, const QString& documentName) override;
};

// Printers of the given names that write each document to `pdfPath`.
class PdfPrinters : public PrinterService {
public:
    PdfPrinters(QStringList names, QString pdfPath) : m_names(std::move(names)), m_path(std::move(pdfPath)) {}
    QStringList printerNames() const override { return m_names; }
    std::unique_ptr<ReceiptCanvas> open(const QString& printerName, const QString& documentName) override;
    int documents() const { return m_documents; }

private:
    QStringList m_names;
    QString m_path;
    int m_documents = 0;
};

// Roll paper: 80 mm wide; a long receipt goes on over further pages.
inline constexpr double kReceiptWidthMm = 80;
inline constexpr double kReceiptPageMm = 297;
