#include "config/settings_store.h"
#include "folder_setup.h"
#include "records/daily_totals.h"
#include "records/movement_file.h"
#include "sales/sales_window.h"
#include "shell/clock.h"
#include "shell/inifile.h"
#include "shell/message.h"
#include "support/modal.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Answers the record-type dialog with one of its keys.
void pressInModal(const QString& name, Qt::Key key)
{
    typeIntoModal(name, QString(), key);
}

QStringList fileLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestSaving : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QPointer<SalesWindow> m_window;
    QDateTime m_now;
    QStringList m_asked;
    QList<bool> m_answers;

    ProgramFolder folder() const { return ProgramFolder(m_dir->path()); }
    QLineEdit* box() const { return m_window->findChild<QLineEdit*>(QStringLiteral("srvadi")); }
    QString text(const char* name) const { return m_window->findChild<QLineEdit*>(QString::fromLatin1(name))->text(); }
    void scan(const QString& barcode)
    {
        box()->setFocus();
        QTest::keyClicks(box(), barcode);
        QTest::keyClick(box(), Qt::Key_Return);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(m_window->focusWidget() ? m_window->focusWidget() : m_window.data(), k, mods);
    }
    QString movementFile(const QDate& date) const
    {
        return folder().haraketDir() + u'/' + MovementFile::fileName(date, QStringLiteral("001"));
    }

