#include "records/daily_totals.h"

#include "shell/inifile.h"
#include "shell/numbers.h"

#include <QFile>

namespace DailyTotals {

namespace {
const QString kSection = QStringLiteral("tutar");
}

QString fileName(const QDate& date)
{
    return date.toString(QStringLiteral("ddMMyy")) + QStringLiteral(".ttr");
}

QString path(const QString& haraketDir, const QDate& date)
{
    return haraketDir + u'/' + fileName(date);
}

QString key(Kind kind)
{
    switch (kind) {
    case Kind::Nakit: return QStringLiteral("nkt");
    case Kind::Kredi: return QStringLiteral("kredi");
    case Kind::Iade: return QStringLiteral("iade");
    }
    return QString();
}

QString choiceText(Kind kind)
{
    switch (kind) {
    case Kind::Nakit: return QStringLiteral("nakit");
    case Kind::Kredi: return QStringLiteral("kredi");
    case Kind::Iade: return QStringLiteral("iade");
    }
    return QString();
}

QString readText(const QString& path, Kind kind)
{
    return Ini::readKey(kSection, key(kind), path);
}

double read(const QString& path, Kind kind)
{
    return Num::parseOr(readText(path, kind), 0);
}

std::optional<Previous> write(const QString& path, Kind kind, double total)
{
    Previous previous{QFile::exists(path), readText(path, kind)};
    if (!Ini::writeKey(kSection, key(kind), Num::plain(total), path))
        return std::nullopt;
    return previous;
}

void restore(const QString& path, Kind kind, const Previous& previous)
{
    if (!previous.fileExisted)
        QFile::remove(path);
    else
        Ini::writeKey(kSection, key(kind), previous.text, path);
}

} // namespace DailyTotals

RecordShared& recordShared()
{
    static RecordShared values;
    return values;
}
