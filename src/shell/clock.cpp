#include "shell/clock.h"

namespace {
std::function<QDateTime()>& source()
{
    static std::function<QDateTime()> s;
    return s;
}
} // namespace

namespace Clock {

QDateTime now()
{
    return source() ? source()() : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

void setSource(std::function<QDateTime()> s)
{
    source() = std::move(s);
}

QString shortDate(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace Clock
