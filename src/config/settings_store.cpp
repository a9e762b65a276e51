#include "config/settings_store.h"

#include "config/localdb.h"
#include "shell/inifile.h"

#include <QList>

namespace {

template <typename S>
struct Column {
    const char* table;
    const char* column;
    QString S::*member;
};

using W = WorkstationSettings;
const Column<W> kWorkstationColumns[] = {
    {"login", "sifre", &W::loginSifre},
    {"instan", "insname", &W::insname}, {"instan", "inskullan", &W::inskullan},
    {"server", "server", &W::server}, {"server", "sql", &W::sql}, {"server", "msql", &W::msql},
    {"server", "kuladi", &W::kuladi}, {"server", "sifre", &W::serverSifre},
    {"ses", "bulses", &W::bulses}, {"ses", "bulmases", &W::bulmases},
    {"yazici", "yazici1", &W::yazici1}, {"yazici", "yazici2", &W::yazici2}, {"yazici", "yazdirma", &W::yazdirma},
    {"per", "per", &W::per},
    {"fatno", "fatno", &W::fatno},
    {"kdv", "kdv", &W::kdv},
    {"liste", "font", &W::font}, {"liste", "size", &W::size}, {"liste", "bold", &W::bold},
    {"liste", "title", &W::title}, {"liste", "listrenk", &W::listrenk}, {"liste", "yzrenk", &W::yzrenk},
    {"liste", "tmekran", &W::tmekran}, {"liste", "winac", &W::winac}, {"liste", "enust", &W::enust},
    {"stok", "depoadi", &W::depoadi}, {"stok", "fytadi", &W::fytadi}, {"stok", "cari", &W::cari},
    {"stok", "stkfistipadi", &W::stkfistipadi}, {"stok", "crfistipadi", &W::crfistipadi},
    {"stok", "ftfistipadi", &W::ftfistipadi}, {"stok", "depo", &W::depo}, {"stok", "fiyatip", &W::fiyatip},
    {"stok", "carikod", &W::carikod},
    {"olcu", "olcu", &W::olcu},
};

using R = ReceiptLayoutSettings;
const Column<R> kReceiptColumns[] = {
    {"baslik", "bilgi", &R::baslikBilgi}, {"baslik", "text", &R::baslikText},
    {"fis", "bilgi", &R::fisBilgi}, {"fis", "ust", &R::ust}, {"fis", "alt", &R::alt},
    {"urun", "bilgi", &R::urunBilgi}, {"urun", "text", &R::urunText},
    {"zno", "zno", &R::zno},
    {"fnt", "fnt", &R::fnt},
    {"karakter", "b1", &R::b1}, {"karakter", "b2", &R::b2}, {"karakter", "b3", &R::b3},
    {"karakter", "b4", &R::b4}, {"karakter", "b5", &R::b5}, {"karakter", "b6", &R::b6},
    {"karakter", "b7", &R::b7},
    {"sol", "sol", &R::sol},
};

template <typename S, size_t N>
QStringList tablesOf(const Column<S> (&columns)[N], const QStringList& wanted)
{
    QStringList tables;
    for (const Column<S>& c : columns) {
        const QString t = QString::fromLatin1(c.table);
        if (!tables.contains(t) && (wanted.isEmpty() || wanted.contains(t)))
            tables.append(t);
    }
    return tables;
}

template <typename S, size_t N>
void readRows(const QString& path, const Column<S> (&columns)[N], S& into, const QStringList& wanted)
{
    LocalDb db;
    try {
        db.open(path);
    } catch (const DbError&) {
        return;
    }
    for (const QString& table : tablesOf(columns, wanted)) {
        try {
            // Table names come from the list above, never from outside.
            const DbRows rows = db.run(QStringLiteral("select * from ") + table + QStringLiteral(" where id='1'"));
            for (const Column<S>& c : columns) {
                if (table != QLatin1String(c.table))
                    continue;
                try {
                    into.*c.member = rows.text(QString::fromLatin1(c.column));
                } catch (const DbError&) {
                    // a missing column or row leaves the field as it was
                }
            }
        } catch (const DbError&) {
            // a missing table leaves its fields as they were
        }
    }
}

template <typename S, size_t N>
bool writeRows(const QString& path, const Column<S> (&columns)[N], const S& from, const QStringList& wanted)
{
    bool allWritten = true;
    try {
        LocalDb db(path);
        for (const QString& table : tablesOf(columns, wanted)) {
            QString sql = QStringLiteral("Update ") + table + QStringLiteral(" set ");
            QVariantList values;
            for (const Column<S>& c : columns) {
                if (table != QLatin1String(c.table))
                    continue;
                if (!values.isEmpty())
                    sql += QStringLiteral(", ");
                sql += QString::fromLatin1(c.column) + QStringLiteral(" = ?");
                values.append(from.*c.member);
            }
            sql += QStringLiteral(" Where id ='1'");
            try {
                db.run(sql, values);
            } catch (const DbError&) {
                allWritten = false;
            }
        }
    } catch (const DbError&) {
        return false;
    }
    return allWritten;
}

struct ParamKey {
    const char* section;
    const char* key;
    QString ParamSettings::*member;
    bool settingsWindowWrites = true;
};

using P = ParamSettings;
// In the order the settings window writes them.
const ParamKey kParamKeys[] = {
    {"param", "satir", &P::satir}, {"param", "kopya", &P::kopya}, {"param", "kasa", &P::kasa},
    {"param", "tkmgen", &P::tkmgen}, {"param", "tkmposfis", &P::tkmposfis},
    {"param", "fisnolari", &P::fisnolari}, {"param", "kredino", &P::kredino},
    {"param", "iadesatir", &P::iadesatir}, {"param", "iadekopya", &P::iadekopya},
    {"param", "kasadefterip", &P::kasadefterip}, {"param", "kasadefteretacarikod", &P::kasadefteretacarikod},
    {"param", "listegrid", &P::listegrid}, {"param", "fytno", &P::fytno},
    {"cari", "cari", &P::cari},
    {"sablon", "fattur", &P::fattur}, {"sablon", "fatno", &P::fatno},
    {"sablon", "efattur", &P::efattur}, {"sablon", "efatno", &P::efatno},
    {"sablon", "eartur", &P::eartur}, {"sablon", "earno", &P::earno},
    {"param", "fisnolaritarih", &P::fisnolaritarih, false}, // the receipt numbering's own
};

const QString kParam = QStringLiteral("param");

} // namespace

