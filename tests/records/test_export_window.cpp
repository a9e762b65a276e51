#include "config/localdb.h"
#include "config/settings_store.h"
#include "folder_setup.h"
#include "records/movement_file.h"
#include "records/pos_export.h"
#include "records/print_device.h"
#include "sales/sales_window.h"
#include "shell/clock.h"
#include "shell/inifile.h"
#include "shell/message.h"
#include "support/modal.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Words of a PDF with their left edge in millimetres, from pdftotext -bbox.
struct Word {
    double xMm, yMm;
    QString text;
};
QList<Word> pdfWords(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"(-?[0-9.]+)\" yMin=\"(-?[0-9.]+)\" xMax=\"-?[0-9.]+\" yMax=\"-?[0-9.]+\">([^<]*)</word>"));
    QList<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.append({m.captured(1).toDouble() * 25.4 / 72, m.captured(2).toDouble() * 25.4 / 72,
                      m.captured(3).replace(QStringLiteral("&amp;"), QStringLiteral("&"))});
    }
    return words;
}

} // namespace

class TestExportWindow : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_shared;
    QTemporaryDir m_export;
    QDateTime m_now{QDate(2026, 12, 11), QTime(14, 5, 9)};
    QStringList m_asked;

    struct Till {
        std::unique_ptr<QTemporaryDir> dir;
        QPointer<SalesWindow> window;
        ProgramFolder folder() const { return ProgramFolder(dir->path()); }
    };

    Till open(const QString& registerName, const std::function<void(const ProgramFolder&)>& prepare = {})
    {
        Till t;
        t.dir = std::make_unique<QTemporaryDir>();
        SetupOptions options;
        options.overwrite = true;
        options.registerName = registerName;
        options.today = m_now.date();
        const QString error = setupProgramFolder(t.dir->path(), options);
        if (!error.isEmpty())
            qFatal("%s", qPrintable(error));
        const SettingsStore store(t.folder());
        store.setParam(QStringLiteral("tkmgen"), m_shared.path());
        store.setParam(QStringLiteral("tkmposfis"), m_export.path());
        store.setParam(QStringLiteral("kredino"), QStringLiteral("3"));
        if (prepare)
            prepare(t.folder());
        t.window = new SalesWindow(t.folder());
        t.window->show();
        t.window->activateWindow();
        if (!QTest::qWaitForWindowActive(t.window))
            qFatal("window not active");
        return t;
    }

    void scan(SalesWindow* w, const QString& barcode)
    {
        auto* box = w->findChild<QLineEdit*>(QStringLiteral("srvadi"));
        box->setFocus();
        QTest::keyClicks(box, barcode);
        QTest::keyClick(box, Qt::Key_Return);
    }
    void key(SalesWindow* w, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, k, mods);
    }
    void save(SalesWindow* w, Qt::Key choice)
    {
        typeIntoModal(QStringLiteral("fiskaydettipiform"), QString(), choice);
        key(w, Qt::Key_F2);
        QTRY_VERIFY(!w->exchangeBusy());
    }
    void close(Till& t)
    {
        if (t.window) {
            t.window->sale(0)->clear(QString(), QString());
            t.window->close();
        }
        QTRY_VERIFY(!t.window);
    }

