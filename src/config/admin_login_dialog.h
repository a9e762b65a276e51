#pragma once

#include "config/programfolder.h"

#include <QDialog>

class QLineEdit;

// "Yönetici": the administrator password (sifre.tkm) guards the daily
// totals. The password is read once when the window opens.
class AdminLoginDialog : public QDialog {
    Q_OBJECT
public:
    explicit AdminLoginDialog(ProgramFolder folder, QWidget* parent = nullptr);

    // Opens the login; with the right password the daily totals window.
    static void run(const ProgramFolder& folder, QWidget* parent);

private:
    void check();

    ProgramFolder m_folder;
    QString m_password;
    QLineEdit* m_text;
};
