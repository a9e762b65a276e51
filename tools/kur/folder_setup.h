#pragma once

#include <QDate>
#include <QString>

// Lays out a complete program folder: stores with their first rows, the
// parameter files, the folders, a demo shop's products and customers and
// the sounds. The till itself never creates any of these.
struct SetupOptions {
    QString registerName = QStringLiteral("001");
    QDate today;              // receipt numbering date; empty means the clock's today
    bool demoData = true;     // products and customers of the demo shop
    bool overwrite = false;   // replace the stores of an existing folder
    QStringList programs;     // executables copied into the folder
};

// Returns an empty text on success, otherwise what went wrong (in Turkish).
QString setupProgramFolder(const QString& dir, const SetupOptions& options);

// A short mono 16-bit PCM WAV tone.
QByteArray makeToneWav(int frequencyHz, int milliseconds);
