#include "folder_setup.h"

#include "config/localdb.h"
#include "config/programfolder.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

class TestKur : public QObject {
    Q_OBJECT
private slots:
    void laysOutAWholeFolder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kasa"));
        QCOMPARE(setupProgramFolder(path, SetupOptions{}), QString());
        const ProgramFolder folder(path);
        for (const QString& sub : {folder.haraketDir(), folder.posfisDir(), folder.tsrmDefaultDir(), folder.tsrmDir()})
            QVERIFY2(QDir(sub).exists(), qPrintable(sub));
        for (const QString& file : {folder.dataDbs(), folder.fisDbs(), folder.urunDbs(), folder.cariDbs(),
                                    folder.paramTkm(), folder.iadeParamTkm(), folder.sifreTkm(),
                                    folder.kopruSettingIni(), folder.sndOn(), folder.sndOff()})
            QVERIFY2(QFile::exists(file), qPrintable(file));
    }

    void refusesAnExistingFolderUnlessTold()
    {
        QTemporaryDir dir;
        QFile marker(dir.filePath(QStringLiteral("param.tkm")));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.write("[param]\r\nkasa=007\r\n");
        marker.close();
        QVERIFY(!setupProgramFolder(dir.path(), SetupOptions{}).isEmpty());
        QVERIFY(!QFile::exists(ProgramFolder(dir.path()).dataDbs()));

        SetupOptions force;
        force.overwrite = true;
        force.registerName = QStringLiteral("002");
        QCOMPARE(setupProgramFolder(dir.path(), force), QString());
        QVERIFY(marker.open(QIODevice::ReadOnly));
        QVERIFY(marker.readAll().contains("kasa=002\r\n"));
    }

    void demoShopIsRealistic()
    {
        QTemporaryDir dir;
        QCOMPARE(setupProgramFolder(dir.path(), SetupOptions{}), QString());
        LocalDb urun(ProgramFolder(dir.path()).urunDbs());
        QSet<QString> rates;
        for (DbRows r = urun.run(QStringLiteral("select distinct kdv from kasa")); !r.eof(); r.next())
            rates.insert(r.text(QStringLiteral("kdv")));
        QCOMPARE(rates, (QSet<QString>{QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("20")}));
        QVERIFY(urun.run(QStringLiteral("select count(*) as n from kasa")).number(QStringLiteral("n")) >= 30);
        QVERIFY(urun.run(QStringLiteral("select stkod from kasa group by stkod having count(*) > 1")).eof() == false);
        QVERIFY(urun.run(QStringLiteral("select * from kasa where indirm > 0")).eof() == false);
        QVERIFY(urun.run(QStringLiteral("select * from kasa where fiyat2 > 0")).eof() == false);
        // Lookups by barcode and stock code use indexes.
        QVERIFY(urun.run(QStringLiteral("EXPLAIN QUERY PLAN select * from kasa where barkod=?"), {QStringLiteral("1")})
                    .text(QStringLiteral("detail")).contains(QStringLiteral("INDEX")));

        LocalDb cari(ProgramFolder(dir.path()).cariDbs());
        QSet<QString> kinds;
        for (DbRows r = cari.run(QStringLiteral("select efat from cari")); !r.eof(); r.next())
            kinds.insert(r.text(QStringLiteral("efat")));
        QVERIFY(kinds.contains(QStringLiteral("1")) && kinds.contains(QStringLiteral("2")) && kinds.contains(QString()));
    }

    void soundsAreWaves()
    {
        const QByteArray wav = makeToneWav(1000, 100);
        QCOMPARE(wav.left(4), QByteArray("RIFF"));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 40), quint32(2205 * 2));
    }
};

QTEST_APPLESS_MAIN(TestKur)
#include "test_kur.moc"
