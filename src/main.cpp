#include "config/programfolder.h"
#include "config/settings_store.h"
#include "shell/message_window.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KASAPRO"));
    installMessageWindow();

    const ProgramFolder folder(QCoreApplication::applicationDirPath());
    const QStringList names = {
        QStringLiteral("data.dbs"), QStringLiteral("Fis.dbs"), QStringLiteral("URUN.dbs"), QStringLiteral("cari.dbs"),
        QStringLiteral("param.tkm"), QStringLiteral("iadeparam.tkm"), QStringLiteral("sifre.tkm"),
        QStringLiteral("kopruSetting.ini"), QStringLiteral("sndon.sun"), QStringLiteral("sndoff.sun"),
        QStringLiteral("haraket"), QStringLiteral("posfis"), QStringLiteral("Tsrm/default"), QStringLiteral("Tsrm/Tsrm"),
    };
    QStringList found, missing;
    for (const QString& name : names)
        (QFileInfo::exists(folder.file(name)) ? found : missing).append(name);

    ParamSettings params;
    SettingsStore(folder).read(params);
    QString text = QStringLiteral("Program klasörü: ") + folder.dir() + QStringLiteral("\nKasa: ") + params.kasa
        + QStringLiteral("\n\nBulunanlar:\n  ") + found.join(QStringLiteral("\n  "));
    if (missing.isEmpty()) {
        mesajgoster(text + QStringLiteral("\n\nProgram klasörü hazır..."), MsgTitle::Tamam, MsgIcon::Done, MsgButtons::Ok);
        return 0;
    }
    text += QStringLiteral("\n\nEksikler:\n  ") + missing.join(QStringLiteral("\n  "));
    mesajgoster(text, MsgTitle::Dikkat, MsgIcon::Warning, MsgButtons::Ok);
    return 1;
}
