#include "config/localdb.h"
#include "config/programfolder.h"
#include "folder_setup.h"
#include "sales/key_routing.h"
#include "sales/product_lookup.h"
#include "sales/sale_model.h"
#include "sales/sales_settings.h"
#include "shell/numbers.h"

#include <QTemporaryDir>
#include <QTest>


class TestSaleModel : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    int m_products = 0;
    QString urun() const { return ProgramFolder(m_dir.path()).urunDbs(); }

    // A product row with the given values, read through the store.
    int enter(SaleTab& sale, double price, int rate, double discount, const QString& fytno = QStringLiteral("Genel"),
              const QVariantList& levels = {0.0, 0.0, 0.0, 0.0, 0.0})
    {
        LocalDb db(urun());
        const QString code = QStringLiteral("T") + QString::number(++m_products);
        db.run(QStringLiteral("INSERT INTO kasa VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
               {code, code, QString(QStringLiteral("Ürün ") + code), QStringLiteral("ADET"), rate, price, levels.at(0),
                levels.at(1), levels.at(2), levels.at(3), levels.at(4), discount, QStringLiteral("9"), QStringLiteral("2")});
        return ProductLookup(urun(), fytno).enterBarcode(sale, code).row;
    }

private slots:
    void initTestCase()
    {
        SetupOptions options;
        options.overwrite = true;
        QCOMPARE(setupProgramFolder(m_dir.path(), options), QString());
    }

    void totals_data()
    {
        QTest::addColumn<QList<QStringList>>("lines"); // price, rate, discount, quantity
        QTest::addColumn<QStringList>("totals");       // sttop, kdvtop, indtop, gentop
        QTest::newRow("118 at 18") << QList<QStringList>{{"118", "18", "0", "1"}}
                                   << QStringList{"100,00", "18,00", "0,00", "118,00"};
        QTest::newRow("two rates") << QList<QStringList>{{"10,80", "8", "0", "1"}, {"23,60", "18", "0", "1"}}
                                   << QStringList{"30,00", "4,40", "0,00", "34,40"};
        QTest::newRow("with discount") << QList<QStringList>{{"10", "18", "1,5", "1"}}
                                       << QStringList{"7,2034", "1,2966", "1,50", "8,50"};
        QTest::newRow("rate 1") << QList<QStringList>{{"101", "1", "0", "1"}}
                                << QStringList{"100,00", "1,00", "0,00", "101,00"};
        QTest::newRow("no single-precision limit") << QList<QStringList>{{"123456,78", "20", "0", "1"}}
                                                   << QStringList{"102.880,65", "20.576,13", "0,00", "123.456,78"};
        QTest::newRow("kuruş over many lines") << QList<QStringList>{{"0,1", "20", "0", "3"}, {"0,2", "10", "0", "7"}}
                                               << QStringList{"1,5227", "0,1773", "0,00", "1,70"};
        QTest::newRow("quantity 2,5 with discount") << QList<QStringList>{{"4", "10", "0,4", "2,5"}}
                                                    << QStringList{"8,1818", "0,8182", "1,00", "9,00"};
    }
    void totals()
    {
        QFETCH(QList<QStringList>, lines);
        QFETCH(QStringList, totals);
        SaleTab sale;
        for (const QStringList& l : lines) {
            const int row = enter(sale, *Num::parse(l[0]), l[1].toInt(), *Num::parse(l[2]));
            sale.setSelected(row);
            sale.setQuantity(l[3]);
        }
        QCOMPARE((QStringList{sale.sttop, sale.kdvtop, sale.indtop, sale.gentop}), totals);
    }

    void lineArithmetic()
    {
        SaleTab sale;
        const int row = enter(sale, 4, 10, 0.4);
        QCOMPARE(sale.cell(row, ColSiraNo), QStringLiteral("1"));
        QCOMPARE(sale.cell(row, ColBirimFiyat), QStringLiteral("4,00"));
        QCOMPARE(sale.cell(row, ColMiktar), QStringLiteral("1"));
        QCOMPARE(sale.cell(row, ColToplamTutar), QStringLiteral("3,60"));
        QCOMPARE(sale.cell(row, ColPlu), QStringLiteral("9"));
        QCOMPARE(sale.cell(row, ColDep), QStringLiteral("2"));
        sale.setQuantity(QStringLiteral("2,5"));
        QCOMPARE(sale.cell(row, ColMiktar), QStringLiteral("2,5"));
        QCOMPARE(sale.cell(row, ColTutar), QStringLiteral("10,00"));
        QCOMPARE(sale.cell(row, ColIndTop), QStringLiteral("1,00"));
        QCOMPARE(sale.cell(row, ColToplamTutar), QStringLiteral("9,00"));
        sale.raiseQuantity(1);
        QCOMPARE(sale.cell(row, ColMiktar), QStringLiteral("3,5"));
        QCOMPARE(sale.cell(row, ColToplamTutar), QStringLiteral("12,60"));
        // A quantity that is not a number is shown; the amounts keep their texts.
        sale.setQuantity(QStringLiteral(","));
        QCOMPARE(sale.cell(row, ColMiktar), QStringLiteral(","));
        QCOMPARE(sale.cell(row, ColToplamTutar), QStringLiteral("12,60"));
        sale.setQuantity(QStringLiteral("0"));
        QCOMPARE(sale.cell(row, ColTutar), QStringLiteral("0,00"));
        QCOMPARE(sale.gentop, QStringLiteral("0,00"));
    }

    void priceLevels_data()
    {
        QTest::addColumn<QString>("fytno");
        QTest::addColumn<QString>("price");
        QTest::newRow("Genel") << "Genel" << "50,00";
        QTest::newRow("Fiyat1") << "Fiyat1" << "45,00";
        QTest::newRow("Fiyat2 zero falls back") << "Fiyat2" << "50,00";
        QTest::newRow("lower case matches nothing") << "fiyat1" << "50,00";
        QTest::newRow("empty") << "" << "50,00";
        QTest::newRow("Fiyat5") << "Fiyat5" << "41,50";
    }
    void priceLevels()
    {
        QFETCH(QString, fytno);
        QFETCH(QString, price);
        SaleTab sale;
        const int row = enter(sale, 50, 20, 0, fytno, {45.0, 0.0, 44.0, 43.0, 41.5});
        QCOMPARE(sale.cell(row, ColBirimFiyat), price);
        QCOMPARE(sale.cell(row, ColTutar), price);
    }

    void mergeOnStockCode()
    {
        SaleTab sale;
        const ProductLookup lookup(urun(), QStringLiteral("Genel"));
        QCOMPARE(lookup.enterBarcode(sale, QStringLiteral("8690000000277")).kind, EntryOutcome::Added);
        QCOMPARE(lookup.enterBarcode(sale, QStringLiteral("8690000000017")).kind, EntryOutcome::Added);
        sale.setSelected(1);
        // Another barcode of the same stock code raises the first line.
        const EntryOutcome merged = lookup.enterBarcode(sale, QStringLiteral("8690000000284"));
        QCOMPARE(merged.kind, EntryOutcome::Merged);
        QVERIFY(merged.found);
        QCOMPARE(sale.rowCount(), 2);
        QCOMPARE(sale.cell(0, ColMiktar), QStringLiteral("2"));
        QCOMPARE(sale.cell(0, ColBarkod), QStringLiteral("8690000000277"));
        QCOMPARE(sale.cell(0, ColToplamTutar), QStringLiteral("24,00"));
        QCOMPARE(sale.selected(), 1); // the selection stays
        QCOMPARE(lookup.enterStockCode(sale, QStringLiteral("EKM001")).kind, EntryOutcome::Merged);
        QCOMPARE(sale.cell(1, ColMiktar), QStringLiteral("2"));
        QCOMPARE(lookup.enterStockCode(sale, QStringLiteral("CAY001")).kind, EntryOutcome::Added);
        QCOMPARE(sale.selected(), 2);
        QCOMPARE(sale.gentop, QStringLiteral("263,00"));

        QCOMPARE(lookup.enterBarcode(sale, QStringLiteral("0000")).kind, EntryOutcome::NotFound);
        QCOMPARE(lookup.enterBarcode(sale, QStringLiteral("86900'00")).kind, EntryOutcome::NotFound);
        const EntryOutcome missing = ProductLookup(m_dir.filePath(QStringLiteral("yok.dbs")), QString())
                                         .enterStockCode(sale, QStringLiteral("SKR001"));
        QCOMPARE(missing.kind, EntryOutcome::Failed);
        QVERIFY(missing.storeUnreachable);
        QCOMPARE(sale.rowCount(), 3);
    }

    void removalAndSelection()
    {
        SaleTab sale;
        for (int i = 0; i < 5; ++i)
            enter(sale, 10 * (i + 1), 20, 0);
        QCOMPARE(sale.gentop, QStringLiteral("150,00"));
        sale.setSelected(2);
        QVERIFY(sale.removeSelected());
        QCOMPARE(sale.rowCount(), 4);
        QCOMPARE(sale.selected(), 2);
        QCOMPARE(sale.cell(2, ColBirimFiyat), QStringLiteral("40,00"));
        QCOMPARE(sale.cell(3, ColSiraNo), QStringLiteral("4"));
        QCOMPARE(sale.gentop, QStringLiteral("120,00"));
        sale.setSelected(3);
        QVERIFY(sale.removeSelected());
        QCOMPARE(sale.selected(), 2); // the new last row
        QVERIFY(!sale.moveSelection(false));
        QVERIFY(sale.moveSelection(true));
        QCOMPARE(sale.selected(), 1);
        sale.setSelected(0);
        QVERIFY(!sale.moveSelection(true));
        while (!sale.isEmpty()) {
            sale.setSelected(0);
            sale.removeSelected();
        }
        QCOMPARE(sale.selected(), -1);
        QCOMPARE((QStringList{sale.sttop, sale.kdvtop, sale.indtop, sale.gentop}),
                 (QStringList{"0,00", "0,00", "0,00", "0,00"}));
    }

    void payment()
    {
        SaleTab sale;
        enter(sale, 50, 20, 0);
        sale.krd = QStringLiteral("20");
        sale.fillCash(); // F8
        QCOMPARE(sale.nkit, QStringLiteral("30,00"));
        QCOMPARE(sale.krd, QStringLiteral("20,00"));
        QCOMPARE(sale.bky, QStringLiteral("0,00"));
        sale.para = QStringLiteral("100");
        sale.recomputePayment(); // Enter in "NAKİT ÖDEME:"
        QCOMPARE(sale.prust, QStringLiteral("70,00"));
        QCOMPARE(sale.para, QStringLiteral("100,00"));
        sale.para = QStringLiteral("10");
        sale.recomputePayment();
        QCOMPARE(sale.prust, QStringLiteral("0,00")); // never a negative change
        sale.nkit = QStringLiteral("5");
        sale.fillCard(); // F9
        QCOMPARE(sale.krd, QStringLiteral("45,00"));
        // A payment field that is not a number stops the recomputation there.
        sale.nkit = QString();
        sale.para = QStringLiteral("7");
        sale.recomputePayment();
        QCOMPARE(sale.para, QStringLiteral("7"));

        sale.customer.ckod = QStringLiteral("120.01.001");
        sale.customer.tag = QStringLiteral("1");
        sale.customer.unvn = QStringLiteral("Yıldız Gıda");
        sale.clear(QStringLiteral("120.99"), QStringLiteral("Peşin Müşteri"));
        QVERIFY(sale.isEmpty());
        QCOMPARE(sale.customer.ckod, QStringLiteral("120.01.001"));
        QCOMPARE(sale.customer.tag, QStringLiteral("1"));
        QCOMPARE(sale.customer.unvn, QString());
        QCOMPARE(sale.cr2, QStringLiteral("Peşin Müşteri"));
        QCOMPARE((QStringList{sale.gentop, sale.nkit, sale.krd, sale.para, sale.prust, sale.bky}),
                 (QStringList{"0,00", "0,00", "0,00", "0,00", "0,00", "0,00"}));
    }

    void reducedSaleChange_data()
    {
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("change");
        QTest::newRow("change") << "50" << "32,40" << "17,60";
        QTest::newRow("under one") << "0,99" << "0,50" << "0,00";
        QTest::newRow("short of the total") << "10" << "32,40" << "-22,40";
        QTest::newRow("not a number") << "," << "32,40" << "0,00";
    }
    void reducedSaleChange()
    {
        QFETCH(QString, cash);
        QFETCH(QString, total);
        QFETCH(QString, change);
        QCOMPARE(::reducedSaleChange(cash, total), change);
    }

    void keyRouting_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("paymentMode");
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("deleteMode");
        QTest::addColumn<int>("command"); // -1: left to the field
        const int none = Qt::NoModifier;
        auto row = [&](const char* name, int key, int mods, bool pay, int tab, bool del, int cmd) {
            QTest::newRow(name) << key << mods << pay << tab << del << cmd;
        };
        row("F2 saves", Qt::Key_F2, none, false, 0, false, int(SalesCommand::ReceiptSave));
        row("F2 with Shift too", Qt::Key_F2, Qt::ShiftModifier, false, 0, false, int(SalesCommand::ReceiptSave));
        row("F2 on tab 3", Qt::Key_F2, none, false, 2, false, -1);
        row("F6 on any tab", Qt::Key_F6, none, false, 2, false, int(SalesCommand::StockSearch));
        row("F7 is the return invoice", Qt::Key_F7, none, false, 0, false, int(SalesCommand::ReturnInvoicePrint));
        row("Ctrl+Y administrator", Qt::Key_Y, Qt::ControlModifier, false, 0, false, int(SalesCommand::Administrator));
        row("Shift+Y types", Qt::Key_Y, Qt::ShiftModifier, false, 0, false, -1);
        row("Ctrl+Shift+Y nothing", Qt::Key_Y, Qt::ControlModifier | Qt::ShiftModifier, false, 0, false, -1);
        row("plain letter", Qt::Key_A, none, false, 0, false, -1);
        row("Ctrl+1", Qt::Key_1, Qt::ControlModifier, false, 0, false, int(SalesCommand::CopyPosFile));
        row("keypad 1", Qt::Key_1, Qt::KeypadModifier, false, 0, false, int(SalesCommand::CopyPosFile));
        row("main 1 types", Qt::Key_1, none, false, 0, false, -1);
        row("Delete arms in the box", Qt::Key_Delete, none, false, 0, false, -1);
        row("Delete removes", Qt::Key_Delete, none, false, 0, true, int(SalesCommand::DeleteLine));
        row("Esc leaves delete mode", Qt::Key_Escape, none, false, 0, true, int(SalesCommand::LeaveDeleteMode));
        row("Tab to barcode", Qt::Key_Tab, none, false, 0, false, int(SalesCommand::FocusBarcode));
        row("Up", Qt::Key_Up, Qt::ShiftModifier, false, 0, false, int(SalesCommand::SelectUp));
        row("Ctrl+K", Qt::Key_K, Qt::ControlModifier, false, 0, false, int(SalesCommand::CashBook));
        row("Ctrl+T", Qt::Key_T, Qt::ControlModifier, false, 0, false, int(SalesCommand::ForcedReceipt));
        row("Ctrl+X", Qt::Key_X, Qt::ControlModifier, false, 0, false, int(SalesCommand::ConnectRegister));
        row("pay: Esc cancels", Qt::Key_Escape, none, true, 0, false, int(SalesCommand::CancelRegisterReceipt));
        row("pay: F2 cash", Qt::Key_F2, none, true, 0, false, int(SalesCommand::PayCash));
        row("pay: F8 hidden return", Qt::Key_F8, none, true, 0, false, -1);
        row("pay: F9 nothing", Qt::Key_F9, none, true, 0, false, -1);
        row("pay: Delete nothing", Qt::Key_Delete, none, true, 0, true, -1);
        row("pay: Ctrl+Y nothing", Qt::Key_Y, Qt::ControlModifier, true, 0, false, -1);
    }
    void keyRouting()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, paymentMode);
        QFETCH(int, tab);
        QFETCH(bool, deleteMode);
        QFETCH(int, command);
        KeyContext c;
        c.paymentMode = paymentMode;
        c.tab = tab;
        c.deleteMode = deleteMode;
        const auto routed = routeKey(key, Qt::KeyboardModifiers(modifiers), c);
        QCOMPARE(routed ? int(*routed) : -1, command);
    }

    void openingReceiptNumber_data()
    {
        QTest::addColumn<QString>("fisnolari");
        QTest::addColumn<QString>("tarih");
        QTest::addColumn<QString>("shown");
        QTest::newRow("today") << "42" << "11.12.2026" << "0042";
        QTest::newRow("yesterday") << "42" << "10.12.2026" << "0001";
        QTest::newRow("five digits") << "10000" << "11.12.2026" << "10000";
        QTest::newRow("missing file") << "" << "" << "0001";
    }
    void openingReceiptNumber()
    {
        QFETCH(QString, fisnolari);
        QFETCH(QString, tarih);
        QFETCH(QString, shown);
        ParamSettings p;
        p.fisnolari = fisnolari;
        p.fisnolaritarih = tarih;
        QCOMPARE(::openingReceiptNumber(p, QDate(2026, 12, 11)), shown);
    }
};

QTEST_APPLESS_MAIN(TestSaleModel)
#include "test_sale_model.moc"
