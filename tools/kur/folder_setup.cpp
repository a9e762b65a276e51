#include "folder_setup.h"

#include "demo_data.h"

#include "config/programfolder.h"
#include "config/setting_text.h"
#include "sales/sale_model.h"
#include "shell/clock.h"
#include "shell/inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <sqlite3.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace {

// A new database file; fails when it cannot be created.
class NewDb {
public:
    explicit NewDb(const QString& path)
    {
        QFile::remove(path);
        sqlite3* raw = nullptr;
        const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        m_db.reset(raw);
        if (rc != SQLITE_OK)
            m_error = QStringLiteral("Veritabanı oluşturulamadı: ") + path;
        else
            exec("PRAGMA journal_mode=DELETE; BEGIN");
    }

    void exec(const char* sql)
    {
        if (!m_error.isEmpty())
            return;
        char* msg = nullptr;
        if (sqlite3_exec(m_db.get(), sql, nullptr, nullptr, &msg) != SQLITE_OK) {
            m_error = QString::fromUtf8(msg ? msg : "SQL hatası") + QStringLiteral(": ") + QString::fromUtf8(sql);
            sqlite3_free(msg);
        }
    }

    // One row with the values bound in order (text or number).
    void insert(const char* sql, const QVariantList& values)
    {
        if (!m_error.isEmpty())
            return;
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(m_db.get(), sql, -1, &st, nullptr) != SQLITE_OK) {
            m_error = QString::fromUtf8(sqlite3_errmsg(m_db.get()));
            return;
        }
        for (int i = 0; i < values.size(); ++i) {
            const QVariant& v = values.at(i);
            if (v.typeId() == QMetaType::Double) {
                sqlite3_bind_double(st, i + 1, v.toDouble());
            } else if (v.typeId() == QMetaType::Int) {
                sqlite3_bind_int(st, i + 1, v.toInt());
            } else {
                const QByteArray b = v.toString().toUtf8();
                sqlite3_bind_text(st, i + 1, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
            }
        }
        if (sqlite3_step(st) != SQLITE_DONE)
            m_error = QString::fromUtf8(sqlite3_errmsg(m_db.get()));
        sqlite3_finalize(st);
    }

    QString finish()
    {
        exec("COMMIT");
        return m_error;
    }

private:
    struct Closer {
        void operator()(sqlite3* d) const { sqlite3_close_v2(d); }
    };
    std::unique_ptr<sqlite3, Closer> m_db;
    QString m_error;
};

