#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

// Acts on a modal dialog once it is up: tests run the command that opens it
// right after, and the dialog's own event loop runs `act`. An empty name
// matches any modal window.
inline void whenModal(const QString& name, std::function<void(QWidget*)> act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, name, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || (!name.isEmpty() && modal->objectName() != name))
            return;
        poll->stop();
        poll->deleteLater();
        act(modal);
    });
    poll->start(10);
}

// The dialog's focused field, or the dialog; keys go there even before the
// window system has made the dialog active.
inline QWidget* focusIn(QWidget* window)
{
    return window->focusWidget() ? window->focusWidget() : window;
}

// Types `text` and then `last` into the modal dialog named `name`.
inline void typeIntoModal(const QString& name, const QString& text, Qt::Key last)
{
    whenModal(name, [text, last](QWidget* modal) {
        QTest::keyClicks(focusIn(modal), text);
        QTest::keyClick(focusIn(modal), last);
    });
}
