#include "shell/textbox_window.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

class KeyFilterObject : public QObject {
public:
    KeyFilterObject(KeyFilter filter, QObject* parent) : QObject(parent), m_filter(filter) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.isEmpty()) {
            // Control shortcuts (paste, cut, ...) are control characters too;
            // plain navigation keys carry no character and pass.
            const bool control = key->modifiers().testFlag(Qt::ControlModifier)
                && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z;
            return control;
        }
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
            return false; // editing and window keys, not typed characters
        default:
            break;
        }
        for (QChar c : text)
            if (!keyPasses(m_filter, c))
                return true;
        return false;
    }

private:
    KeyFilter m_filter;
};

class EnterKeyObject : public QObject {
public:
    EnterKeyObject(std::function<void()> action, QObject* parent) : QObject(parent), m_action(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_action();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

} // namespace

void onEnterKey(QLineEdit* box, std::function<void()> action)
{
    box->installEventFilter(new EnterKeyObject(std::move(action), box));
}

void attachKeyFilter(QLineEdit* box, KeyFilter filter)
{
    box->installEventFilter(new KeyFilterObject(filter, box));
}

void selectAllText(QLineEdit* box)
{
    box->setSelection(0, static_cast<int>(box->text().size()));
}

void emptyToZero(QLineEdit* box)
{
    if (box->text().isEmpty())
        box->setText(QStringLiteral("0"));
}
