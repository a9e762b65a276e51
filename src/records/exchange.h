#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The shared folder (TKMGENEL) where the register and the accounting side
// meet: movement files and the customer store go out, fresh product and
// customer stores come in when the accounting side asks.
namespace Exchange {

// Copies to a temporary name beside the destination and renames it over
// the old file, so nobody ever reads half a file.
bool copyReplacing(const QString& source, const QString& destination);

inline constexpr int kDaysSent = 21;

// The register's movement files of today and the 20 days before, copied to
// the shared folder; nothing when HRGND holds a value for the register.
// Returns the names copied.
QStringList sendMovementFiles(const QString& haraketDir, const QString& sharedDir, const QString& registerName,
                              const QDate& today);

// When KASALAR asks for it: the shared URUN.dbs and cari.dbs replace the
// local ones and KASALAR goes back to "0". True when the stores were taken.
bool updateRequested(const QString& sharedDir, const QString& registerName);
bool takeNewStores(const QString& programDir, const QString& sharedDir, const QString& registerName);

// caridosyasikopyala: the local cari.dbs out, and carigonder = "1".
bool sendCustomers(const QString& programDir, const QString& sharedDir);

} // namespace Exchange
