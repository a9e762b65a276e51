#include "records/exchange.h"

#include "config/programfolder.h"
#include "config/settings_store.h"
#include "records/movement_file.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace Exchange {

bool copyReplacing(const QString& source, const QString& destination)
{
    if (!QFileInfo(source).isFile())
        return false;
    const QString temporary = destination + QStringLiteral(".kasapro-tmp");
    QFile::remove(temporary);
    if (!QFile::copy(source, temporary))
        return false;
    std::error_code error;
    // A rename replaces the old file in one step.
    std::filesystem::rename(temporary.toStdString(), destination.toStdString(), error);
    if (error) {
        QFile::remove(temporary);
        return false;
    }
    return true;
}

QStringList sendMovementFiles(const QString& haraketDir, const QString& sharedDir, const QString& registerName,
                              const QDate& today)
{
    QStringList copied;
    if (sharedDir.isEmpty() || SharedFolder::salesHeldBack(sharedDir, registerName))
        return copied;
    for (int day = 0; day < kDaysSent; ++day) {
        const QString name = MovementFile::fileName(today.addDays(-day), registerName);
        const QString source = haraketDir + u'/' + name;
        if (QFileInfo(source).isFile() && copyReplacing(source, sharedDir + u'/' + name))
            copied.append(name);
    }
    return copied;
}

bool updateRequested(const QString& sharedDir, const QString& registerName)
{
    return !sharedDir.isEmpty() && SharedFolder::updateWaiting(sharedDir, registerName);
}

bool takeNewStores(const QString& programDir, const QString& sharedDir, const QString& registerName)
{
    const ProgramFolder local(programDir);
    const ProgramFolder shared(sharedDir);
    // Both stores are copied before the request is answered; a failed copy
    // leaves the request standing for the next run.
    if (!copyReplacing(shared.urunDbs(), local.urunDbs()) || !copyReplacing(shared.cariDbs(), local.cariDbs()))
        return false;
    return SharedFolder::clearUpdateWaiting(sharedDir, registerName);
}

bool sendCustomers(const QString& programDir, const QString& sharedDir)
{
    if (sharedDir.isEmpty())
        return false;
    if (!copyReplacing(ProgramFolder(programDir).cariDbs(), ProgramFolder(sharedDir).cariDbs()))
        return false;
    return SharedFolder::markCustomersSent(sharedDir);
}

} // namespace Exchange
