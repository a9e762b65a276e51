#pragma once

#include <QString>

#include <functional>

// The message window every window uses to warn, report and ask yes or no.
// It goes through one replaceable handler: the program installs the real
// modal window, tests install an answer.

enum class MsgTitle { Tamam = 1, Dikkat = 2, Uyari = 3, Onay = 4 };
enum class MsgIcon { Done = 1, Warning = 2, Error = 3 };
enum class MsgButtons { Ok = 1, YesNo = 2 };

struct MessageRequest {
    QString text;
    MsgTitle title = MsgTitle::Dikkat;
    MsgIcon icon = MsgIcon::Warning;
    MsgButtons buttons = MsgButtons::Ok;
    bool plain = false; // a plain system message box with an OK button
};

// Returns true for "TAMAM" or "EVET"; false for "HAYIR", Esc and the close box.
using MessageHandler = std::function<bool(const MessageRequest&)>;

// Installs a handler and returns the one it replaces.
MessageHandler setMessageHandler(MessageHandler handler);

// Kinds as small integers: title 1..4, icon 1..3, buttons 1..2. Every call
// starts from a cleared answer, so one message never answers for the next.
bool mesajgoster(const QString& text, int titleKind, int iconKind, int buttonKind);
bool mesajgoster(const QString& text, MsgTitle title, MsgIcon icon, MsgButtons buttons);

// The plain system message box (an OK button, no kinds).
void duzmesaj(const QString& text);

// "TAMAM", "DİKKAT", "UYARI", "ONAY"; empty for an unknown kind.
QString messageCaption(MsgTitle title);
