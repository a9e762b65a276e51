#pragma once

#include "config/settings_store.h"

#include <QDialog>

class QDateEdit;
class QLineEdit;

// "Günlük Tutar": the cash, card and return totals of a picked day, and
// the place where the administrator password is changed.
class DailyTotalsWindow : public QDialog {
    Q_OBJECT
public:
    explicit DailyTotalsWindow(ProgramFolder folder, QWidget* parent = nullptr);

    QDateEdit* datePicker() const { return m_date; }

private:
    void rakamoku();
    void savePassword();

    ProgramFolder m_folder;
    QDateEdit* m_date;
    QLineEdit* m_fields[3];
    QLineEdit* m_password;
};
