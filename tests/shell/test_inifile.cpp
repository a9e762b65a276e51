#include "shell/inifile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A file as another Windows program left it: mixed-case names, comments,
// blank lines, spaces around '=', a quoted value, Turkish text in 1254.
const QByteArray kForeign =
    "; written by the accounting side\r\n"
    "[Param]\r\n"
    "Kasa = 002\r\n"
    "TkmGen=\\\\SUNUCU\\TKMGENEL\r\n"
    "title=\"\xC7" "AR\xDE" "I\"\r\n"
    "\r\n"
    "[SABLON]\r\n"
    "fatTur=A\r\n"
    "\r\n"
    "; end\r\n";

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void read_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("exact") << "SABLON" << "fatTur" << "A";
        QTest::newRow("names ignore case") << "param" << "KASA" << "002";
        QTest::newRow("backslashes") << "param" << "tkmgen" << "\\\\SUNUCU\\TKMGENEL";
        QTest::newRow("quotes stripped, 1254 read") << "param" << "title" << "ÇARŞI";
        QTest::newRow("missing key") << "param" << "fytno" << "";
        QTest::newRow("key of another section") << "sablon" << "kasa" << "";
        QTest::newRow("missing section") << "cari" << "cari" << "";
    }
    void read()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QString file = path(QStringLiteral("read.tkm"));
        writeAll(file, kForeign);
        QCOMPARE(Ini::readKey(section, key, file), value);
    }

    void readLimitsAndMissingFile()
    {
        QCOMPARE(Ini::readKey(QStringLiteral("a"), QStringLiteral("b"), path(QStringLiteral("yok.tkm"))), QString());
        const QString file = path(QStringLiteral("long.tkm"));
        writeAll(file, "[s]\r\nk=" + QByteArray(300, 'x') + "\r\n");
        QCOMPARE(Ini::readKey(QStringLiteral("s"), QStringLiteral("k"), file), QString(254, u'x'));
    }

    void write_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");

        QByteArray replaced = kForeign;
        replaced.replace("Kasa = 002", "Kasa=005");
        QTest::newRow("replace keeps spelling and other lines") << kForeign << "PARAM" << "kasa" << "005" << replaced;

        QByteArray added = kForeign;
        added.replace("fatTur=A\r\n", "fatTur=A\r\nfatno=124\r\n");
        QTest::newRow("new key at end of its section") << kForeign << "sablon" << "fatno" << "124" << added;

        QTest::newRow("new section at end") << kForeign << "iade" << "on" << "1"
                                            << kForeign + "[iade]\r\non=1\r\n";
        QTest::newRow("missing file created") << QByteArray() << "sifre" << "sifre" << "Gizli1"
                                              << QByteArray("[sifre]\r\nsifre=Gizli1\r\n");
        QTest::newRow("no newline at end") << QByteArray("[a]\r\nx=1") << "a" << "y" << "2"
                                           << QByteArray("[a]\r\nx=1\r\ny=2\r\n");
        QTest::newRow("value in 1254") << QByteArray("[param]\r\n") << "param" << "title" << "ŞİŞLİ"
                                       << QByteArray("[param]\r\ntitle=\xDE\xDD\xDEL\xDD\r\n");
        QTest::newRow("empty value") << QByteArray("[s]\r\nk=eski\r\n") << "s" << "k" << ""
                                     << QByteArray("[s]\r\nk=\r\n");
    }
    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("write.tkm"));
        if (!before.isEmpty())
            writeAll(file, before);
        QVERIFY(Ini::writeKey(section, key, value, file));
        QCOMPARE(readAll(file), after);
        QCOMPARE(Ini::readKey(section, key, file), value);
        // Nothing is left beside the file.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("write.tkm")});
    }

    void writeIntoMissingFolderFails()
    {
        const QString file = path(QStringLiteral("yok/param.tkm"));
        QVERIFY(!Ini::writeKey(QStringLiteral("param"), QStringLiteral("kasa"), QStringLiteral("001"), file));
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_APPLESS_MAIN(TestIniFile)
#include "test_inifile.moc"
