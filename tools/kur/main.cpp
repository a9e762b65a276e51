// kur: lays out a complete program folder for the till, with a demo shop.
#include "folder_setup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kur"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("KASAPRO program klasörünü kurar."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("KLASOR"), QStringLiteral("Kurulacak program klasörü"));
    const QCommandLineOption force({QStringLiteral("f"), QStringLiteral("force")},
                                   QStringLiteral("Var olan klasörün dosyalarını yeniden yaz."));
    const QCommandLineOption kasa(QStringLiteral("kasa"), QStringLiteral("Kasa adı (varsayılan 001)."),
                                  QStringLiteral("AD"), QStringLiteral("001"));
    const QCommandLineOption empty(QStringLiteral("bos"), QStringLiteral("Örnek ürün ve cari olmadan kur."));
    parser.addOptions({force, kasa, empty});
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.size() != 1) {
        err << "Kullanım: kur KLASOR [--force] [--kasa 001] [--bos]" << Qt::endl;
        return 2;
    }

    SetupOptions options;
    options.overwrite = parser.isSet(force);
    options.registerName = parser.value(kasa);
    options.demoData = !parser.isSet(empty);
    // The till and the tools built beside kur are copied into the folder.
    const QDir binDir(QCoreApplication::applicationDirPath());
    for (const QString& name : {QStringLiteral("kasapro"), QStringLiteral("kasakopru"), QStringLiteral("kasadefteri")}) {
        if (QFileInfo(binDir.filePath(name)).isExecutable())
            options.programs.append(binDir.filePath(name));
    }
    if (!options.programs.contains(binDir.filePath(QStringLiteral("kasapro")))) {
        err << "kasapro programı bulunamadı: " << binDir.filePath(QStringLiteral("kasapro")) << Qt::endl;
        return 1;
    }

    const QString dir = QDir(args.first()).absolutePath();
    const QString error = setupProgramFolder(dir, options);
    if (!error.isEmpty()) {
        err << error << Qt::endl;
        return 1;
    }
    out << "Program klasörü hazır: " << dir << Qt::endl;
    out << "Başlatmak için: " << QDir(dir).filePath(QStringLiteral("kasapro")) << Qt::endl;
    return 0;
}
