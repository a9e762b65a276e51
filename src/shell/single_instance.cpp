#include "shell/single_instance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& name)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    m_lock = std::make_unique<QLockFile>(dir + u'/' + name + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0); // stale only when its process is gone
    m_acquired = m_lock->tryLock(0);
}
