#include "shell/numbers.h"

#include <QTest>

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void amount_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0,00";
        QTest::newRow("grouping") << 1234.5 << "1.234,50";
        QTest::newRow("four decimals") << 12.34567 << "12,3457";
        QTest::newRow("three decimals kept") << 1234567.891 << "1.234.567,891";
        QTest::newRow("negative") << -1234.5 << "-1.234,50";
        QTest::newRow("negative small") << -0.5 << "-0,50";
        QTest::newRow("half rounds up at 4th") << 1.00005 << "1,0001";
        QTest::newRow("below half") << 1.00004 << "1,00";
        QTest::newRow("carry into integer") << 999.99995 << "1.000,00";
        QTest::newRow("negative half") << -2.00005 << "-2,0001";
        QTest::newRow("rounds to zero, no sign") << -0.00001 << "0,00";
        QTest::newRow("binary noise") << 0.1 + 0.2 << "0,30";
        QTest::newRow("sum of cents") << 123456.78 << "123.456,78";
        QTest::newRow("million") << 1000000.0 << "1.000.000,00";
        QTest::newRow("millions with decimals") << 98765432.1 << "98.765.432,10";
        QTest::newRow("under one") << 0.05 << "0,05";
    }
    void amount()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Num::amount(value), text);
    }

    void plain_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 3.0 << "3";
        QTest::newRow("half") << 2.5 << "2,5";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative") << -1.25 << "-1,25";
        QTest::newRow("no grouping") << 1234567.0 << "1234567";
        QTest::newRow("binary noise") << 0.1 + 0.2 << "0,3";
        QTest::newRow("fifteen digits") << 1.0 / 3.0 << "0,333333333333333";
        QTest::newRow("small") << 0.001 << "0,001";
    }
    void plain()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Num::plain(value), text);
    }

    void padAndFixed()
    {
        QCOMPARE(Num::pad(42, 4), QStringLiteral("0042"));
        QCOMPARE(Num::pad(10000, 4), QStringLiteral("10000"));
        QCOMPARE(Num::pad(124, 9), QStringLiteral("000000124"));
        QCOMPARE(Num::fixed(2, 2, 3, u'.'), QStringLiteral("02.000"));
        QCOMPARE(Num::fixed(12.5, 7, 2, u'.'), QStringLiteral("0000012.50"));
        QCOMPARE(Num::fixed(0.125, 1, 2), QStringLiteral("0,13"));
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("grouped") << "1.234,50" << true << 1234.5;
        QTest::newRow("millions") << "1.234.567,891" << true << 1234567.891;
        QTest::newRow("negative") << "-12,5" << true << -12.5;
        QTest::newRow("spaces") << "  3 " << true << 3.0;
        QTest::newRow("zero amount") << "0,00" << true << 0.0;
        QTest::newRow("leading comma") << ",5" << true << 0.5;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("trailing letter") << "12a" << false << 0.0;
        QTest::newRow("two commas") << "1,2,3" << false << 0.0;
        QTest::newRow("point after comma") << "1,5.0" << false << 0.0;
        QTest::newRow("sign alone") << "-" << false << 0.0;
        QTest::newRow("english decimal is grouping") << "1.5" << true << 15.0;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        const std::optional<double> parsed = Num::parse(text);
        QCOMPARE(parsed.has_value(), ok);
        if (ok)
            QCOMPARE(*parsed, value);
    }

    void parseInt()
    {
        QCOMPARE(Num::parseInt(QStringLiteral("41")), std::optional<int>(41));
        QCOMPARE(Num::parseInt(QStringLiteral("2147483648")), std::nullopt);
        QCOMPARE(Num::parseInt(QStringLiteral("")), std::nullopt);
        QCOMPARE(Num::parseInt(QStringLiteral("4,5")), std::nullopt);
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
