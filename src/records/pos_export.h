#pragma once

#include "sales/sale_model.h"

#include <QByteArray>
#include <QString>

// The POS receipt file: the last receipt-mode sale as semicolon-separated
// lines for another program at the till, in posfis/<register>, copied to
// the export folder.
namespace PosExport {

// The file's bytes: "SATIS;" lines with the product name in CP857 inside an
// otherwise Windows-1254 file, CR LF, and the payment line for "kredi" or
// "nakit". Empty with `ok` false when a cell does not convert.
QByteArray build(const QList<SaleLine>& lines, const QString& odemetipi, const QString& kredino,
                 const QString& cardAmount, bool* ok);

QString localPath(const QString& posfisDir, const QString& registerName);

// Writes the file whole (or leaves the old one) and copies it to the export
// folder. Returns false when the file could not be written; a failed copy
// is silent.
bool write(const QString& posfisDir, const QString& registerName, const QByteArray& bytes, const QString& exportDir);

// fisdosyasikopyala: the local file to the export folder, replacing a copy there.
bool copyToExport(const QString& posfisDir, const QString& registerName, const QString& exportDir);

} // namespace PosExport
