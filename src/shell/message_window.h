#pragma once

#include "shell/message.h"

#include <QDialog>

class QPushButton;

// The modal message window behind mesajgoster: a caption, a picture, the
// text as given and "TAMAM" or "EVET"/"HAYIR". Works from the keyboard
// alone: the first button has the focus, Enter presses the focused button,
// Tab and the arrow keys move between the buttons, Esc answers no.
class MessageWindow : public QDialog {
    Q_OBJECT
public:
    explicit MessageWindow(const MessageRequest& request, QWidget* parent = nullptr);

    QPushButton* firstButton() const { return m_first; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* m_first = nullptr;
};

// Makes mesajgoster show the real window.
void installMessageWindow();
