#include "shell/message.h"
#include "shell/message_window.h"
#include "shell/textbox_window.h"
#include "support/modal.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// Presses keys in the message window once it is up; -1 is its close box.
void answerWith(const QList<int>& keys)
{
    whenModal(QString(), [keys](QWidget* modal) {
        for (int key : keys) {
            if (key == -1)
                modal->close();
            else
                QTest::keyClick(focusIn(modal), static_cast<Qt::Key>(key));
        }
    });
}

} // namespace

class TestMessage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installMessageWindow(); }

    void keyboardAnswers_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<bool>("answer");
        QTest::newRow("TAMAM by Enter") << 1 << QList<int>{Qt::Key_Return} << true;
        QTest::newRow("TAMAM by Esc") << 1 << QList<int>{Qt::Key_Escape} << false;
        QTest::newRow("EVET has focus") << 2 << QList<int>{Qt::Key_Return} << true;
        QTest::newRow("Tab to HAYIR") << 2 << QList<int>{Qt::Key_Tab, Qt::Key_Return} << false;
        QTest::newRow("arrow to HAYIR") << 2 << QList<int>{Qt::Key_Right, Qt::Key_Return} << false;
        QTest::newRow("arrow there and back") << 2 << QList<int>{Qt::Key_Right, Qt::Key_Left, Qt::Key_Enter} << true;
        QTest::newRow("space presses") << 2 << QList<int>{Qt::Key_Down, Qt::Key_Space} << false;
        QTest::newRow("YesNo by Esc") << 2 << QList<int>{Qt::Key_Escape} << false;
        QTest::newRow("close box") << 2 << QList<int>{-1} << false;
    }
    void keyboardAnswers()
    {
        QFETCH(int, buttons);
        QFETCH(QList<int>, keys);
        QFETCH(bool, answer);
        answerWith(keys);
        QCOMPARE(mesajgoster(QStringLiteral("Devam edilsin mi?"), 4, 2, buttons), answer);
        // The next message starts from a cleared answer.
        answerWith({Qt::Key_Escape});
        QCOMPARE(mesajgoster(QStringLiteral("İkinci"), 4, 2, buttons), false);
    }

    void windowLooks_data()
    {
        QTest::addColumn<int>("title");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("1") << 1 << 1 << "TAMAM" << QStringList{QStringLiteral("TAMAM")};
        QTest::newRow("2") << 2 << 1 << "DİKKAT" << QStringList{QStringLiteral("TAMAM")};
        QTest::newRow("3") << 3 << 2 << "UYARI" << QStringList{QStringLiteral("EVET"), QStringLiteral("HAYIR")};
        QTest::newRow("4") << 4 << 2 << "ONAY" << QStringList{QStringLiteral("EVET"), QStringLiteral("HAYIR")};
    }
    void windowLooks()
    {
        QFETCH(int, title);
        QFETCH(int, buttons);
        QFETCH(QString, caption);
        QFETCH(QStringList, captions);
        MessageWindow w(MessageRequest{QStringLiteral("Satır 1\nSatır 2"), static_cast<MsgTitle>(title),
                                       MsgIcon::Error, static_cast<MsgButtons>(buttons), false});
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.windowTitle(), caption);
        QStringList shown;
        for (QPushButton* b : w.findChildren<QPushButton*>())
            shown.append(b->text());
        QCOMPARE(shown, captions);
        QCOMPARE(QApplication::focusWidget(), w.firstButton());
        QVERIFY(w.findChild<QLabel*>(QStringLiteral("yazi"))->text().contains(u'\n'));
    }

    void replaceableHandler()
    {
        MessageRequest seen;
        MessageHandler previous = setMessageHandler([&seen](const MessageRequest& r) {
            seen = r;
            return true;
        });
        QVERIFY(mesajgoster(QStringLiteral("Yanlış Şifre"), 1, 2, 1));
        QCOMPARE(seen.text, QStringLiteral("Yanlış Şifre"));
        QCOMPARE(seen.title, MsgTitle::Tamam);
        QCOMPARE(seen.icon, MsgIcon::Warning);
        QCOMPARE(seen.buttons, MsgButtons::Ok);
        setMessageHandler(previous);
    }

    void keyFilters_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digits only") << int(KeyFilter::SadeceRakam) << "1a2,3.4-" << "1234";
        QTest::newRow("digits and comma") << int(KeyFilter::RakamVirgul) << "12,50 TL." << "12,50";
        QTest::newRow("digits and point") << int(KeyFilter::RakamNokta) << "192.168,1x" << "192.1681";
    }
    void keyFilters()
    {
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit box;
        attachKeyFilter(&box, static_cast<KeyFilter>(filter));
        box.show();
        QSignalSpy enter(&box, &QLineEdit::returnPressed);
        QTest::keyClicks(&box, typed);
        QCOMPARE(box.text(), shown);
        // Backspace passes, Enter does not reach the box.
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), shown.chopped(1));
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(enter.count(), 0);
        // Text put in by other means is not filtered.
        box.setText(QStringLiteral("abc"));
        QCOMPARE(box.text(), QStringLiteral("abc"));
    }

    void textBoxConveniences()
    {
        QLineEdit box;
        box.setText(QStringLiteral("125,50"));
        selectAllText(&box);
        QCOMPARE(box.selectedText(), QStringLiteral("125,50"));
        emptyToZero(&box);
        QCOMPARE(box.text(), QStringLiteral("125,50"));
        box.clear();
        emptyToZero(&box);
        QCOMPARE(box.text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestMessage)
#include "test_message.moc"
