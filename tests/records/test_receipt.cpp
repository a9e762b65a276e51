#include "records/exchange.h"
#include "records/pos_export.h"
#include "records/receipt.h"
#include "shell/inifile.h"
#include "support/sale_lines.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A canvas that writes down what is printed where; one millimetre a letter.
class RecordingCanvas : public ReceiptCanvas {
public:
    struct Print {
        double x, y;
        QString text;
    };
    QList<Print> prints;
    QStringList fonts;
    double y = 0;

    void setFont(const QString& name, int size, bool bold) override
    {
        fonts.append(name + u'/' + QString::number(size) + (bold ? QStringLiteral("/B") : QString()));
    }
    double textWidthMm(const QString& text) const override { return text.size(); }
    double lineY() const override { return y; }
    void setLineY(double mm) override { y = mm; }
    void printLine(double x, const QString& text) override
    {
        prints.append({x, y, text});
        y += 5;
    }
    void endDocument() override { ended = true; }
    bool ended = false;

    QStringList texts() const
    {
        QStringList out;
        for (const Print& p : prints)
            out.append(p.text);
        return out;
    }
    QList<Print> onLine(double at) const
    {
        QList<Print> out;
        for (const Print& p : prints)
            if (p.y == at)
                out.append(p);
        return out;
    }
};

ReceiptLayoutSettings layout()
{
    ReceiptLayoutSettings l;
    l.baslikBilgi = QStringLiteral("<>Arial<>12<>1");
    l.baslikText = QStringLiteral("KASAPRO MARKET");
    l.fisBilgi = QStringLiteral("<>Arial<>8<>0");
    l.ust = QStringLiteral("Çarşı Mah.\r\nİstanbul");
    l.alt = QStringLiteral("Teşekkürler");
    l.urunBilgi = QStringLiteral("<>Courier<>9<>0");
    l.fnt = QStringLiteral("1");
    l.b1 = QStringLiteral("40");
    l.b2 = QStringLiteral("40");
    l.b3 = QStringLiteral("10");
    l.b4 = QStringLiteral("6");
    l.b5 = QStringLiteral("4");
    l.b6 = QStringLiteral("9");
    l.sol = QStringLiteral("2");
    return l;
}

} // namespace

