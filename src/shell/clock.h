#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

// The one source of the current date and time, so tests can stand on any day
// (and cross midnight) without touching the system clock.
namespace Clock {

QDateTime now();
QDate today();

// Replaces the time source; an empty function goes back to the system clock.
void setSource(std::function<QDateTime()> source);

// The date as the workstation writes a short date: "11.12.2026".
QString shortDate(const QDate& date);

} // namespace Clock
