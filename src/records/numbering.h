#pragma once

#include "config/settings_store.h"
#include "shell/inifile.h"

#include <QDate>
#include <QString>

#include <array>

// Receipt and invoice numbers: the receipt number counts the day's sales
// and starts again at 0001 on a new day; the invoice number runs through
// one of three series chosen by the customer kind and never restarts.
namespace Numbering {

// fisnoguncelle: the number shown plus one (an empty or non-numeric field
// counts as 0), stored with today's date; returns the new number to show.
QString advanceReceipt(const SettingsStore& store, const QString& shown, const QDate& today);

enum class Series { Plain = 0, EInvoice = 1, EArchive = 2 };
// "1" e-invoice, "2" e-archive, anything else the plain series.
Series seriesOf(const QString& customerKind);

class InvoiceCounters {
public:
    // faturanoayarla(false): the series' last number + 1, kept in memory;
    // the text to show in ftno, or an error text (the number is then kept
    // as it was and nothing is shown).
    struct Shown {
        QString number;
        QString error;
    };
    Shown show(const SettingsStore& store, const QString& customerKind);
    // faturanoayarla(true): writes the series' counter as last computed
    // (0 when never shown).
    bool store(const SettingsStore& store, const QString& customerKind) const;

    int counter(Series s) const { return m_counters[static_cast<size_t>(s)]; }

private:
    std::array<int, 3> m_counters{};
};

} // namespace Numbering
