#include "config/localdb.h"
#include "folder_setup.h"

#include "config/programfolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestLocalDb : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString urun() const { return ProgramFolder(m_dir.path()).urunDbs(); }
    QString cari() const { return ProgramFolder(m_dir.path()).cariDbs(); }

private slots:
    void initTestCase()
    {
        SetupOptions options;
        options.overwrite = true;
        QCOMPARE(setupProgramFolder(m_dir.path(), options), QString());
    }

    void missingStoreIsNeverCreated()
    {
        const QString path = m_dir.filePath(QStringLiteral("yok.dbs"));
        LocalDb db;
        try {
            db.open(path);
            QFAIL("a missing store opened");
        } catch (const DbError& e) {
            QCOMPARE(e.code(), DbError::kGeneralFailure);
        }
        QVERIFY(!QFile::exists(path));
        db.close(); // harmless when not bound
    }

    void errorsOfStatementsAndFields()
    {
        LocalDb db(urun());
        QVERIFY_THROWS_EXCEPTION(DbError, db.run(QStringLiteral("select * from yok")));
        DbRows rows = db.run(QStringLiteral("select * from kasa where barkod=?"), {QStringLiteral("8690000000017")});
        QVERIFY(!rows.eof());
        QVERIFY_THROWS_EXCEPTION(DbError, rows.field(QStringLiteral("fiyat9")));
        rows.next();
        QVERIFY(rows.eof());
        QVERIFY_THROWS_EXCEPTION(DbError, rows.text(QStringLiteral("cinsi")));
    }

    void fieldsByNameAndAlias()
    {
        LocalDb db(urun());
        const DbRows rows = db.run(QStringLiteral("select barkod, cinsi as ad, brfiyat, kdv from kasa where stkod=?"),
                                   {QStringLiteral("CAY001")});
        QVERIFY(!rows.eof());
        QCOMPARE(rows.text(QStringLiteral("BARKOD")), QStringLiteral("8690000000192"));
        QCOMPARE(rows.text(QStringLiteral("ad")), QStringLiteral("Çay Siyah 1 kg"));
        QCOMPARE(rows.number(QStringLiteral("brfiyat")), 219.0);
        QCOMPARE(rows.text(QStringLiteral("kdv")), QStringLiteral("10"));
    }

    void walkRows()
    {
        LocalDb db(urun());
        QStringList barcodes;
        for (DbRows rows = db.run(QStringLiteral("select barkod from kasa where stkod=? ORDER BY barkod ASC"),
                                  {QStringLiteral("SU0001")});
             !rows.eof(); rows.next())
            barcodes.append(rows.text(QStringLiteral("barkod")));
        QCOMPARE(barcodes, (QStringList{QStringLiteral("8690000000277"), QStringLiteral("8690000000284")}));
    }

    void turkishUpperLike_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("çiç finds Çiçek") << "çiç"
                                         << QStringList{QStringLiteral("Ayçiçek Yağı 5 L"), QStringLiteral("Çiçek Balı 850 g")};
        QTest::newRow("dotless ı") << "sıvı" << QStringList{QStringLiteral("Sıvı Sabun 1,5 L")};
        QTest::newRow("ascii i is not ı") << "sivi" << QStringList{};
        QTest::newRow("dotted i") << "BİSKÜVİ" << QStringList{QStringLiteral("Çikolatalı Bisküvi")};
        QTest::newRow("ş and ğ") << "şeker" << QStringList{QStringLiteral("Toz Şeker 1 kg")};
        QTest::newRow("quote is just text") << "d'" << QStringList{};
    }
    void turkishUpperLike()
    {
        QFETCH(QString, search);
        QFETCH(QStringList, found);
        LocalDb db(urun());
        QStringList names;
        for (DbRows rows = db.run(QStringLiteral("select cinsi from kasa where UPPER(cinsi) like UPPER(?) ORDER BY cinsi ASC"),
                                  {QString(u'%' + search + u'%')});
             !rows.eof(); rows.next())
            names.append(rows.text(QStringLiteral("cinsi")));
        QCOMPARE(names, found);
    }

    void insertUpdateDelete()
    {
        LocalDb db(cari());
        const QString title = QStringLiteral("O'Neil Gıda");
        db.run(QStringLiteral("INSERT INTO cari values(NULL,'',?,?,?,?,?,?,?,?,'')"),
               {title, QString(), QString(), QString(), QString(), QString(), QStringLiteral("Van"), QString()});
        const qint64 id = db.lastInsertId();
        QVERIFY(id > 0);
        DbRows rows = db.run(QStringLiteral("select * from cari where id=?"), {id});
        QCOMPARE(rows.text(QStringLiteral("unvan")), title);
        db.run(QStringLiteral("Update cari set sehir = ? Where id = ?"), {QStringLiteral("Muş"), id});
        QCOMPARE(db.run(QStringLiteral("select sehir from cari where id=?"), {id}).text(QStringLiteral("sehir")),
                 QStringLiteral("Muş"));
        db.run(QStringLiteral("DELETE FROM cari where id=?"), {id});
        QCOMPARE(db.changes(), 1);
        QVERIFY(db.run(QStringLiteral("select * from cari where id=?"), {id}).eof());
    }

    void numbersFromText_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("real") << QVariant(12.5) << true << 12.5;
        QTest::newRow("integer") << QVariant(7) << true << 7.0;
        QTest::newRow("turkish text") << QVariant(QStringLiteral("1.234,50")) << true << 1234.5;
        QTest::newRow("not a number") << QVariant(QStringLiteral("on iki")) << false << 0.0;
    }
    void numbersFromText()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, ok);
        QFETCH(double, value);
        LocalDb db(urun());
        const DbRows rows = db.run(QStringLiteral("select ? as fiyat"), {stored});
        if (ok)
            QCOMPARE(rows.number(QStringLiteral("fiyat")), value);
        else
            QVERIFY_THROWS_EXCEPTION(DbError, rows.number(QStringLiteral("fiyat")));
    }

    void rowsOutliveTheConnection()
    {
        LocalDb db(urun());
        DbRows rows = db.run(QStringLiteral("select cinsi from kasa where stkod=?"), {QStringLiteral("EKM001")});
        db.close();
        QCOMPARE(rows.text(QStringLiteral("cinsi")), QStringLiteral("Ekmek 250 g"));
    }
};

QTEST_APPLESS_MAIN(TestLocalDb)
#include "test_localdb.moc"
