#include "shell/textcodec.h"

#include <QTest>

class TestTextCodec : public QObject {
    Q_OBJECT
private slots:
    void codePages_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("cp1254");
        QTest::addColumn<QByteArray>("cp857");
        QTest::newRow("upper") << QStringLiteral("ÇĞİÖŞÜ") << QByteArray("\xC7\xD0\xDD\xD6\xDE\xDC")
                               << QByteArray("\x80\xA6\x98\x99\x9E\x9A");
        QTest::newRow("lower") << QStringLiteral("çğıöşü") << QByteArray("\xE7\xF0\xFD\xF6\xFE\xFC")
                               << QByteArray("\x87\xA7\x8D\x94\x9F\x81");
        QTest::newRow("ascii") << QStringLiteral("Su 1,5 L") << QByteArray("Su 1,5 L") << QByteArray("Su 1,5 L");
        // The euro sign exists in 1254 but not in 857; a letter of neither becomes '?'.
        QTest::newRow("missing letters") << QStringLiteral("€5 Ж") << QByteArray("\x80" "5 ?") << QByteArray("?5 ?");
    }
    void codePages()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, cp1254);
        QFETCH(QByteArray, cp857);
        QCOMPARE(TextCodec::toCp1254(text), cp1254);
        QCOMPARE(TextCodec::toCp857(text), cp857);
        if (!cp1254.contains('?'))
            QCOMPARE(TextCodec::fromCp1254(cp1254), text);
    }

    void trUpper_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("upper");
        QTest::newRow("dotted i") << QStringLiteral("ince") << QStringLiteral("İNCE");
        QTest::newRow("dotless i") << QStringLiteral("ılık") << QStringLiteral("ILIK");
        QTest::newRow("all letters") << QStringLiteral("çiçek yağı şöğüt") << QStringLiteral("ÇİÇEK YAĞI ŞÖĞÜT");
        QTest::newRow("already upper") << QStringLiteral("İSTANBUL") << QStringLiteral("İSTANBUL");
    }
    void trUpper()
    {
        QFETCH(QString, text);
        QFETCH(QString, upper);
        QCOMPARE(TextCodec::trUpper(text), upper);
    }
};

QTEST_APPLESS_MAIN(TestTextCodec)
#include "test_textcodec.moc"
