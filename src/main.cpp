#include "config/programfolder.h"
#include "records/print_device.h"
#include "shell/message_window.h"
#include "shell/single_instance.h"
#include "shell/tray_window.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KASAPRO"));

    // A second copy ends at once, before it shows anything.
    const SingleInstance single(QStringLiteral("kasapro"));
    if (!single.acquired())
        return 0;

    installMessageWindow();
    SystemPrinters printers;
    setPrinterService(&printers);
    TrayWindow tray{ProgramFolder(QCoreApplication::applicationDirPath())};
    tray.showSalesWindow();
    return QApplication::exec();
}
