#include "records/numbering.h"

#include "shell/clock.h"
#include "shell/numbers.h"

#include <limits>

namespace Numbering {

namespace {

struct SeriesKeys {
    const char* prefix;
    const char* number;
};
const SeriesKeys kKeys[] = {{"fattur", "fatno"}, {"efattur", "efatno"}, {"eartur", "earno"}};
const QString kSablon = QStringLiteral("sablon");

} // namespace

QString advanceReceipt(const SettingsStore& store, const QString& shown, const QDate& today)
{
    // Each step runs even when an earlier one failed.
    const qint64 next = qint64(Num::parseInt(shown).value_or(0)) + 1;
    store.setParam(QStringLiteral("fisnolaritarih"), Clock::shortDate(today));
    store.setParam(QStringLiteral("fisnolari"), QString::number(next));
    return Num::pad(next, 4);
}

Series seriesOf(const QString& kind)
{
    if (kind == QLatin1String("1"))
        return Series::EInvoice;
    if (kind == QLatin1String("2"))
        return Series::EArchive;
    return Series::Plain;
}

InvoiceCounters::Shown InvoiceCounters::show(const SettingsStore& store, const QString& kind)
{
    const Series s = seriesOf(kind);
    const SeriesKeys& keys = kKeys[static_cast<size_t>(s)];
    const QString path = store.folder().paramTkm();
    const QString last = Ini::readKey(kSablon, QString::fromLatin1(keys.number), path);
    bool ok = false;
    const qlonglong value = last.trimmed().toLongLong(&ok);
    if (!ok)
        return {QString(), QStringLiteral("Tür uyuşmazlığı")};
    if (value + 1 > std::numeric_limits<int>::max() || value + 1 < std::numeric_limits<int>::min())
        return {QString(), QStringLiteral("Taşma")};
    m_counters[static_cast<size_t>(s)] = static_cast<int>(value + 1);
    const QString prefix = Ini::readKey(kSablon, QString::fromLatin1(keys.prefix), path);
    return {prefix + Num::pad(value + 1, 9), QString()};
}

bool InvoiceCounters::store(const SettingsStore& store, const QString& kind) const
{
    const Series s = seriesOf(kind);
    return Ini::writeKey(kSablon, QString::fromLatin1(kKeys[static_cast<size_t>(s)].number),
                         QString::number(m_counters[static_cast<size_t>(s)]), store.folder().paramTkm());
}

} // namespace Numbering