class TestReceipt : public QObject {
    Q_OBJECT
private slots:
    void wrapping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits") << "abc def" << 7.0 << QStringList{"abc def"};
        QTest::newRow("at a word") << "abc def ghi" << 7.0 << QStringList{"abc def", "ghi"};
        QTest::newRow("long word broken") << "abcdefghij" << 4.0 << QStringList{"abcd", "efgh", "ij"};
        QTest::newRow("line breaks kept") << "ab\r\ncd" << 10.0 << QStringList{"ab", "cd"};
        QTest::newRow("empty") << "" << 10.0 << QStringList{""};
    }
    void wrapping()
    {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(QStringList, lines);
        QCOMPARE(wrapText(text, width, [](const QString& t) { return double(t.size()); }), lines);
    }

    void tumtextForm()
    {
        QCOMPARE(::tumtextForm({QString()}), QStringLiteral("<\\?\\><\\?\\><\\?\\><*say*>1<*say*>"));
        const QString two = ::tumtextForm({QStringLiteral("abc"), QStringLiteral("de")});
        QCOMPARE(two.split(QStringLiteral("<*say*>")).at(1), QStringLiteral("2"));
        QCOMPARE(two.split(QStringLiteral("<\\?\\>")).at(2), QStringLiteral("de"));
    }

    void receiptLayout()
    {
        RecordingCanvas canvas;
        ReceiptData data;
        data.fisno = QStringLiteral("0042");
        data.when = QDateTime(QDate(2026, 12, 11), QTime(14, 5, 9));
        data.lines = {lineWith({{ColCinsi, "1234"}, {ColMiktar, "2"}, {ColKdv, "20"}, {ColToplamTutar, "24,00"}}),
                      lineWith({{ColCinsi, "Zeytinyağı Sızma Extra"}, {ColMiktar, "1"}, {ColKdv, "1"},
                                {ColToplamTutar, "1.374,00"}})};
        data.sttop = QStringLiteral("1.165,00");
        data.kdvtop = QStringLiteral("233,00");
        data.gentop = QStringLiteral("1.398,00");
        data.para = QStringLiteral("0,00");
        data.prust = QStringLiteral("0,00");
        data.cashierCode = QStringLiteral("P01");
        data.cashierName = QStringLiteral("Ayşe");
        printReceipt(canvas, layout(), data);
        QVERIFY(canvas.ended);

        const QStringList texts = canvas.texts();
        QCOMPARE(texts.mid(0, 6), (QStringList{"KASAPRO MARKET", "Çarşı Mah.", "İstanbul", "TARİH: 11.12.2026  SAAT: 14:5",
                                               "FIS NO: 0042", ""}));
        // A product row: name at sol, "X" at sol+w3+2, " %" at sol+w3+w4+2, "*" at sol+w3+w4+w6+2.
        const double rowY = canvas.prints.at(6).y;
        QList<QPair<double, QString>> row;
        for (const auto& p : canvas.onLine(rowY))
            row.append({p.x, p.text});
        QCOMPARE(row, (QList<QPair<double, QString>>{{2, "1.234,00"}, {14, "X2"}, {20, " %20"}, {29, "*24,00"}}));
        // A long name goes on below at the margin; its third line is lost.
        const double second = canvas.prints.at(10).y;
        QCOMPARE(canvas.onLine(second).first().text, QStringLiteral("Zeytinyağı"));
        QCOMPARE(canvas.onLine(second + 5).size(), 1);
        QCOMPARE(canvas.onLine(second + 5).first().text, QStringLiteral("Sızma"));
        QCOMPARE(canvas.onLine(second + 5).first().x, 2.0);
        QVERIFY(!texts.contains(QStringLiteral("Extra")));
        // Totals: label at sol+w3, "*" value at the amount column.
        const qsizetype aratop = texts.indexOf(QStringLiteral("ARATOP"));
        QCOMPARE(canvas.prints.at(aratop).x, 12.0);
        QCOMPARE(canvas.prints.at(aratop + 1).text, QStringLiteral("*1.165,00"));
        QCOMPARE(canvas.prints.at(aratop + 1).x, 29.0);
        QCOMPARE(texts.mid(aratop, 14), (QStringList{"ARATOP", "*1.165,00", "TOPKDV", "*233,00", "TOPLAM", "*1.398,00", "",
                                                     "NAKİT", "*0,00", "P.ÜSTÜ", "*0,00", "", "Kasiyer: P01  Ayşe",
                                                     "Teşekkürler"}));
        QCOMPARE(canvas.fonts.first(), QStringLiteral("Arial/12/B"));

        // Without font names only size and bold follow the styles.
        ReceiptLayoutSettings plain = layout();
        plain.fnt = QStringLiteral("0");
        RecordingCanvas empty;
        const QString zero = QStringLiteral("0,00");
        printReceipt(empty, plain, ReceiptData{QStringLiteral("0001"), data.when, {}, zero, zero, zero, zero, zero, {}, {}});
        QCOMPARE(empty.fonts.first(), QStringLiteral("/12/B"));
        QCOMPARE(empty.texts().count(QStringLiteral("*0,00")), 5);
        QVERIFY(!empty.texts().join(u' ').contains(QStringLiteral("Kasiyer")));
    }

    void posFileBytes()
    {
        const SaleLine a = lineWith({{ColPlu, "17"}, {ColCinsi, "Zeytinyağı Sızma 1 L"}, {ColBarkod, "8690000000178"},
                                     {ColDep, "1"}, {ColMiktar, "100"}, {ColBirimFiyat, "389,00"}});
        SaleLine b = lineWith({{ColPlu, "21"}, {ColCinsi, "Çikolatalı Bisküvi"}, {ColBarkod, "8690000000215"},
                               {ColDep, "2"}, {ColMiktar, "2,5"}, {ColBirimFiyat, "12,50"}});
        bool ok = false;
        const QByteArray bytes = PosExport::build({a, b}, QStringLiteral("kredi"), QStringLiteral("1"),
                                                  QStringLiteral("38.931,25"), &ok);
        QVERIFY(ok);
        QCOMPARE(bytes, QByteArray("SATIS;17;Zeytinya\xA7\x8D S\x8Dzma 1 L;8690000000178       ;1 ;100.00;0000389.00;\r\n"
                                   "SATIS;21;\x80ikolatal\x8D Bisk\x81vi  ;8690000000215       ;2 ;02.500;0000012.50;\r\n"
                                   "KREDI;1;;;;38.931.25;\r\n"));
        QCOMPARE(PosExport::build({b}, QStringLiteral("nakit"), QString(), QString(), &ok).right(12),
                 QByteArray("\r\nNAKIT;;;\r\n"));
        QVERIFY(!PosExport::build({b}, QString(), QString(), QString(), &ok).contains("NAKIT"));
        b[ColMiktar] = QStringLiteral(",");
        PosExport::build({b}, QString(), QString(), QString(), &ok);
        QVERIFY(!ok);
    }

    void exchangeCopies21Days()
    {
        QTemporaryDir local, shared;
        const QDate today(2026, 12, 11);
        for (int day = 0; day <= 22; ++day) {
            QFile f(local.filePath(QStringLiteral("HR") + today.addDays(-day).toString(QStringLiteral("ddMMyy"))
                                   + QStringLiteral(".001")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray::number(day));
        }
        const QStringList copied = Exchange::sendMovementFiles(local.path(), shared.path(), QStringLiteral("001"), today);
        QCOMPARE(copied.size(), 21);
        QVERIFY(QFile::exists(shared.filePath(QStringLiteral("HR211126.001")))); // 20 days ago
        QVERIFY(!QFile::exists(shared.filePath(QStringLiteral("HR201126.001")))); // 21 days ago
        QCOMPARE(QDir(shared.path()).entryList(QDir::Files | QDir::Hidden).size(), 21); // no temporary files left

        // Any HRGND value, even "0", holds them back.
        QTemporaryDir held;
        Ini::writeKey(QStringLiteral("HRGND"), QStringLiteral("001"), QStringLiteral("0"),
                      held.filePath(QStringLiteral("TKMKON.tkm")));
        QVERIFY(Exchange::sendMovementFiles(local.path(), held.path(), QStringLiteral("001"), today).isEmpty());
        QVERIFY(Exchange::sendMovementFiles(local.path(), held.path(), QStringLiteral("002"), today).isEmpty());
        // An unreachable folder copies nothing and says nothing.
        QVERIFY(Exchange::sendMovementFiles(local.path(), QStringLiteral("/yok/TKMGENEL"), QStringLiteral("001"), today)
                    .isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestReceipt)
#include "test_receipt.moc"
