#include "shell/programs.h"

#include <QFileInfo>
#include <QProcess>

namespace {

bool startDetached(const QString& path)
{
    QString program = path;
    if (!QFileInfo(program).isFile() && program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        program.chop(4);
    const QFileInfo info(program);
    if (!info.isFile() || !info.isExecutable())
        return false;
    return QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath());
}

Programs::Starter& starter()
{
    static Programs::Starter s = startDetached;
    return s;
}

} // namespace

namespace Programs {

Starter setStarter(Starter s)
{
    Starter previous = std::move(starter());
    starter() = s ? std::move(s) : Starter(startDetached);
    return previous;
}

bool start(const QString& path)
{
    return starter()(path);
}

} // namespace Programs
