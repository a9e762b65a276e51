#include "config/localdb.h"
#include "config/setting_text.h"
#include "config/settings_store.h"
#include "folder_setup.h"
#include "shell/clock.h"
#include "shell/inifile.h"
#include "shell/numbers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using OptInt = std::optional<int>;
Q_DECLARE_METATYPE(OptInt)

class TestSettings : public QObject {
    Q_OBJECT
private:
    // A fresh folder for every test that changes stores.
    std::unique_ptr<QTemporaryDir> freshFolder()
    {
        auto dir = std::make_unique<QTemporaryDir>();
        SetupOptions options;
        options.overwrite = true;
        options.today = QDate(2026, 12, 11);
        const QString error = setupProgramFolder(dir->path(), options);
        if (!error.isEmpty())
            qFatal("%s", qPrintable(error));
        return dir;
    }

private slots:
    void freshFolderIsReadable()
    {
        auto dir = freshFolder();
        const SettingsStore store{ProgramFolder(dir->path())};

        WorkstationSettings ws;
        store.read(ws);
        QCOMPARE(ws.bulses, QStringLiteral("1"));
        QCOMPARE(ws.yazdirma, QStringLiteral("0"));
        QCOMPARE(ws.loginSifre, QString());
        QCOMPARE(ws.msql, QStringLiteral("master"));
        FontStyle list{QStringLiteral("Sans"), 8, true};
        applyStyleText(QStringLiteral("<>") + ws.font + QStringLiteral("<>") + ws.size + QStringLiteral("<>") + ws.bold, list);
        QCOMPARE(list.name, QStringLiteral("DejaVu Sans"));
        QVERIFY(list.size >= 10);
        const ListColors colors = parseListColors(ws.listrenk);
        QCOMPARE(colors.background, OptInt(colorNumber(255, 255, 255)));
        QVERIFY(colors.selection.has_value());
        const QList<OptInt> widths = parseColumnWidths(ws.olcu);
        QCOMPARE(widths.size(), 14);
        QCOMPARE(widths.at(0), OptInt(1411));
        QCOMPARE(widths.at(3), OptInt(8819));
        QCOMPARE(widths.at(11), OptInt(3175));

        ReceiptLayoutSettings fis;
        store.read(fis);
        FontStyle header;
        applyStyleText(fis.baslikBilgi, header);
        QVERIFY(!header.name.isEmpty() && header.size > 0);
        QVERIFY(fis.ust.contains(QStringLiteral("\r\n")));
        QVERIFY(Num::parse(fis.b3).has_value());
        QVERIFY(Num::parse(fis.sol).has_value());

        ParamSettings params;
        store.read(params);
        QCOMPARE(params.kasa, QStringLiteral("001"));
        QCOMPARE(params.fytno, QStringLiteral("Genel"));
        QCOMPARE(params.fisnolari, QStringLiteral("1"));
        QCOMPARE(params.fisnolaritarih, QStringLiteral("11.12.2026"));
        QCOMPARE(params.satir, QStringLiteral("20"));
        QCOMPARE(params.kopya, QStringLiteral("1"));
        QCOMPARE(params.listegrid, QStringLiteral("1"));
        QCOMPARE(params.fattur, QStringLiteral("A"));
        QCOMPARE(params.efatno, QStringLiteral("0"));

        QVERIFY(store.iadeOn());
        QCOMPARE(store.adminPassword(), QString());
        QCOMPARE(Ini::readKey(QStringLiteral("kopru"), QStringLiteral("aktif"),
                              store.folder().kopruSettingIni()), QStringLiteral("0"));
    }

