#pragma once

#include "config/programfolder.h"

#include <QPointer>
#include <QWidget>

class QAction;
class QMenu;
class QSystemTrayIcon;
class SalesWindow;

// The hidden tray window "strt": the tray icon and its menu, and the sales
// window it opens. Without a system tray the program runs on the sales
// window alone.
class TrayWindow : public QWidget {
    Q_OBJECT
public:
    explicit TrayWindow(ProgramFolder folder);

    // Opens (or raises) the sales window with its caption.
    SalesWindow* showSalesWindow();
    QMenu* menu() const { return m_menu; }
    bool hasTray() const { return m_tray != nullptr; }

private:
    ProgramFolder m_folder;
    QMenu* m_menu = nullptr;
    QAction* m_stftr = nullptr;
    QSystemTrayIcon* m_tray = nullptr;
    QPointer<SalesWindow> m_sales;
};
