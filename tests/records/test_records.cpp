#include "config/settings_store.h"
#include "folder_setup.h"
#include "records/daily_totals.h"
#include "records/movement_file.h"
#include "records/numbering.h"
#include "shell/inifile.h"
#include "support/sale_lines.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void saleBlockLines()
    {
        MovementFile::Sale sale;
        sale.fisno = QStringLiteral("0042");
        sale.when = QDateTime(QDate(2020, 3, 7), QTime(14, 5, 9));
        sale.customer = SaleCustomer{QStringLiteral("120.01.001"), QStringLiteral("1"), QStringLiteral("Yıldız Gıda"),
                                     QStringLiteral("Ayşe"), QStringLiteral("0216"), QStringLiteral("987"),
                                     QStringLiteral("Kadıköy"), QStringLiteral("İstanbul"), QStringLiteral("Moda-12")};
        sale.ftno = QStringLiteral("EFA2026000000003");
        sale.lines = {lineWith({{ColStokKodu, "SU0001"}, {ColBarkod, "869"}, {ColCinsi, QString(95, u'Ş')},
                                {ColDep, "3"}, {ColKdv, "20"}, {ColBirimFiyat, "12,00"}, {ColMiktar, "2"},
                                {ColIndTop, "0,00"}, {ColToplamTutar, "24,00"}}),
                      lineWith({{ColStokKodu, "NEG-1"}, {ColBarkod, "2000000000015"}, {ColCinsi, "Poşet"},
                                {ColDep, "104"}, {ColKdv, "1"}, {ColBirimFiyat, "-1.234,50"}, {ColMiktar, "1"},
                                {ColIndTop, "0,00"}, {ColToplamTutar, "-1.234,50"}})};
        sale.gentop = QStringLiteral("-1.210,50");
        sale.nkit = QStringLiteral("0,00");
        sale.krd = QStringLiteral("125,50");

        const QStringList lines = QString::fromLatin1(MovementFile::saleBlock(sale)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 8); // seven lines and the empty piece after the last CR LF
        QCOMPARE(lines.at(0), QStringLiteral("01-FIS-0042-07/03/2020-14:05:09<#>1<#>120.01.001<#>Y\xFDld\xFDz G\xFD"
                                             "da<#>987<#>Kad\xFDk\xF6y<#>\xDDstanbul<#>Moda-12<#>0216"
                                             "<#>EFA2026000000003<#>"));
        QCOMPARE(lines.at(1).size(), 227);
        QCOMPARE(lines.at(1), QStringLiteral("02-SAT-") + QStringLiteral("SU0001").leftJustified(40) + u'-'
                                  + QStringLiteral("869") + QString(37, u' ') + u'-' + QString(80, QChar(0xDE)) + u'-'
                                  + QStringLiteral("3 -20-12,00       -2           -0,00        -24,00       "));
        QCOMPARE(lines.at(2).mid(7 + 41 + 41 + 81), QStringLiteral("10-1 --1.234,50   -1           -0,00        -"
                                                                   "-1.234,50   "));
        QCOMPARE(lines.at(3), QStringLiteral("03-TOP--1.210,50   "));
        QCOMPARE(lines.at(4), QStringLiteral("04-NAK-0,00        "));
        QCOMPARE(lines.at(5), QStringLiteral("05-KRD-125,50      "));
        QCOMPARE(lines.at(6), QStringLiteral("06-SON"));
        QCOMPARE(lines.at(7), QString());

        sale.customer = SaleCustomer{};
        const QByteArray empty = MovementFile::saleBlock(sale);
        QVERIFY(empty.startsWith("01-FIS-0042-07/03/2020-14:05:09<#><#><#><#><#><#><#><#><#>EFA2026000000003<#>\r\n"));
        const QByteArray ret = MovementFile::returnBlock(sale);
        QVERIFY(ret.startsWith(QByteArray("01-SIA-0042-07/03/2020-14:05:09" + QByteArray("<#>").repeated(24) + "\r\n02-SAT-")));
        QVERIFY(ret.endsWith("06-SON\r\n"));
        QCOMPARE(MovementFile::fileName(QDate(2020, 3, 7), QStringLiteral("01")), QStringLiteral("HR070320.01"));
        QCOMPARE(MovementFile::fileName(QDate(2020, 3, 7), QString()), QStringLiteral("HR070320."));
    }

    void appendWholeOrNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("HR111226.001"));
        QCOMPARE(MovementFile::append(path, "01-FIS-1\r\n06-SON\r\n"), QString());
        QCOMPARE(MovementFile::append(path, "01-FIS-2\r\n06-SON\r\n"), QString());
        QCOMPARE(readAll(path), QByteArray("01-FIS-1\r\n06-SON\r\n01-FIS-2\r\n06-SON\r\n"));
        // A missing folder is reported, and nothing is created.
        const QString missing = dir.filePath(QStringLiteral("haraket/HR111226.001"));
        QVERIFY(!MovementFile::append(missing, "x").isEmpty());
        QVERIFY(!QFile::exists(missing));
        // A full disk is reported, not taken for success.
        if (QFile::exists(QStringLiteral("/dev/full")))
            QVERIFY(!MovementFile::append(QStringLiteral("/dev/full"), QByteArray(70000, 'x')).isEmpty());
    }

    void receiptNumber_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("stored");
        QTest::newRow("41") << "0041" << "0042" << "42";
        QTest::newRow("empty") << "" << "0001" << "1";
        QTest::newRow("not a number") << "abc" << "0001" << "1";
        QTest::newRow("past four digits") << "9999" << "10000" << "10000";
    }
    void receiptNumber()
    {
        QFETCH(QString, shown);
        QFETCH(QString, next);
        QFETCH(QString, stored);
        QTemporaryDir dir;
        const SettingsStore store{ProgramFolder(dir.path())};
        QCOMPARE(Numbering::advanceReceipt(store, shown, QDate(2026, 12, 11)), next);
        QCOMPARE(store.param(QStringLiteral("fisnolari")), stored);
        QCOMPARE(store.param(QStringLiteral("fisnolaritarih")), QStringLiteral("11.12.2026"));
    }

    void invoiceSeries_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("key");
        QTest::newRow("plain") << "" << "A000000124" << "fatno";
        QTest::newRow("new customer is plain") << "3" << "A000000124" << "fatno";
        QTest::newRow("e-invoice") << "1" << "EFA2026000000008" << "efatno";
        QTest::newRow("e-archive") << "2" << "EAR2026000000001" << "earno";
    }
    void invoiceSeries()
    {
        QFETCH(QString, kind);
        QFETCH(QString, shown);
        QFETCH(QString, key);
        QTemporaryDir dir;
        const SettingsStore store{ProgramFolder(dir.path())};
        const QString path = store.folder().paramTkm();
        for (const auto& [k, v] : {std::pair{"fattur", "A"}, {"fatno", "123"}, {"efattur", "EFA2026"}, {"efatno", "7"},
                                   {"eartur", "EAR2026"}, {"earno", "0"}})
            Ini::writeKey(QStringLiteral("sablon"), QString::fromLatin1(k), QString::fromLatin1(v), path);
        const QByteArray before = readAll(path);
        QStringList others;
        for (const char* other : {"fatno", "efatno", "earno"})
            others.append(Ini::readKey(QStringLiteral("sablon"), QString::fromLatin1(other), path));

        Numbering::InvoiceCounters counters;
        QCOMPARE(counters.show(store, kind).number, shown);
        QCOMPARE(readAll(path), before); // showing stores nothing
        QVERIFY(counters.store(store, kind));
        QCOMPARE(Ini::readKey(QStringLiteral("sablon"), key, path), QString::number(shown.right(9).toInt()));
        // The other series are untouched.
        const char* keys[] = {"fatno", "efatno", "earno"};
        for (int i = 0; i < 3; ++i) {
            if (QLatin1String(keys[i]) != key)
                QCOMPARE(Ini::readKey(QStringLiteral("sablon"), QString::fromLatin1(keys[i]), path), others.at(i));
        }
    }

    void invoiceErrors()
    {
        QTemporaryDir dir;
        const SettingsStore store{ProgramFolder(dir.path())};
        const QString path = store.folder().paramTkm();
        Numbering::InvoiceCounters counters;
        QVERIFY(!counters.show(store, QString()).error.isEmpty()); // no number stored yet
        Ini::writeKey(QStringLiteral("sablon"), QStringLiteral("fatno"), QStringLiteral("2147483647"), path);
        QVERIFY(!counters.show(store, QString()).error.isEmpty()); // overflow
        // A series never shown stores 0.
        QVERIFY(counters.store(store, QStringLiteral("2")));
        QCOMPARE(Ini::readKey(QStringLiteral("sablon"), QStringLiteral("earno"), path), QStringLiteral("0"));
    }

    void dailyTotals()
    {
        QTemporaryDir dir;
        const QString path = DailyTotals::path(dir.path(), QDate(2020, 3, 7));
        QVERIFY(path.endsWith(QStringLiteral("/070320.ttr")));
        QCOMPARE(DailyTotals::read(path, DailyTotals::Kind::Nakit), 0.0);
        QVERIFY(DailyTotals::write(path, DailyTotals::Kind::Kredi, 10));
        QCOMPARE(readAll(path), QByteArray("[tutar]\r\nkredi=10\r\n"));
        const auto previous = DailyTotals::write(path, DailyTotals::Kind::Kredi, 10 + 2.5);
        QVERIFY(previous && previous->fileExisted);
        QCOMPARE(previous->text, QStringLiteral("10"));
        QCOMPARE(DailyTotals::readText(path, DailyTotals::Kind::Kredi), QStringLiteral("12,5"));
        QCOMPARE(DailyTotals::read(path, DailyTotals::Kind::Kredi), 12.5);
        DailyTotals::restore(path, DailyTotals::Kind::Kredi, *previous);
        QCOMPARE(readAll(path), QByteArray("[tutar]\r\nkredi=10\r\n"));

        const QString missing = DailyTotals::path(dir.filePath(QStringLiteral("yok")), QDate(2020, 3, 7));
        QVERIFY(!DailyTotals::write(missing, DailyTotals::Kind::Nakit, 5));
    }
};

QTEST_APPLESS_MAIN(TestRecords)
#include "test_records.moc"