    void writeThenReadBack()
    {
        auto dir = freshFolder();
        const SettingsStore store{ProgramFolder(dir->path())};
        WorkstationSettings ws;
        store.read(ws);
        ws.title = QStringLiteral("Ali'nin Bakkalı"); // a quote is stored, not an error
        ws.listrenk = listColorsText(colorNumber(240, 248, 255), colorNumber(0, 120, 215));
        ws.bulses = QStringLiteral("0");
        ws.loginSifre = QStringLiteral("Gizli");
        QVERIFY(store.write(ws, {QStringLiteral("liste")}));

        WorkstationSettings back;
        store.read(back);
        QCOMPARE(back.title, ws.title);
        QCOMPARE(back.listrenk, ws.listrenk);
        // Only the named table was written.
        QCOMPARE(back.bulses, QStringLiteral("1"));
        QCOMPARE(back.loginSifre, QString());

        QVERIFY(store.write(ws));
        store.read(back);
        QCOMPARE(back.bulses, QStringLiteral("0"));
        QCOMPARE(back.loginSifre, QStringLiteral("Gizli"));

        ReceiptLayoutSettings fis;
        store.read(fis);
        fis.zno = QStringLiteral("57");
        QVERIFY(store.write(fis, {QStringLiteral("zno")}));
        ReceiptLayoutSettings fisBack;
        store.read(fisBack);
        QCOMPARE(fisBack.zno, QStringLiteral("57"));

        QVERIFY(store.setAdminPassword(QStringLiteral("Yönetici")));
        QCOMPARE(store.adminPassword(), QStringLiteral("Yönetici"));
        QVERIFY(store.setIadeOn(false));
        QVERIFY(!store.iadeOn());
    }

    void missingPiecesLeaveDesignedValues()
    {
        QTemporaryDir dir;
        const SettingsStore store{ProgramFolder(dir.path())};
        WorkstationSettings ws;
        ws.font = QStringLiteral("Designed");
        ws.bulses = QStringLiteral("designed");
        store.read(ws); // no data.dbs at all
        QCOMPARE(ws.font, QStringLiteral("Designed"));
        QVERIFY(!QFile::exists(store.folder().dataDbs()));
        QVERIFY(!store.write(ws));
        QVERIFY(!QFile::exists(store.folder().dataDbs()));

        // A store with table ses lacking a column and no liste table at all.
        auto fresh = freshFolder();
        const SettingsStore partial{ProgramFolder(fresh->path())};
        {
            LocalDb db(partial.folder().dataDbs());
            db.run(QStringLiteral("DROP TABLE liste"));
            db.run(QStringLiteral("DROP TABLE ses"));
            db.run(QStringLiteral("CREATE TABLE ses (id TEXT, bulses TEXT)"));
            db.run(QStringLiteral("INSERT INTO ses VALUES ('1', '0')"));
            db.run(QStringLiteral("DELETE FROM yazici"));
        }
        WorkstationSettings ws2;
        ws2.font = QStringLiteral("Designed");
        ws2.bulmases = QStringLiteral("designed");
        ws2.yazici1 = QStringLiteral("designed");
        partial.read(ws2);
        QCOMPARE(ws2.font, QStringLiteral("Designed"));
        QCOMPARE(ws2.bulses, QStringLiteral("0"));
        QCOMPARE(ws2.bulmases, QStringLiteral("designed"));
        QCOMPARE(ws2.yazici1, QStringLiteral("designed"));
        QCOMPARE(ws2.msql, QStringLiteral("master")); // other tables still read

        // A missing param.tkm leaves every key as it was.
        ParamSettings params;
        params.fisnolari = QStringLiteral("designed");
        QFile::remove(partial.folder().paramTkm());
        partial.read(params);
        QCOMPARE(params.fisnolari, QStringLiteral("designed"));
        QCOMPARE(partial.adminPassword(), QString());
        QFile::remove(partial.folder().sifreTkm());
        QCOMPARE(partial.adminPassword(), QString());
    }