HostDefaults& hostDefaults()
{
    static HostDefaults values;
    return values;
}

void SettingsStore::read(WorkstationSettings& into, const QStringList& tables) const
{
    readRows(m_folder.dataDbs(), kWorkstationColumns, into, tables);
}

bool SettingsStore::write(const WorkstationSettings& from, const QStringList& tables) const
{
    return writeRows(m_folder.dataDbs(), kWorkstationColumns, from, tables);
}

void SettingsStore::read(ReceiptLayoutSettings& into, const QStringList& tables) const
{
    readRows(m_folder.fisDbs(), kReceiptColumns, into, tables);
}

bool SettingsStore::write(const ReceiptLayoutSettings& from, const QStringList& tables) const
{
    return writeRows(m_folder.fisDbs(), kReceiptColumns, from, tables);
}

void SettingsStore::read(ParamSettings& into) const
{
    // Read the file once per key, as the profile services do; the files are small.
    for (const ParamKey& k : kParamKeys) {
        const QString v = Ini::readKey(QString::fromLatin1(k.section), QString::fromLatin1(k.key), m_folder.paramTkm());
        if (!v.isEmpty())
            into.*k.member = v;
    }
}

bool SettingsStore::write(const ParamSettings& from) const
{
    bool ok = true;
    for (const ParamKey& k : kParamKeys) {
        if (!k.settingsWindowWrites)
            continue;
        ok = Ini::writeKey(QString::fromLatin1(k.section), QString::fromLatin1(k.key), from.*k.member,
                           m_folder.paramTkm()) && ok;
    }
    return ok;
}

QString SettingsStore::param(const QString& key) const
{
    return Ini::readKey(kParam, key, m_folder.paramTkm());
}

QString SettingsStore::edocCustomerCode() const
{
    return Ini::readKey(QStringLiteral("cari"), QStringLiteral("cari"), m_folder.paramTkm());
}

bool SettingsStore::setParam(const QString& key, const QString& value) const
{
    return Ini::writeKey(kParam, key, value, m_folder.paramTkm());
}

bool SettingsStore::iadeOn() const
{
    return Ini::readKey(QStringLiteral("iade"), QStringLiteral("on"), m_folder.iadeParamTkm()) == QLatin1String("1");
}

bool SettingsStore::setIadeOn(bool on) const
{
    return Ini::writeKey(QStringLiteral("iade"), QStringLiteral("on"), on ? QStringLiteral("1") : QStringLiteral("0"),
                         m_folder.iadeParamTkm());
}

QString SettingsStore::adminPassword() const
{
    return Ini::readKey(QStringLiteral("sifre"), QStringLiteral("sifre"), m_folder.sifreTkm());
}

bool SettingsStore::setAdminPassword(const QString& password) const
{
    return Ini::writeKey(QStringLiteral("sifre"), QStringLiteral("sifre"), password, m_folder.sifreTkm());
}

namespace SharedFolder {

QString tkmkonPath(const QString& sharedDir) { return sharedDir + QStringLiteral("/TKMKON.tkm"); }
QString carikonPath(const QString& sharedDir) { return sharedDir + QStringLiteral("/CARIKON.tkm"); }

bool updateWaiting(const QString& sharedDir, const QString& registerName)
{
    return Ini::readKey(QStringLiteral("KASALAR"), registerName, tkmkonPath(sharedDir)) == QLatin1String("1");
}

bool clearUpdateWaiting(const QString& sharedDir, const QString& registerName)
{
    return Ini::writeKey(QStringLiteral("KASALAR"), registerName, QStringLiteral("0"), tkmkonPath(sharedDir));
}

bool salesHeldBack(const QString& sharedDir, const QString& registerName)
{
    return !Ini::readKey(QStringLiteral("HRGND"), registerName, tkmkonPath(sharedDir)).isEmpty();
}

bool markCustomersSent(const QString& sharedDir)
{
    return Ini::writeKey(QStringLiteral("cari"), QStringLiteral("carigonder"), QStringLiteral("1"), carikonPath(sharedDir));
}

} // namespace SharedFolder
