#pragma once

#include "config/setting_text.h"
#include "config/settings_store.h"
#include "sales/sale_model.h"

#include <QDateTime>
#include <QStringList>

#include <functional>
#include <memory>

// Where a receipt is drawn: a page measured in millimetres with a current
// line, the way a roll printer is driven. The real one prints through the
// system's printing service; tests render to PDF.
class ReceiptCanvas {
public:
    virtual ~ReceiptCanvas() = default;
    // An empty name keeps the font name in force.
    virtual void setFont(const QString& name, int pointSize, bool bold) = 0;
    virtual double textWidthMm(const QString& text) const = 0;
    virtual double lineY() const = 0;
    virtual void setLineY(double mm) = 0;
    // Prints at x on the current line, then moves to the next line.
    virtual void printLine(double xMm, const QString& text) = 0;
    // Sends the document to the printer.
    virtual void endDocument() = 0;
};

// The installed printers by device name, and a canvas on one of them.
class PrinterService {
public:
    virtual ~PrinterService() = default;
    virtual QStringList printerNames() const = 0;
    virtual std::unique_ptr<ReceiptCanvas> open(const QString& printerName, const QString& documentName) = 0;
};
// The service the program prints through; the program installs the real one.
PrinterService* printerService();
void setPrinterService(PrinterService* service);

// Word wrapping at a width in millimetres: the lines a text box of that
// width would show. An empty text is one empty line.
QStringList wrapText(const QString& text, double widthMm, const std::function<double(const QString&)>& measure);

// The marked-up form of wrapped lines: each line preceded by "<\?\>", then
// "<\?\>", "<\?\>" and the count framed by "<*say*>".
QString tumtextForm(const QStringList& lines);

// What a receipt shows besides the layout.
struct ReceiptData {
    QString fisno;
    QDateTime when;
    QList<SaleLine> lines;
    QString sttop, kdvtop, gentop, para, prust;
    QString cashierCode, cashierName;
};

// fisiyaz1: the whole receipt from the layout store's texts, drawn on the canvas.
void printReceipt(ReceiptCanvas& canvas, const ReceiptLayoutSettings& layout, const ReceiptData& data);