private slots:
    void initTestCase()
    {
        Clock::setSource([this] { return m_now; });
        setMessageHandler([this](const MessageRequest& r) {
            m_asked.append(r.text);
            return m_answers.isEmpty() ? true : m_answers.takeFirst();
        });
    }

    void init()
    {
        m_now = QDateTime(QDate(2026, 12, 11), QTime(10, 30, 5));
        m_asked.clear();
        m_dir = std::make_unique<QTemporaryDir>();
        SetupOptions options;
        options.overwrite = true;
        options.today = QDate(2026, 12, 11);
        QCOMPARE(setupProgramFolder(m_dir->path(), options), QString());
        SettingsStore(folder()).setParam(QStringLiteral("fisnolari"), QStringLiteral("41"));
        m_window = new SalesWindow(folder());
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTRY_COMPARE(QApplication::focusWidget(), box());
    }

    void cleanup()
    {
        if (m_window) {
            m_window->sale(0)->clear(QString(), QString());
            m_window->close();
        }
    }

    void receiptSaveWritesTheBlock()
    {
        QCOMPARE(text("fisno"), QStringLiteral("0041"));
        QCOMPARE(text("ftno"), QStringLiteral("A000000001"));
        scan(QStringLiteral("8690000000277"));
        scan(QStringLiteral("8690000000215"));
        key(Qt::Key_F9); // all by card
        key(Qt::Key_Return);
        pressInModal(QStringLiteral("fiskaydettipiform"), Qt::Key_F3);
        key(Qt::Key_F2);

        const QString pad = QStringLiteral(" ");
        QCOMPARE(fileLines(movementFile(m_now.date())), (QStringList{
            QStringLiteral("01-FIS-0041-11/12/2026-10:30:05<#><#><#><#><#><#><#><#><#>A000000001<#>"),
            QStringLiteral("02-SAT-") + MovementFile::field(QStringLiteral("SU0001"), 40) + u'-'
                + MovementFile::field(QStringLiteral("8690000000277"), 40) + u'-'
                + MovementFile::field(QStringLiteral("Su 1,5 L"), 80)
                + QStringLiteral("-3 -20-12,00       -1           -0,00        -12,00       "),
            QStringLiteral("02-SAT-") + MovementFile::field(QStringLiteral("BSK001"), 40) + u'-'
                + MovementFile::field(QStringLiteral("8690000000215"), 40) + u'-'
                + MovementFile::field(QString::fromLatin1("\xC7ikolatal\xFD Bisk\xFCvi"), 80)
                + QStringLiteral("-2 -10-12,50       -1           -1,50        -11,00       "),
            QStringLiteral("03-TOP-23,00       "),
            QStringLiteral("04-NAK-0,00        "),
            QStringLiteral("05-KRD-23,00       "),
            QStringLiteral("06-SON"),
        }));
        const QString totals = DailyTotals::path(folder().haraketDir(), m_now.date());
        QCOMPARE(DailyTotals::readText(totals, DailyTotals::Kind::Kredi), QStringLiteral("23"));
        QCOMPARE(DailyTotals::readText(totals, DailyTotals::Kind::Nakit), QString());
        const SettingsStore store(folder());
        QCOMPARE(store.param(QStringLiteral("fisnolari")), QStringLiteral("42"));
        QCOMPARE(store.param(QStringLiteral("fisnolaritarih")), QStringLiteral("11.12.2026"));
        QCOMPARE(Ini::readKey(QStringLiteral("sablon"), QStringLiteral("fatno"), store.folder().paramTkm()),
                 QStringLiteral("1"));
        // The window holds an empty sale with the next numbers.
        QVERIFY(m_window->sale(0)->isEmpty());
        QCOMPARE(text("fisno"), QStringLiteral("0042"));
        QCOMPARE(text("ftno"), QStringLiteral("A000000002"));
        QCOMPARE(text("krd1"), QStringLiteral("0,00"));
        QVERIFY(!m_window->fismodu());
    }

    void twoSavesAndMidnight()
    {
        scan(QStringLiteral("8690000000017"));
        pressInModal(QStringLiteral("fiskaydettipiform"), Qt::Key_F2);
        key(Qt::Key_F11); // an invoice save: no receipt, the number still advances
        QCOMPARE(text("fisno"), QStringLiteral("0042"));
        scan(QStringLiteral("8690000000024"));
        pressInModal(QStringLiteral("fiskaydettipiform"), Qt::Key_F2);
        key(Qt::Key_F2);
        QStringList lines = fileLines(movementFile(m_now.date()));
        QCOMPARE(lines.filter(QStringLiteral("01-FIS-")).size(), 2);
        QCOMPARE(lines.filter(QStringLiteral("06-SON")).size(), 2);
        QVERIFY(lines.at(6).startsWith(QStringLiteral("01-FIS-0042-")));
        const QString totals = DailyTotals::path(folder().haraketDir(), m_now.date());
        QCOMPARE(DailyTotals::readText(totals, DailyTotals::Kind::Nakit), QStringLiteral("32,5"));

        const QByteArray before = [&] {
            QFile f(movementFile(m_now.date()));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        m_now = QDateTime(QDate(2026, 12, 12), QTime(0, 0, 30));
        scan(QStringLiteral("8690000000031"));
        pressInModal(QStringLiteral("fiskaydettipiform"), Qt::Key_F2);
        key(Qt::Key_F2);
        lines = fileLines(movementFile(m_now.date()));
        QCOMPARE(lines.first(), QStringLiteral("01-FIS-0043-12/12/2026-00:00:30<#><#><#><#><#><#><#><#><#>A000000003<#>"));
        QFile old(movementFile(QDate(2026, 12, 11)));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), before);
        QCOMPARE(SettingsStore(folder()).param(QStringLiteral("fisnolaritarih")), QStringLiteral("12.12.2026"));
    }

    void failingWriteKeepsTheSale()
    {
        scan(QStringLiteral("8690000000017"));
        QVERIFY(QDir(folder().haraketDir()).removeRecursively());
        pressInModal(QStringLiteral("fiskaydettipiform"), Qt::Key_F2);
        key(Qt::Key_F2);
        QCOMPARE(m_asked.size(), 2);
        QVERIFY(m_asked.at(0).startsWith(QStringLiteral("Günlük toplam kaydedilemedi")));
        QVERIFY(m_asked.at(1).startsWith(QStringLiteral("Satış kaydedilemedi")));
        QCOMPARE(m_window->sale(0)->rowCount(), 1);
        QCOMPARE(text("fisno"), QStringLiteral("0041"));
        QCOMPARE(SettingsStore(folder()).param(QStringLiteral("fisnolari")), QStringLiteral("41"));

        // With the folder back, the same sale saves whole, once.
        QVERIFY(QDir().mkpath(folder().haraketDir()));
        pressInModal(QStringLiteral("fiskaydettipiform"), Qt::Key_F2);
        key(Qt::Key_F2);
        QCOMPARE(fileLines(movementFile(m_now.date())).filter(QStringLiteral("01-FIS-")).size(), 1);
        QVERIFY(m_window->sale(0)->isEmpty());
    }

    void failedBlockTakesTheTotalBack()
    {
        scan(QStringLiteral("8690000000017"));
        // The day's file cannot be written (a folder stands in its place).
        QVERIFY(QDir().mkpath(movementFile(m_now.date())));
        pressInModal(QStringLiteral("fiskaydettipiform"), Qt::Key_F2);
        key(Qt::Key_F2);
        QCOMPARE(m_window->sale(0)->rowCount(), 1);
        QVERIFY(!QFile::exists(DailyTotals::path(folder().haraketDir(), m_now.date())));
    }

    void returnSaveOffersOnlyTheReturn()
    {
        scan(QStringLiteral("8690000000017"));
        scan(QStringLiteral("8690000000017"));
        QList<bool> visible;
        whenModal(QStringLiteral("fiskaydettipiform"), [&visible](QWidget* dialog) {
            for (const char* name : {"nakit", "kredi", "iade"})
                visible.append(dialog->findChild<QPushButton*>(QString::fromLatin1(name))->isVisible());
            QTest::keyClick(dialog->focusWidget(), Qt::Key_F2); // does nothing in return mode
            QTest::keyClick(dialog->focusWidget(), Qt::Key_F4);
        });
        key(Qt::Key_F12);
        QCOMPARE(visible, (QList<bool>{false, false, true}));
        const QStringList lines = fileLines(movementFile(m_now.date()));
        QCOMPARE(lines.first(), QStringLiteral("01-SIA-0041-11/12/2026-10:30:05") + QStringLiteral("<#>").repeated(24));
        QCOMPARE(lines.at(1).mid(7, 6), QStringLiteral("EKM001"));
        QCOMPARE(lines.last(), QStringLiteral("06-SON"));
        QCOMPARE(DailyTotals::readText(DailyTotals::path(folder().haraketDir(), m_now.date()), DailyTotals::Kind::Iade),
                 QStringLiteral("20"));
        QVERIFY(m_window->sale(0)->isEmpty());
        QCOMPARE(text("fisno"), QStringLiteral("0042"));

        // Esc in the dialog writes nothing and keeps the sale.
        scan(QStringLiteral("8690000000017"));
        pressInModal(QStringLiteral("fiskaydettipiform"), Qt::Key_Escape);
        key(Qt::Key_F12);
        QCOMPARE(m_window->sale(0)->rowCount(), 1);
        QCOMPARE(fileLines(movementFile(m_now.date())).filter(QStringLiteral("01-")).size(), 1);
    }

    void administratorAndDailyTotals()
    {
        const QString totals = DailyTotals::path(folder().haraketDir(), m_now.date());
        DailyTotals::write(totals, DailyTotals::Kind::Nakit, 12.5);
        SettingsStore(folder()).setAdminPassword(QStringLiteral("Gizli"));

        QStringList shown;
        whenModal(QStringLiteral("yoneticigirissifre"), [&](QWidget* login) {
            auto* field = login->findChild<QLineEdit*>(QStringLiteral("Text1"));
            QTest::keyClicks(field, QStringLiteral("gizli")); // letter case counts
            QTest::keyClick(field, Qt::Key_Return);
            shown.append(field->text()); // the wrong entry stays
            field->clear();
            whenModal(QStringLiteral("gunluktutar"), [&](QWidget* window) {
                for (const char* name : {"nkt", "kart", "iade"})
                    shown.append(window->findChild<QLineEdit*>(QString::fromLatin1(name))->text());
                window->findChild<QDateEdit*>(QStringLiteral("DTPicker1"))->setDate(QDate(2026, 12, 10));
                shown.append(window->findChild<QLineEdit*>(QStringLiteral("nkt"))->text());
                auto* password = window->findChild<QLineEdit*>(QStringLiteral("Text1"));
                QTest::keyClicks(password, QStringLiteral("Yeni1"));
                QTest::keyClick(password, Qt::Key_Return);
                shown.append(password->text());
                QTest::keyClick(password, Qt::Key_Escape);
            });
            QTest::keyClicks(field, QStringLiteral("Gizli"));
            QTest::keyClick(field, Qt::Key_Return);
        });
        key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(shown, (QStringList{"gizli", "12,50", "", "", "", ""}));
        QCOMPARE(m_asked, (QStringList{"Şifre Yanlış", "Şifre Değiştirildi."}));
        QCOMPARE(SettingsStore(folder()).adminPassword(), QStringLiteral("Yeni1"));
    }
};

QTEST_MAIN(TestSaving)
#include "test_saving.moc"
