#include "config/localdb.h"
#include "config/settings_store.h"
#include "folder_setup.h"
#include "sales/sales_window.h"
#include "shell/clock.h"
#include "shell/message.h"
#include "support/modal.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>


class TestSalesWindow : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QPointer<SalesWindow> m_window;
    QStringList m_asked;
    QList<bool> m_answers;

    template <typename T>
    T* field(const char* name) const
    {
        T* w = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no field %s", name);
        return w;
    }
    QString text(const char* name) const
    {
        if (auto* l = m_window->findChild<QLabel*>(QString::fromLatin1(name)))
            return l->text();
        return field<QLineEdit>(name)->text();
    }
    QLineEdit* box() const { return field<QLineEdit>("srvadi"); }
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget* target = m_window->focusWidget() ? m_window->focusWidget() : m_window.data();
        QTest::keyClick(target, static_cast<Qt::Key>(k), mods);
    }
    void scan(const QString& barcode)
    {
        box()->setFocus();
        QTest::keyClicks(box(), barcode);
        QTest::keyClick(box(), Qt::Key_Return);
    }
    QString cell(int row, int col) const { return m_window->sale(0)->cell(row, col); }

    void openWindow(const std::function<void(const ProgramFolder&)>& prepare = {})
    {
        m_dir = std::make_unique<QTemporaryDir>();
        SetupOptions options;
        options.overwrite = true;
        options.today = QDate(2026, 12, 11);
        QCOMPARE(setupProgramFolder(m_dir->path(), options), QString());
        const ProgramFolder folder(m_dir->path());
        if (prepare)
            prepare(folder);
        m_window = new SalesWindow(folder);
        m_window->resize(1280, 800);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTRY_COMPARE(QApplication::focusWidget(), box());
    }

