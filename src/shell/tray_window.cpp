#include "shell/tray_window.h"

#include "sales/sales_window.h"
#include "shell/programs.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

namespace {

QIcon trayIcon()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(31, 59, 87));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(1, 1, 30, 30, 6, 6);
    p.setPen(QColor(61, 255, 122));
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(18);
    p.setFont(f);
    p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("K"));
    return QIcon(pm);
}

void showAbout(QWidget* parent)
{
    auto* about = new QDialog(parent);
    about->setObjectName(QStringLiteral("kakknd"));
    about->setWindowTitle(QStringLiteral("HAKKINDA"));
    about->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(about);
    auto* picture = new QLabel(about);
    picture->setPixmap(trayIcon().pixmap(64, 64));
    picture->setAlignment(Qt::AlignCenter);
    auto* name = new QLabel(QStringLiteral("TKM  KASAPRO  v3.03"), about);
    name->setAlignment(Qt::AlignCenter);
    QFont f = name->font();
    f.setPointSize(f.pointSize() + 4);
    f.setBold(true);
    name->setFont(f);
    layout->addWidget(picture);
    layout->addWidget(name);
    layout->setContentsMargins(40, 24, 40, 24);
    about->show();
}

} // namespace

TrayWindow::TrayWindow(ProgramFolder folder)
    : m_folder(std::move(folder))
{
    setObjectName(QStringLiteral("strt"));
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("men"));
    m_stftr = m_menu->addAction(QStringLiteral("Satış Faturası   "), this, [this] { showSalesWindow(); });
    m_stftr->setObjectName(QStringLiteral("stftr"));
    m_stftr->setEnabled(false);
    m_menu->addAction(QStringLiteral("Ayarlar   "))->setObjectName(QStringLiteral("ayr"));
    m_menu->addAction(QStringLiteral("Yazdırma Tasarımı"), this, [this] {
        Programs::start(m_folder.file(QStringLiteral("TKmEtiket.exe")));
    })->setObjectName(QStringLiteral("yaztas"));
    m_menu->addAction(QStringLiteral("Yardım"))->setObjectName(QStringLiteral("yrd"));
    m_menu->addAction(QStringLiteral("Hakkında   "), this, [this] { showAbout(m_sales); })
        ->setObjectName(QStringLiteral("hknd"));
    m_menu->addAction(QStringLiteral("Çıkış"), qApp, &QApplication::quit)->setObjectName(QStringLiteral("cik"));

    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_tray = new QSystemTrayIcon(trayIcon(), this);
        m_tray->setObjectName(QStringLiteral("sys1"));
        m_tray->setToolTip(QStringLiteral("KASAPRO"));
        connect(m_tray, &QSystemTrayIcon::activated, this, [this] { m_menu->popup(QCursor::pos()); });
        m_tray->show();
    }
    // With a tray icon the program lives on after the sales window closes;
    // without one, closing the sales window ends it.
    QApplication::setQuitOnLastWindowClosed(!m_tray);
}

SalesWindow* TrayWindow::showSalesWindow()
{
    if (!m_sales) {
        m_sales = new SalesWindow(m_folder);
        m_sales->setWindowTitle(QStringLiteral("TKM  KASAPRO  v3.03"));
    }
    m_sales->showMaximized();
    m_sales->raise();
    m_sales->activateWindow();
    m_stftr->setEnabled(true);
    return m_sales;
}
