#include "folder_setup.h"
#include "sales/sales_window.h"
#include "shell/programs.h"
#include "shell/single_instance.h"
#include "shell/tray_window.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void trayMenu()
    {
        QTemporaryDir dir;
        QCOMPARE(setupProgramFolder(dir.path(), SetupOptions{}), QString());
        TrayWindow tray{ProgramFolder(dir.path())};
        QStringList names, captions;
        QList<bool> enabled;
        for (QAction* a : tray.menu()->actions()) {
            names.append(a->objectName());
            captions.append(a->text());
            enabled.append(a->isEnabled());
        }
        QCOMPARE(names, (QStringList{"stftr", "ayr", "yaztas", "yrd", "hknd", "cik"}));
        QCOMPARE(captions, (QStringList{"Satış Faturası   ", "Ayarlar   ", "Yazdırma Tasarımı", "Yardım",
                                        "Hakkında   ", "Çıkış"}));
        QCOMPARE(enabled, (QList<bool>{false, true, true, true, true, true}));
        // No system tray here: the program runs on the sales window alone.
        QVERIFY(!tray.hasTray());
        QVERIFY(QApplication::quitOnLastWindowClosed());

        SalesWindow* sales = tray.showSalesWindow();
        QCOMPARE(sales->windowTitle(), QStringLiteral("TKM  KASAPRO  v3.03"));
        QVERIFY(tray.menu()->actions().first()->isEnabled());

        QString started;
        const Programs::Starter previous = Programs::setStarter([&started](const QString& path) {
            started = path;
            return false; // not there: nothing visible happens
        });
        tray.menu()->actions().at(2)->trigger();
        QVERIFY(started.endsWith(QStringLiteral("/TKmEtiket.exe")));
        Programs::setStarter(previous);
        sales->close();
    }

    void oneCopyPerUser()
    {
        const SingleInstance first(QStringLiteral("kasapro-test"));
        QVERIFY(first.acquired());
        const SingleInstance second(QStringLiteral("kasapro-test"));
        QVERIFY(!second.acquired());
    }

    void secondCopyEndsAtOnce()
    {
        QTemporaryDir dir, runtime;
        SetupOptions options;
        options.programs = {QStringLiteral(KASAPRO_BIN)};
        QCOMPARE(setupProgramFolder(dir.path(), options), QString());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        const QString program = dir.filePath(QStringLiteral("kasapro"));

        QProcess first;
        first.setProcessEnvironment(env);
        first.start(program, {});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath(QStringLiteral("kasapro.lock"))), 10000);

        QProcess second;
        second.setProcessEnvironment(env);
        second.start(program, {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
