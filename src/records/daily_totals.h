#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The day's running totals of cash, card and returns: DDMMYY + ".ttr" in
// the folder haraket, section tutar, keys nkt, kredi, iade; values are
// plain number texts with a decimal comma.
namespace DailyTotals {

QString fileName(const QDate& date);
QString path(const QString& haraketDir, const QDate& date);

enum class Kind { Nakit, Kredi, Iade };
QString key(Kind kind);        // "nkt", "kredi", "iade"
QString choiceText(Kind kind); // "nakit", "kredi", "iade"

// A key that is missing, empty or not a number counts 0.
double read(const QString& path, Kind kind);
// The key's text as stored (empty when missing).
QString readText(const QString& path, Kind kind);

// Stores `total` for the kind; what stood there before comes back so that
// the caller can put it back when the sale could not be recorded after all.
struct Previous {
    bool fileExisted = false;
    QString text;
};
std::optional<Previous> write(const QString& path, Kind kind, double total);
void restore(const QString& path, Kind kind, const Previous& previous);

} // namespace DailyTotals

// Values the save commands share with the record-type dialog.
struct RecordShared {
    QString iademodu;   // "0" sale, "1" return
    double fistutari = 0;
    qint16 kayitonay = 0; // -1 confirmed with a button, 0 closed with Esc
    QString odemetipi;  // "nakit", "kredi", "iade"
};
RecordShared& recordShared();