    void paramsWrittenInOrder()
    {
        QTemporaryDir dir;
        const SettingsStore store{ProgramFolder(dir.path())};
        ParamSettings p;
        p.satir = QStringLiteral("20");
        p.kasa = QStringLiteral("002");
        p.fytno = QStringLiteral("Fiyat2");
        p.cari = QStringLiteral("120.99.001");
        p.fattur = QStringLiteral("A");
        p.fatno = QStringLiteral("123");
        QVERIFY(store.write(p));
        QFile f(store.folder().paramTkm());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray(
            "[param]\r\nsatir=20\r\nkopya=\r\nkasa=002\r\ntkmgen=\r\ntkmposfis=\r\nfisnolari=\r\nkredino=\r\n"
            "iadesatir=\r\niadekopya=\r\nkasadefterip=\r\nkasadefteretacarikod=\r\nlistegrid=\r\nfytno=Fiyat2\r\n"
            "[cari]\r\ncari=120.99.001\r\n"
            "[sablon]\r\nfattur=A\r\nfatno=123\r\nefattur=\r\nefatno=\r\neartur=\r\nearno=\r\n"));
        QVERIFY(store.setParam(QStringLiteral("fisnolaritarih"), QStringLiteral("11.12.2026")));
        QCOMPARE(store.param(QStringLiteral("FISNOLARITARIH")), QStringLiteral("11.12.2026"));
    }

    void styleText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("bold");
        QTest::newRow("full") << "<>Arial<>12<>1" << "Arial" << 12 << true;
        QTest::newRow("no elements leaves it") << "Arial 12" << "Sans" << 9 << false;
        QTest::newRow("empty leaves it") << "" << "Sans" << 9 << false;
        QTest::newRow("name only") << "<>Courier New" << "Courier New" << 9 << false;
        QTest::newRow("size not a number") << "<>Arial<>büyük<>1" << "Arial" << 9 << true;
    }
    void styleText()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(bool, bold);
        FontStyle style{QStringLiteral("Sans"), 9, false};
        applyStyleText(text, style);
        QCOMPARE(style.name, name);
        QCOMPARE(style.size, size);
        QCOMPARE(style.bold, bold);
    }

    void listColors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<OptInt>("background");
        QTest::addColumn<OptInt>("selection");
        QTest::newRow("both") << "16777215<1234>8454143" << OptInt(16777215) << OptInt(8454143);
        QTest::newRow("one colour") << "16777215" << OptInt(16777215) << OptInt();
        QTest::newRow("empty") << "" << OptInt() << OptInt();
        QTest::newRow("selection only") << "<1234>255" << OptInt() << OptInt(255);
    }
    void listColors()
    {
        QFETCH(QString, text);
        QFETCH(OptInt, background);
        QFETCH(OptInt, selection);
        const ListColors c = parseListColors(text);
        QCOMPARE(c.background, background);
        QCOMPARE(c.selection, selection);
    }

    void columnWidths_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<OptInt>>("widths");
        QTest::newRow("three") << "-1411-2540-3528" << QList<OptInt>{1411, 2540, 3528};
        QTest::newRow("five elements cover four columns") << "-100-200-300-400" << QList<OptInt>{100, 200, 300, 400};
        QTest::newRow("bad element unset") << "-100-x-300" << QList<OptInt>{100, std::nullopt, 300};
        QTest::newRow("decimal comma") << "-1411,5" << QList<OptInt>{1412};
        QTest::newRow("empty") << "" << QList<OptInt>{};
    }
    void columnWidths()
    {
        QFETCH(QString, text);
        QFETCH(QList<OptInt>, widths);
        QCOMPARE(parseColumnWidths(text), widths);
    }

    void codeListsAndColours()
    {
        QCOMPARE(codeListText({QStringLiteral("01"), QStringLiteral("02")}), QStringLiteral("01<1234>02<1234>"));
        QCOMPARE(parseCodeList(QStringLiteral("01<1234>02<1234>")), (QStringList{QStringLiteral("01"), QStringLiteral("02")}));
        QCOMPARE(parseCodeList(QString()), QStringList());
        QCOMPARE(colorNumber(255, 0, 0), 255);
        QCOMPARE(colorNumber(0, 0, 255), 16711680);
        const Rgb rgb = rgbOf(colorNumber(12, 34, 56));
        QCOMPARE(rgb.red, 12);
        QCOMPARE(rgb.green, 34);
        QCOMPARE(rgb.blue, 56);
    }

    void sharedFolderControlFiles()
    {
        QTemporaryDir shared;
        QFile f(SharedFolder::tkmkonPath(shared.path()));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[kasalar]\r\n001=1\r\n002=0\r\n[hrgnd]\r\n002=x\r\n");
        f.close();
        QVERIFY(SharedFolder::updateWaiting(shared.path(), QStringLiteral("001")));
        QVERIFY(!SharedFolder::updateWaiting(shared.path(), QStringLiteral("002")));
        QVERIFY(!SharedFolder::salesHeldBack(shared.path(), QStringLiteral("001")));
        QVERIFY(SharedFolder::salesHeldBack(shared.path(), QStringLiteral("002")));
        QVERIFY(SharedFolder::clearUpdateWaiting(shared.path(), QStringLiteral("001")));
        QVERIFY(!SharedFolder::updateWaiting(shared.path(), QStringLiteral("001")));
        QVERIFY(SharedFolder::markCustomersSent(shared.path()));
        QCOMPARE(Ini::readKey(QStringLiteral("cari"), QStringLiteral("carigonder"),
                              SharedFolder::carikonPath(shared.path())), QStringLiteral("1"));
    }
};

QTEST_APPLESS_MAIN(TestSettings)
#include "test_settings.moc"