private slots:
    void initTestCase()
    {
        Clock::setSource([this] { return m_now; });
        setMessageHandler([this](const MessageRequest& r) {
            m_asked.append(r.text);
            return true;
        });
    }

    void receiptPrintedToPdf()
    {
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("fis.pdf"));
        PdfPrinters printers({QStringLiteral("TM-T20")}, pdf);
        setPrinterService(&printers);
        Till t = open(QStringLiteral("001"), [](const ProgramFolder& f) {
            LocalDb(f.dataDbs()).run(QStringLiteral("Update yazici set yazici1 = ?, yazdirma = '1' Where id ='1'"),
                                     {QStringLiteral("TM-T20")});
        });
        scan(t.window, QStringLiteral("8690000000277"));
        scan(t.window, QStringLiteral("8690000000215"));
        save(t.window, Qt::Key_F2);
        QCOMPARE(printers.documents(), 1);

        const QList<Word> words = pdfWords(pdf);
        // The printed lines: words on one height, left to right.
        QMap<int, QMap<double, QString>> rows;
        for (const Word& w : words)
            rows[qRound(w.yMm * 2)][w.xMm] = w.text;
        QStringList lines;
        for (const auto& row : std::as_const(rows))
            lines.append(QStringList(row.values()).join(u' '));
        const QString all = lines.join(u'\n');
        for (const char* expected : {"KASAPRO MARKET", "Kasapro Gıda Ltd. Şti.", "TARİH: 11.12.2026 SAAT: 14:5",
                                     "FIS NO: 0001", "Su 1,5 L X1 %20 *12,00", "ARATOP *20,00", "TOPLAM *23,00",
                                     "NAKİT *0,00", "Bizi tercih ettiğiniz için teşekkür ederiz."})
            QVERIFY2(all.contains(QString::fromUtf8(expected)), qPrintable(all));
        // Columns at their millimetres: sol 2, w3 30, w4 12, w6 18.
        auto xOf = [&words](const QString& text) {
            for (const Word& w : words)
                if (w.text == text)
                    return w.xMm;
            return -1.0;
        };
        QVERIFY(qAbs(xOf(QStringLiteral("Su")) - 2) < 0.6);
        QVERIFY(qAbs(xOf(QStringLiteral("X1")) - (2 + 30 + 2)) < 0.6);
        QVERIFY(qAbs(xOf(QStringLiteral("*12,00")) - (2 + 30 + 12 + 18 + 2)) < 0.6);
        QVERIFY(qAbs(xOf(QStringLiteral("ARATOP")) - (2 + 30)) < 0.6);
        // " %" + rate: the word starts after the space.
        QVERIFY(xOf(QStringLiteral("%20")) > 2 + 30 + 12 + 2 && xOf(QStringLiteral("%20")) < 2 + 30 + 12 + 2 + 2);

        // An invoice save (F11) prints nothing.
        scan(t.window, QStringLiteral("8690000000017"));
        typeIntoModal(QStringLiteral("fiskaydettipiform"), QString(), Qt::Key_F2);
        key(t.window, Qt::Key_F11);
        QTRY_VERIFY(!t.window->exchangeBusy());
        QVERIFY(t.window->sale(0)->isEmpty());
        QCOMPARE(printers.documents(), 1);
        close(t);
        setPrinterService(nullptr);
    }

    void missingPrinterStillSaves()
    {
        QTemporaryDir out;
        PdfPrinters printers({QStringLiteral("Başka Yazıcı")}, out.filePath(QStringLiteral("x.pdf")));
        setPrinterService(&printers);
        Till t = open(QStringLiteral("001"), [](const ProgramFolder& f) {
            LocalDb(f.dataDbs()).run(QStringLiteral("Update yazici set yazici1 = 'TM-T20', yazdirma = '1' Where id ='1'"));
        });
        m_asked.clear();
        scan(t.window, QStringLiteral("8690000000017"));
        save(t.window, Qt::Key_F2);
        QCOMPARE(m_asked, QStringList{QStringLiteral("Yazıcı Bulunamadı.Ayarlardan Yazıcı Kontrolu Yapıp Tekrar Deneyiniz...")});
        QVERIFY(t.window->sale(0)->isEmpty());
        QVERIFY(QFile::exists(t.folder().haraketDir() + QStringLiteral("/HR111226.001")));
        QCOMPARE(printers.documents(), 0);
        close(t);

        // With printing off a save prints nothing and says nothing; Ctrl+T still prints.
        Till quiet = open(QStringLiteral("001"), [](const ProgramFolder& f) {
            LocalDb(f.dataDbs()).run(QStringLiteral("Update yazici set yazici1 = ?, yazdirma = '0' Where id ='1'"),
                                     {QStringLiteral("Başka Yazıcı")});
        });
        m_asked.clear();
        scan(quiet.window, QStringLiteral("8690000000017"));
        key(quiet.window, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(printers.documents(), 1);
        save(quiet.window, Qt::Key_F2);
        QCOMPARE(printers.documents(), 1);
        QVERIFY(m_asked.isEmpty());
        close(quiet);
        setPrinterService(nullptr);
    }

    void posFileAndItsCopy()
    {
        Till t = open(QStringLiteral("001"));
        scan(t.window, QStringLiteral("8690000000178"));
        typeIntoModal(QStringLiteral("miktr"), QStringLiteral("100"), Qt::Key_Return);
        key(t.window, Qt::Key_F3);
        key(t.window, Qt::Key_F9); // all by card
        key(t.window, Qt::Key_Return);
        save(t.window, Qt::Key_F3);
        const QByteArray expected("SATIS;17;Zeytinya\xA7\x8D S\x8Dzma 1 L;8690000000178       ;1 ;100.00;0000389.00;\r\n"
                                  "KREDI;3;;;;37.400.00;\r\n");
        QCOMPARE(readAll(t.folder().posfisDir() + QStringLiteral("/001")), expected);
        QCOMPARE(readAll(m_export.filePath(QStringLiteral("001"))), expected);

        // Ctrl+1 and the keypad's 1 copy the last file again.
        QFile::remove(m_export.filePath(QStringLiteral("001")));
        key(t.window, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(readAll(m_export.filePath(QStringLiteral("001"))), expected);
        QFile::remove(m_export.filePath(QStringLiteral("001")));
        key(t.window, Qt::Key_1, Qt::KeypadModifier);
        QCOMPARE(readAll(m_export.filePath(QStringLiteral("001"))), expected);
        // An invoice save (F11) writes no export.
        QFile::remove(t.folder().posfisDir() + QStringLiteral("/001"));
        scan(t.window, QStringLiteral("8690000000017"));
        typeIntoModal(QStringLiteral("fiskaydettipiform"), QString(), Qt::Key_F2);
        key(t.window, Qt::Key_F11);
        QVERIFY(!QFile::exists(t.folder().posfisDir() + QStringLiteral("/001")));
        close(t);
    }

    void newStoresOnlyWhileTheSaleIsEmpty()
    {
        // The accounting side puts a new product store and asks register 001 to take it.
        {
            QTemporaryDir source;
            SetupOptions options;
            options.overwrite = true;
            QCOMPARE(setupProgramFolder(source.path(), options), QString());
            LocalDb(ProgramFolder(source.path()).urunDbs())
                .run(QStringLiteral("Update kasa set brfiyat = 11 Where stkod = 'EKM001'"));
            QFile::copy(ProgramFolder(source.path()).urunDbs(), ProgramFolder(m_shared.path()).urunDbs());
            QFile::copy(ProgramFolder(source.path()).cariDbs(), ProgramFolder(m_shared.path()).cariDbs());
        }
        const QString tkmkon = m_shared.filePath(QStringLiteral("TKMKON.tkm"));
        Ini::writeKey(QStringLiteral("KASALAR"), QStringLiteral("001"), QStringLiteral("1"), tkmkon);

        Till t = open(QStringLiteral("001"), [this](const ProgramFolder&) {
            // Taken at opening, while the sale is empty.
        });
        QTRY_VERIFY(!t.window->exchangeBusy());
        QCOMPARE(Ini::readKey(QStringLiteral("KASALAR"), QStringLiteral("001"), tkmkon), QStringLiteral("0"));
        scan(t.window, QStringLiteral("8690000000017"));
        QCOMPARE(t.window->sale(0)->gentop, QStringLiteral("11,00"));
        QVERIFY(t.window->isEnabled());

        // A request while a sale is open waits until the sale is saved.
        Ini::writeKey(QStringLiteral("KASALAR"), QStringLiteral("001"), QStringLiteral("1"), tkmkon);
        LocalDb(ProgramFolder(m_shared.path()).urunDbs())
            .run(QStringLiteral("Update kasa set brfiyat = 12 Where stkod = 'EKM001'"));
        QMetaObject::invokeMethod(t.window, "guncellemeyap");
        QTRY_VERIFY(!t.window->exchangeBusy());
        QCOMPARE(Ini::readKey(QStringLiteral("KASALAR"), QStringLiteral("001"), tkmkon), QStringLiteral("1"));
        save(t.window, Qt::Key_F2);
        QMetaObject::invokeMethod(t.window, "guncellemeyap");
        QTRY_VERIFY(!t.window->exchangeBusy());
        QCOMPARE(Ini::readKey(QStringLiteral("KASALAR"), QStringLiteral("001"), tkmkon), QStringLiteral("0"));
        scan(t.window, QStringLiteral("8690000000017"));
        QCOMPARE(t.window->sale(0)->gentop, QStringLiteral("12,00"));
        close(t);
        QFile::remove(tkmkon);
    }

    void twoRegistersShareOneFolder()
    {
        Till one = open(QStringLiteral("001"));
        Till two = open(QStringLiteral("002"));
        const char* day[] = {"8690000000017", "8690000000277", "8690000000192", "8690000000215"};
        for (int sale = 0; sale < 4; ++sale) {
            for (Till* t : {&one, &two}) {
                t->window->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(t->window));
                scan(t->window, QString::fromLatin1(day[sale]));
                scan(t->window, QString::fromLatin1(day[(sale + 1) % 4]));
                save(t->window, sale % 2 ? Qt::Key_F3 : Qt::Key_F2);
            }
        }
        for (Till* t : {&one, &two}) {
            const QString name = MovementFile::fileName(m_now.date(), t == &one ? QStringLiteral("001") : QStringLiteral("002"));
            const QByteArray local = readAll(t->folder().haraketDir() + u'/' + name);
            QCOMPARE(local.count("01-FIS-"), 4);
            QCOMPARE(readAll(m_shared.filePath(name)), local);
        }
        const QStringList left = QDir(m_shared.path()).entryList({QStringLiteral("*.kasapro-tmp")}, QDir::Files);
        QVERIFY(left.isEmpty());
        close(one);
        close(two);
    }

    void unreachableSharedFolder()
    {
        Till t = open(QStringLiteral("001"), [](const ProgramFolder& f) {
            SettingsStore(f).setParam(QStringLiteral("tkmgen"), QStringLiteral("/yok/TKMGENEL"));
        });
        scan(t.window, QStringLiteral("8690000000017"));
        save(t.window, Qt::Key_F2);
        QVERIFY(t.window->isEnabled());
        QCOMPARE(t.window->findChild<QLabel*>(QStringLiteral("Label11"))->text(), QString());
        QVERIFY(QFile::exists(t.folder().haraketDir() + QStringLiteral("/HR111226.001")));
        close(t);
    }
};

QTEST_MAIN(TestExportWindow)
#include "test_export_window.moc"
