#include "shell/inifile.h"

#include "shell/textcodec.h"

#include <QFile>
#include <QList>
#include <QSaveFile>

namespace {

// One line of the file as it stands on disk (without its '\n'; a '\r' before
// it stays part of the line so untouched lines are written back exactly).
struct Line {
    QByteArray raw;
    QString text() const
    {
        QByteArray b = raw;
        if (b.endsWith('\r'))
            b.chop(1);
        return TextCodec::fromCp1254(b).trimmed();
    }
};

QList<Line> readLines(const QString& path, bool* endsWithNewline = nullptr)
{
    QList<Line> lines;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return lines;
    const QByteArray all = f.readAll();
    if (endsWithNewline)
        *endsWithNewline = all.isEmpty() || all.endsWith('\n');
    if (all.isEmpty())
        return lines;
    const QList<QByteArray> parts = all.split('\n');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i == parts.size() - 1 && parts.at(i).isEmpty())
            break; // the empty piece after the last newline
        lines.append(Line{parts.at(i)});
    }
    return lines;
}

// "[name]" gives name; anything else gives a null string.
QString sectionName(const QString& line)
{
    if (!line.startsWith(u'['))
        return QString();
    const qsizetype close = line.indexOf(u']');
    if (close < 0)
        return QString();
    return line.mid(1, close - 1).trimmed();
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// For "key=value" lines: the key name, trimmed; otherwise a null string.
QString keyName(const QString& line, QString* value = nullptr)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0)
        return QString();
    if (value)
        *value = line.mid(eq + 1).trimmed();
    return line.left(eq).trimmed();
}

QString unquote(const QString& v)
{
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        return v.mid(1, v.size() - 2);
    return v;
}

} // namespace

namespace Ini {

QString readKey(const QString& section, const QString& key, const QString& path)
{
    bool inSection = false;
    for (const Line& line : readLines(path)) {
        const QString text = line.text();
        const QString sec = sectionName(text);
        if (!sec.isNull()) {
            inSection = sameName(sec, section);
            continue;
        }
        if (!inSection)
            continue;
        QString value;
        if (sameName(keyName(text, &value), key))
            return unquote(value).left(kMaxValueLength);
    }
    return QString();
}

bool writeKey(const QString& section, const QString& key, const QString& value, const QString& path)
{
    bool endsWithNewline = true;
    QList<Line> lines = readLines(path, &endsWithNewline);
    const QByteArray newLine = TextCodec::toCp1254(key + u'=' + value) + '\r';

    qsizetype sectionStart = -1;  // index of the "[section]" line
    qsizetype lastInSection = -1; // its last key line: new keys go after it
    qsizetype keyLine = -1;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString text = lines.at(i).text();
        const QString sec = sectionName(text);
        if (!sec.isNull()) {
            if (inSection)
                break; // the section ended; only its first occurrence counts
            inSection = sameName(sec, section);
            if (inSection) {
                sectionStart = i;
                lastInSection = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        const QString name = keyName(text);
        if (!name.isNull())
            lastInSection = i;
        if (sameName(name, key)) {
            keyLine = i;
            break;
        }
    }

    if (keyLine >= 0) {
        // Keep the key's own spelling as the file has it.
        const QString text = lines.at(keyLine).text();
        const QString spelled = keyName(text);
        lines[keyLine].raw = TextCodec::toCp1254(spelled + u'=' + value) + '\r';
    } else {
        // A file that stopped in the middle of its last line gets that line ended first.
        if (!lines.isEmpty() && !endsWithNewline && !lines.last().raw.endsWith('\r'))
            lines.last().raw += '\r';
        endsWithNewline = true;
        if (sectionStart >= 0) {
            lines.insert(lastInSection + 1, Line{newLine});
        } else {
            lines.append(Line{TextCodec::toCp1254(u'[' + section + u']') + '\r'});
            lines.append(Line{newLine});
        }
    }

    QByteArray out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        out += lines.at(i).raw;
        if (i + 1 < lines.size() || endsWithNewline)
            out += '\n';
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(out) != out.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace Ini
