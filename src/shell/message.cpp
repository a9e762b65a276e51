#include "shell/message.h"

#include <QTextStream>

namespace {

// Without a window (a tool or a test that did not set an answer) the message
// is written to the error output and answered no.
bool writeToStderr(const MessageRequest& request)
{
    QTextStream err(stderr);
    err << messageCaption(request.title) << ": " << request.text << Qt::endl;
    return false;
}

MessageHandler& handler()
{
    static MessageHandler h = writeToStderr;
    return h;
}

} // namespace

MessageHandler setMessageHandler(MessageHandler h)
{
    MessageHandler previous = std::move(handler());
    handler() = h ? std::move(h) : MessageHandler(writeToStderr);
    return previous;
}

bool mesajgoster(const QString& text, MsgTitle title, MsgIcon icon, MsgButtons buttons)
{
    // The answer is the handler's return value alone: nothing is kept between calls.
    return handler()(MessageRequest{text, title, icon, buttons, false});
}

bool mesajgoster(const QString& text, int titleKind, int iconKind, int buttonKind)
{
    return mesajgoster(text, static_cast<MsgTitle>(titleKind), static_cast<MsgIcon>(iconKind),
                       buttonKind == 2 ? MsgButtons::YesNo : MsgButtons::Ok);
}

void duzmesaj(const QString& text)
{
    handler()(MessageRequest{text, MsgTitle::Dikkat, MsgIcon::Warning, MsgButtons::Ok, true});
}

QString messageCaption(MsgTitle title)
{
    switch (title) {
    case MsgTitle::Tamam: return QStringLiteral("TAMAM");
    case MsgTitle::Dikkat: return QStringLiteral("DİKKAT");
    case MsgTitle::Uyari: return QStringLiteral("UYARI");
    case MsgTitle::Onay: return QStringLiteral("ONAY");
    }
    return QString();
}
