#pragma once

#include "sales/sale_model.h"

#include <QDateTime>
#include <QList>
#include <QString>

// The per-day record of finished sales that the accounting side imports:
// "HR" + DDMMYY + "." + register name in the folder haraket, Windows-1254,
// CR LF, one block per sale appended.
namespace MovementFile {

QString fileName(const QDate& date, const QString& registerName);

// What a block is built from, as the sales window shows it.
struct Sale {
    QString fisno;
    QDateTime when;
    SaleCustomer customer; // tag = customer kind
    QString ftno;
    QList<SaleLine> lines;
    QString gentop, nkit, krd;
};

// The block's content from a sale on the window.
Sale fromSaleTab(const SaleTab& tab, const QString& fisno, const QString& ftno, const QDateTime& when);

// Appends the sale's block (or its return block) to the day's file of the
// register in haraketDir. An empty text means success.
QString record(const QString& haraketDir, const QString& registerName, const Sale& sale, bool asReturn);

// A text cut to `width` characters or filled up with spaces on the right
// (the fixed-width fields of the movement and POS files).
QString field(const QString& text, int width);

// "01-FIS-" header with the nine customer fields, "02-SAT-" lines of 227
// characters, totals and "06-SON", each line ended by CR LF, in Windows-1254.
QByteArray saleBlock(const Sale& sale);
// The record of a confirmed return: the same block under an "01-SIA-"
// header that carries 24 empty markers instead of customer fields.
QByteArray returnBlock(const Sale& sale);

// Appends the block whole or not at all: on any failure the file is cut
// back to its former length (or removed when it was new). An empty text
// means success; otherwise what went wrong.
QString append(const QString& path, const QByteArray& block);

} // namespace MovementFile
