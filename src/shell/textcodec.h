#pragma once

#include <QByteArray>
#include <QString>

// Code pages of the files the accounting side reads, and Turkish letter case.
namespace TextCodec {

// Characters the code page lacks are written as this byte.
inline constexpr char kReplacement = '?';

QByteArray toCp1254(const QString& text);
QString fromCp1254(const QByteArray& bytes);
QByteArray toCp857(const QString& text);
QString fromCp857(const QByteArray& bytes);

// Upper case by Turkish rules: i -> İ, ı -> I, ç -> Ç, ğ -> Ğ, ö -> Ö, ş -> Ş, ü -> Ü.
QString trUpper(const QString& text);

} // namespace TextCodec