private slots:
    void initTestCase()
    {
        Clock::setSource([] { return QDateTime(QDate(2026, 12, 11), QTime(10, 30)); });
        setMessageHandler([this](const MessageRequest& r) {
            m_asked.append(r.text);
            return m_answers.isEmpty() ? false : m_answers.takeFirst();
        });
    }

    void init()
    {
        m_asked.clear();
        m_answers.clear();
        openWindow();
    }

    void cleanup()
    {
        if (m_window) {
            m_window->sale(0)->clear(QString(), QString());
            m_window->close();
        }
    }

    void opening()
    {
        QCOMPARE(text("kasaisim"), QStringLiteral("KASA:001"));
        QCOMPARE(text("fisno"), QStringLiteral("0001"));
        QCOMPARE(text("baslik1"), QStringLiteral("KASAPRO MARKET"));
        QCOMPARE(text("gentop1"), QStringLiteral("0,00"));
        QCOMPARE(m_window->findChild<QTableView*>(QStringLiteral("l1"))->model()->columnCount(), 14);
        QAbstractItemModel* reduced = m_window->findChild<QTableView*>(QStringLiteral("l13"))->model();
        QCOMPARE(reduced->columnCount(), 11);
        QCOMPARE(reduced->headerData(10, Qt::Horizontal).toString(), QStringLiteral("TOPLAM TUTAR"));
        // The stored widths apply to all three lists.
        QCOMPARE(m_window->findChild<QTableView*>(QStringLiteral("l13"))->columnWidth(0), 1411 / 15);
        QVERIFY(satisekraniacik);
    }

    void scanAndMerge()
    {
        scan(QStringLiteral("8690000000277"));
        QCOMPARE(box()->text(), QString());
        scan(QStringLiteral("8690000000017"));
        scan(QStringLiteral("8690000000284")); // same stock code as the first
        SaleTab* sale = m_window->sale(0);
        QCOMPARE(sale->rowCount(), 2);
        QCOMPARE(cell(0, ColMiktar), QStringLiteral("2"));
        QCOMPARE(cell(0, ColBarkod), QStringLiteral("8690000000277"));
        QCOMPARE(cell(1, ColSiraNo), QStringLiteral("2"));
        QCOMPARE(sale->selected(), 1);
        QCOMPARE(text("gentop1"), QStringLiteral("34,00"));
        QCOMPARE(text("sttop1"), QStringLiteral("29,901"));
        QVERIFY(!m_window->isBlinking());

        scan(QStringLiteral("0000000"));
        QCOMPARE(box()->text(), QString());
        QVERIFY(m_window->isBlinking());
        QCOMPARE(sale->rowCount(), 2);
        QTest::keyClick(box(), Qt::Key_8);
        QVERIFY(!m_window->isBlinking());
        QCOMPARE(box()->text(), QStringLiteral("8"));
        box()->clear();
        // Enter on an empty box changes nothing and does not blink.
        QTest::keyClick(box(), Qt::Key_Return);
        QVERIFY(!m_window->isBlinking());
        QCOMPARE(sale->rowCount(), 2);
    }

    void quantityDialog()
    {
        scan(QStringLiteral("8690000000116")); // 64,90
        typeIntoModal(QStringLiteral("miktr"), QStringLiteral("2,,5"), Qt::Key_Return); // the second comma is refused
        key(Qt::Key_F3);
        QCOMPARE(cell(0, ColMiktar), QStringLiteral("2,5"));
        QCOMPARE(text("gentop1"), QStringLiteral("162,25"));
        QTRY_COMPARE(QApplication::focusWidget(), box());
        typeIntoModal(QStringLiteral("miktr"), QStringLiteral("9"), Qt::Key_Escape);
        key(Qt::Key_F3);
        QCOMPARE(cell(0, ColMiktar), QStringLiteral("2,5"));
    }

    void payment()
    {
        scan(QStringLiteral("8690000000345")); // 64,90
        key(Qt::Key_F9);
        QCOMPARE(QApplication::focusWidget(), field<QLineEdit>("krd1"));
        QCOMPARE(text("krd1"), QStringLiteral("64,90"));
        QTest::keyClicks(field<QLineEdit>("krd1"), QStringLiteral("20"));
        key(Qt::Key_Return); // Enter in the card box fills the cash share
        QCOMPARE(text("nkit1"), QStringLiteral("44,90"));
        QCOMPARE(text("bky1"), QStringLiteral("0,00"));
        QCOMPARE(QApplication::focusWidget(), box());
        key(Qt::Key_F8);
        QCOMPARE(text("nkit1"), QStringLiteral("44,90"));
        QCOMPARE(field<QLineEdit>("nkit1")->selectedText(), QStringLiteral("44,90"));
        key(Qt::Key_F10);
        QCOMPARE(QApplication::focusWidget(), field<QLineEdit>("para1"));
        QTest::keyClicks(field<QLineEdit>("para1"), QStringLiteral("1x00"));
        key(Qt::Key_Return);
        QCOMPARE(text("para1"), QStringLiteral("100,00"));
        QCOMPARE(text("prust1"), QStringLiteral("55,10"));
        // A new scan resets the cash share.
        scan(QStringLiteral("8690000000017"));
        QCOMPARE(text("nkit1"), QStringLiteral("0,00"));
        QCOMPARE(text("krd1"), QStringLiteral("20,00"));
    }

    void twoStepDelete()
    {
        for (const char* b : {"8690000000017", "8690000000024", "8690000000031"})
            scan(QString::fromLatin1(b));
        m_window->sale(0)->setSelected(1);

        key(Qt::Key_Delete);
        QCOMPARE(m_window->silmemodu(), 1);
        key(Qt::Key_Escape);
        QCOMPARE(m_window->silmemodu(), 0);
        QCOMPARE(m_window->sale(0)->rowCount(), 3);

        key(Qt::Key_Delete);
        m_answers = {false};
        key(Qt::Key_Delete);
        QCOMPARE(m_asked.last(), QStringLiteral("Kaydi Silmek Istediginize Eminmisiniz...?"));
        QCOMPARE(m_window->silmemodu(), 0);
        QCOMPARE(m_window->sale(0)->rowCount(), 3);

        key(Qt::Key_Delete);
        m_answers = {true};
        key(Qt::Key_Delete);
        QCOMPARE(m_window->sale(0)->rowCount(), 2);
        QCOMPARE(cell(1, ColStokKodu), QStringLiteral("SUT001"));
        QCOMPARE(cell(1, ColSiraNo), QStringLiteral("2"));
        QCOMPARE(m_window->sale(0)->selected(), 1);
        QCOMPARE(text("gentop1"), QStringLiteral("42,75"));
        QCOMPARE(m_window->silmemodu(), 0);
    }

    void deleteOnEmptySaleDoesNotArm()
    {
        key(Qt::Key_Delete);
        QCOMPARE(m_window->silmemodu(), 0);
    }

    void arrowsAndTyping()
    {
        for (const char* b : {"8690000000017", "8690000000024", "8690000000031"})
            scan(QString::fromLatin1(b));
        key(Qt::Key_Down);
        QCOMPARE(m_window->sale(0)->selected(), 2); // stays on the last row
        key(Qt::Key_Up);
        key(Qt::Key_Up);
        key(Qt::Key_Up);
        QCOMPARE(m_window->sale(0)->selected(), 0);

        QLineEdit* title = field<QLineEdit>("unvn");
        title->setFocus();
        QTest::keyClick(title, 'Y', Qt::ShiftModifier);
        QTest::keyClicks(title, QStringLiteral("ildiz"));
        QCOMPARE(title->text(), QStringLiteral("Yildiz"));
        QCOMPARE(m_window->sale(0)->customer.unvn, QStringLiteral("Yildiz"));
        typeIntoModal(QStringLiteral("yoneticigirissifre"), QString(), Qt::Key_Escape); // Esc leaves the login
        QTest::keyClick(title, Qt::Key_Y, Qt::ControlModifier); // a command, not a letter
        QCOMPARE(title->text(), QStringLiteral("Yildiz"));
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        title->setFocus();
        QTest::keyClick(title, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), field<QLineEdit>("yet"));
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box());

        // F4 needs title, tax number, tax office and city.
        key(Qt::Key_F4);
        QVERIFY(m_asked.last().startsWith(QStringLiteral("Faturası Çıkıtıs İçin")));
    }

    void newEdocCustomerAndCancel()
    {
        auto* check = m_window->findChild<QCheckBox*>(QStringLiteral("Check1"));
        field<QLineEdit>("unvn")->setText(QStringLiteral("Eski Ünvan"));
        check->click();
        QCOMPARE(text("ckod"), QStringLiteral("120.99.001"));
        QCOMPARE(m_window->sale(0)->customer.tag, QStringLiteral("3"));
        QCOMPARE(text("unvn"), QString());
        QVERIFY(field<QLabel>("efatpic")->isVisibleTo(m_window));
        QVERIFY(!field<QLabel>("earpic")->isVisibleTo(m_window));
        QCOMPARE(text("ftno"), QStringLiteral("A000000001")); // kind 3 takes the plain series

        field<QLineEdit>("vno")->setText(QStringLiteral("1234567890"));
        field<QPushButton>("cariiptal")->click();
        QCOMPARE(text("ckod"), QString());
        QCOMPARE(text("vno"), QString());
        QCOMPARE(m_window->sale(0)->customer.tag, QString());
        QVERIFY(!field<QLabel>("efatpic")->isVisibleTo(m_window));
        QVERIFY(check->isChecked()); // the box keeps its state

        check->click();
        QCOMPARE(text("ckod"), QString());
        QVERIFY(!check->isChecked());
    }

    void closingAsksWhenLinesWouldBeLost()
    {
        scan(QStringLiteral("8690000000017"));
        m_answers = {false};
        QVERIFY(!m_window->close());
        QCOMPARE(m_asked.last(), QStringLiteral(" (SATIS1)  LİSTESİNDE ÜRÜN BULUNUYOR KAPATIRSANIZ TÜM ÜRÜNLER SİLİNECEKTİR. "
                                                "YİNEDE KAPATMAK İSTİYORMUSUNUZ...?"));
        QCOMPARE(m_window->sale(0)->rowCount(), 1);
        QCOMPARE(text("gentop1"), QStringLiteral("10,00"));

        m_window->findChild<QTableView*>(QStringLiteral("l1"))->setColumnWidth(3, 400);
        m_answers = {true};
        QVERIFY(m_window->close());
        QTRY_VERIFY(!m_window);
        QVERIFY(!satisekraniacik);
        WorkstationSettings s;
        SettingsStore(ProgramFolder(m_dir->path())).read(s, {QStringLiteral("olcu")});
        QVERIFY(s.olcu.startsWith(QStringLiteral("-1410-2535-3525-6000-")));
    }

    void shortWidthsAndYesterdaysNumber()
    {
        cleanup();
        openWindow([](const ProgramFolder& folder) {
            LocalDb(folder.dataDbs()).run(QStringLiteral("Update olcu set olcu = ? Where id ='1'"),
                                          {QStringLiteral("-1500-3000-1500-9000")});
            SettingsStore store(folder);
            store.setParam(QStringLiteral("fisnolari"), QStringLiteral("41"));
            store.setParam(QStringLiteral("fisnolaritarih"), QStringLiteral("11.12.2026"));
        });
        auto* list = m_window->findChild<QTableView*>(QStringLiteral("l1"));
        QCOMPARE(list->columnWidth(1), 200);
        QCOMPARE(list->columnWidth(3), 600);
        QCOMPARE(list->columnWidth(4), 2540 / 15);
        auto* reduced = m_window->findChild<QTableView*>(QStringLiteral("l13"));
        QCOMPARE(reduced->columnWidth(0), 100);
        QCOMPARE(reduced->columnWidth(3), 600);
        QCOMPARE(reduced->columnWidth(4), 2540 / 15);
        QCOMPARE(text("fisno"), QStringLiteral("0041"));
        // Closing an empty sale asks nothing.
        const qsizetype asked = m_asked.size();
        QVERIFY(m_window->close());
        QCOMPARE(m_asked.size(), asked);
    }
};

QTEST_MAIN(TestSalesWindow)
#include "test_sales_window.moc"