// A settings table: id plus text columns, and its row '1'.
void settingsTable(NewDb& db, const QString& table, const QList<QPair<QString, QString>>& columns)
{
    QString create = QStringLiteral("CREATE TABLE ") + table + QStringLiteral(" (id TEXT PRIMARY KEY");
    QString insert = QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (id");
    QString marks;
    QVariantList values;
    for (const auto& c : columns) {
        create += QStringLiteral(", ") + c.first + QStringLiteral(" TEXT");
        insert += QStringLiteral(", ") + c.first;
        marks += QStringLiteral(", ?");
        values.append(c.second);
    }
    create += u')';
    insert += QStringLiteral(") VALUES ('1'") + marks + u')';
    db.exec(create.toUtf8().constData());
    db.insert(insert.toUtf8().constData(), values);
}

// The sale list's widths as designed, in twips.
QList<int> designedWidths()
{
    QList<int> widths;
    for (const SaleColumnLayout& column : saleColumns(SaleList::L1))
        widths.append(column.twips);
    return widths;
}

QString makeDataDbs(const QString& path)
{
    NewDb db(path);
    settingsTable(db, QStringLiteral("login"), {{QStringLiteral("sifre"), QString()}});
    settingsTable(db, QStringLiteral("instan"), {{QStringLiteral("insname"), QString()}, {QStringLiteral("inskullan"), QStringLiteral("0")}});
    settingsTable(db, QStringLiteral("server"), {{QStringLiteral("server"), QStringLiteral("localhost")},
                                                 {QStringLiteral("sql"), QStringLiteral("ETA_DEMO_2026")},
                                                 {QStringLiteral("msql"), QStringLiteral("master")},
                                                 {QStringLiteral("kuladi"), QStringLiteral("sa")},
                                                 {QStringLiteral("sifre"), QString()}});
    settingsTable(db, QStringLiteral("ses"), {{QStringLiteral("bulses"), QStringLiteral("1")}, {QStringLiteral("bulmases"), QStringLiteral("1")}});
    settingsTable(db, QStringLiteral("yazici"), {{QStringLiteral("yazici1"), QString()}, {QStringLiteral("yazici2"), QString()},
                                                 {QStringLiteral("yazdirma"), QStringLiteral("0")}});
    settingsTable(db, QStringLiteral("per"), {{QStringLiteral("per"), QStringLiteral("0")}});
    settingsTable(db, QStringLiteral("fatno"), {{QStringLiteral("fatno"), QStringLiteral("1")}});
    settingsTable(db, QStringLiteral("kdv"), {{QStringLiteral("kdv"), QStringLiteral("20")}});
    settingsTable(db, QStringLiteral("liste"), {
        {QStringLiteral("font"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("size"), QStringLiteral("11")},
        {QStringLiteral("bold"), QStringLiteral("0")},
        {QStringLiteral("title"), QStringLiteral("KASAPRO MARKET")},
        // white list, pale amber selection
        {QStringLiteral("listrenk"), listColorsText(colorNumber(255, 255, 255), colorNumber(255, 224, 130))},
        {QStringLiteral("yzrenk"), QString::number(colorNumber(20, 20, 20))},
        {QStringLiteral("tmekran"), QStringLiteral("0")},
        {QStringLiteral("winac"), QStringLiteral("0")},
        {QStringLiteral("enust"), QStringLiteral("0")}});
    settingsTable(db, QStringLiteral("stok"), {
        {QStringLiteral("depoadi"), QString()}, {QStringLiteral("fytadi"), QString()}, {QStringLiteral("cari"), QString()},
        {QStringLiteral("stkfistipadi"), QString()}, {QStringLiteral("crfistipadi"), QString()},
        {QStringLiteral("ftfistipadi"), QString()}, {QStringLiteral("depo"), QString()},
        {QStringLiteral("fiyatip"), QString()}, {QStringLiteral("carikod"), QString()}});
    settingsTable(db, QStringLiteral("olcu"), {{QStringLiteral("olcu"), columnWidthsText(designedWidths())}});
    return db.finish();
}

QString makeFisDbs(const QString& path)
{
    NewDb db(path);
    const QString header = styleText({QStringLiteral("DejaVu Sans"), 11, true});
    const QString body = styleText({QStringLiteral("DejaVu Sans"), 8, false});
    settingsTable(db, QStringLiteral("baslik"), {{QStringLiteral("bilgi"), header}, {QStringLiteral("text"), QStringLiteral("KASAPRO MARKET")}});
    settingsTable(db, QStringLiteral("fis"), {
        {QStringLiteral("bilgi"), body},
        {QStringLiteral("ust"), QStringLiteral("Kasapro Gıda Ltd. Şti.\r\nÇarşı Mah. İstiklal Cad. No:1\r\nKadıköy / İstanbul\r\nKadıköy V.D. 1234567890")},
        {QStringLiteral("alt"), QStringLiteral("Bizi tercih ettiğiniz için teşekkür ederiz.\r\nİyi günler dileriz.")}});
    settingsTable(db, QStringLiteral("urun"), {{QStringLiteral("bilgi"), body}, {QStringLiteral("text"), QString()}});
    settingsTable(db, QStringLiteral("zno"), {{QStringLiteral("zno"), QStringLiteral("1")}});
    settingsTable(db, QStringLiteral("fnt"), {{QStringLiteral("fnt"), QStringLiteral("1")}});
    settingsTable(db, QStringLiteral("karakter"), {
        {QStringLiteral("b1"), QStringLiteral("70")}, {QStringLiteral("b2"), QStringLiteral("70")},
        {QStringLiteral("b3"), QStringLiteral("30")}, {QStringLiteral("b4"), QStringLiteral("12")},
        {QStringLiteral("b5"), QStringLiteral("8")}, {QStringLiteral("b6"), QStringLiteral("18")},
        {QStringLiteral("b7"), QStringLiteral("70")}});
    settingsTable(db, QStringLiteral("sol"), {{QStringLiteral("sol"), QStringLiteral("2")}});
    return db.finish();
}

QString makeUrunDbs(const QString& path, bool demo)
{
    NewDb db(path);
    db.exec("CREATE TABLE kasa (barkod TEXT, stkod TEXT, cinsi TEXT, birim TEXT, kdv INTEGER, brfiyat REAL,"
            " fiyat1 REAL, fiyat2 REAL, fiyat3 REAL, fiyat4 REAL, fiyat5 REAL, indirm REAL, plu TEXT, dep TEXT);"
            " CREATE INDEX kasa_barkod ON kasa(barkod); CREATE INDEX kasa_stkod ON kasa(stkod);");
    if (demo) {
        for (const DemoProduct& p : demoProducts()) {
            db.insert("INSERT INTO kasa VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
                      {QString::fromUtf8(p.barkod), QString::fromUtf8(p.stkod), QString::fromUtf8(p.cinsi),
                       QString::fromUtf8(p.birim), p.kdv, p.brfiyat, p.fiyat[0], p.fiyat[1], p.fiyat[2],
                       p.fiyat[3], p.fiyat[4], p.indirm, QString::fromUtf8(p.plu), QString::fromUtf8(p.dep)});
        }
    }
    return db.finish();
}

QString makeCariDbs(const QString& path, bool demo)
{
    NewDb db(path);
    db.exec("CREATE TABLE cari (id INTEGER PRIMARY KEY AUTOINCREMENT, kod TEXT, unvan TEXT, yet TEXT, vno TEXT,"
            " vd TEXT, tel TEXT, adres TEXT, sehir TEXT, ack TEXT, efat TEXT)");
    if (demo) {
        for (const DemoCustomer& c : demoCustomers()) {
            db.insert("INSERT INTO cari (kod, unvan, yet, vno, vd, tel, adres, sehir, ack, efat)"
                      " VALUES (?,?,?,?,?,?,?,?,?,?)",
                      {QString::fromUtf8(c.kod), QString::fromUtf8(c.unvan), QString::fromUtf8(c.yet),
                       QString::fromUtf8(c.vno), QString::fromUtf8(c.vd), QString::fromUtf8(c.tel),
                       QString::fromUtf8(c.adres), QString::fromUtf8(c.sehir), QString::fromUtf8(c.ack),
                       QString::fromUtf8(c.efat)});
        }
    }
    return db.finish();
}

struct Key {
    const char* section;
    const char* key;
    QString value;
};

bool writeKeys(const QString& path, const QList<Key>& keys)
{
    QFile::remove(path);
    bool ok = true;
    for (const Key& k : keys)
        ok = Ini::writeKey(QString::fromLatin1(k.section), QString::fromLatin1(k.key), k.value, path) && ok;
    return ok;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

} // namespace

QByteArray makeToneWav(int frequencyHz, int milliseconds)
{
    const int rate = 22050;
    const int samples = rate * milliseconds / 1000;
    QByteArray pcm(samples * 2, Qt::Uninitialized);
    for (int i = 0; i < samples; ++i) {
        // Short fade in and out so the tone does not click.
        const double edge = std::min({1.0, i / 200.0, (samples - i) / 200.0});
        const double v = 0.4 * edge * std::sin(2 * std::numbers::pi * frequencyHz * i / rate);
        qToLittleEndian<qint16>(static_cast<qint16>(v * 32767), pcm.data() + 2 * i);
    }
    QByteArray wav;
    auto u32 = [&wav](quint32 v) { char b[4]; qToLittleEndian(v, b); wav.append(b, 4); };
    auto u16 = [&wav](quint16 v) { char b[2]; qToLittleEndian(v, b); wav.append(b, 2); };
    wav += "RIFF";
    u32(36 + static_cast<quint32>(pcm.size()));
    wav += "WAVEfmt ";
    u32(16);
    u16(1);         // PCM
    u16(1);         // mono
    u32(rate);
    u32(rate * 2);  // bytes per second
    u16(2);         // block align
    u16(16);        // bits per sample
    wav += "data";
    u32(static_cast<quint32>(pcm.size()));
    wav += pcm;
    return wav;
}

QString setupProgramFolder(const QString& dir, const SetupOptions& options)
{
    const QFileInfo info(dir);
    if (info.exists() && !options.overwrite && (!info.isDir() || !QDir(dir).isEmpty()))
        return QStringLiteral("Klasör zaten var ve boş değil: ") + dir
            + QStringLiteral(" (üzerine yazmak için --force)");
    if (!QDir().mkpath(dir))
        return QStringLiteral("Klasör oluşturulamadı: ") + dir;

    const ProgramFolder folder(QDir(dir).absolutePath());
    for (const QString& sub : {folder.haraketDir(), folder.posfisDir(), folder.tsrmDefaultDir(), folder.tsrmDir()}) {
        if (!QDir().mkpath(sub))
            return QStringLiteral("Klasör oluşturulamadı: ") + sub;
    }

    QString error = makeDataDbs(folder.dataDbs());
    if (error.isEmpty())
        error = makeFisDbs(folder.fisDbs());
    if (error.isEmpty())
        error = makeUrunDbs(folder.urunDbs(), options.demoData);
    if (error.isEmpty())
        error = makeCariDbs(folder.cariDbs(), options.demoData);
    if (!error.isEmpty())
        return error;

    const QDate today = options.today.isValid() ? options.today : Clock::today();
    const QString year = QString::number(today.year());
    const bool paramOk = writeKeys(folder.paramTkm(), {
        {"param", "satir", QStringLiteral("20")},
        {"param", "kopya", QStringLiteral("1")},
        {"param", "kasa", options.registerName},
        {"param", "tkmgen", QString()},
        {"param", "tkmposfis", QString()},
        {"param", "fisnolari", QStringLiteral("1")},
        {"param", "fisnolaritarih", Clock::shortDate(today)},
        {"param", "kredino", QStringLiteral("1")},
        {"param", "iadesatir", QStringLiteral("20")},
        {"param", "iadekopya", QStringLiteral("1")},
        {"param", "kasadefterip", QStringLiteral("127.0.0.1")},
        {"param", "kasadefteretacarikod", QStringLiteral("100.01.001")},
        {"param", "listegrid", QStringLiteral("1")},
        {"param", "fytno", QStringLiteral("Genel")},
        {"cari", "cari", QStringLiteral("120.99.001")},
        {"sablon", "fattur", QStringLiteral("A")},
        {"sablon", "fatno", QStringLiteral("0")},
        {"sablon", "efattur", QStringLiteral("EFA") + year},
        {"sablon", "efatno", QStringLiteral("0")},
        {"sablon", "eartur", QStringLiteral("EAR") + year},
        {"sablon", "earno", QStringLiteral("0")},
    });
    const bool othersOk = writeKeys(folder.iadeParamTkm(), {{"iade", "on", QStringLiteral("1")}})
        && writeKeys(folder.sifreTkm(), {{"sifre", "sifre", QString()}})
        && writeKeys(folder.kopruSettingIni(), {
               {"kopru", "aktif", QStringLiteral("0")}, {"kopru", "baryaz", QStringLiteral("0")},
               {"kopru", "cihaz", QString()},
               {"kopru", "banka1", QString()}, {"kopru", "banka2", QString()}, {"kopru", "banka3", QString()},
               {"kopru", "banka1index", QStringLiteral("-1")}, {"kopru", "banka2index", QStringLiteral("-1")},
               {"kopru", "banka3index", QStringLiteral("-1")},
               {"kopru", "banka1tex", QString()}, {"kopru", "banka2tex", QString()}, {"kopru", "banka3tex", QString()},
               {"kopru", "giderp", QStringLiteral("0")}});
    if (!paramOk || !othersOk)
        return QStringLiteral("Parametre dosyaları yazılamadı: ") + dir;

    if (!writeFile(folder.sndOn(), makeToneWav(1320, 120)) || !writeFile(folder.sndOff(), makeToneWav(330, 300)))
        return QStringLiteral("Ses dosyaları yazılamadı: ") + dir;

    for (const QString& program : options.programs) {
        const QString target = folder.file(QFileInfo(program).fileName());
        QFile::remove(target);
        if (!QFile::copy(program, target))
            return QStringLiteral("Program kopyalanamadı: ") + program;
        QFile::setPermissions(target, QFile::permissions(program));
    }
    return QString();
}
