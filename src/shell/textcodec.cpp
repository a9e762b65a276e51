#include "shell/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QByteArray encode(const char* codec, const QString& text)
{
    QStringEncoder encoder(codec, QStringConverter::Flag::Stateless);
    QByteArray out = encoder.encode(text);
    if (!encoder.hasError())
        return out;
    // Encode letter by letter so that only the missing ones are replaced.
    out.clear();
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        QStringEncoder one(codec, QStringConverter::Flag::Stateless);
        QByteArray bytes = one.encode(QStringView(text).mid(i, len));
        out += one.hasError() || bytes.isEmpty() ? QByteArray(1, TextCodec::kReplacement) : bytes;
        i += len - 1;
    }
    return out;
}

QString decode(const char* codec, const QByteArray& bytes)
{
    QStringDecoder decoder(codec, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

} // namespace

namespace TextCodec {

QByteArray toCp1254(const QString& text) { return encode("windows-1254", text); }
QString fromCp1254(const QByteArray& bytes) { return decode("windows-1254", bytes); }
QByteArray toCp857(const QString& text) { return encode("IBM857", text); }
QString fromCp857(const QByteArray& bytes) { return decode("IBM857", bytes); }

QString trUpper(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'i')
            out += QChar(0x0130);
        else if (c == QChar(0x0131))
            out += u'I';
        else
            out += c.toUpper();
    }
    return out;
}

} // namespace TextCodec
