#pragma once

#include "records/daily_totals.h"

#include <QDialog>

#include <optional>

class QPushButton;

// "Fis Kaydet": asks how a sale was settled (cash, card or a return), adds
// the sale's grand total (fistutari) to that day's running total of the
// kind and hands the choice back through kayitonay and odemetipi.
class RecordTypeDialog : public QDialog {
    Q_OBJECT
public:
    explicit RecordTypeDialog(QString haraketDir, QWidget* parent = nullptr);

    QPushButton* button(DailyTotals::Kind kind) const;
    // The running total as it stood before this dialog wrote it, so that a
    // sale that could not be recorded after all does not stay counted.
    void undoTotal() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(DailyTotals::Kind kind);

    QString m_haraketDir;
    double m_opened[3] = {0, 0, 0};
    QPushButton* m_buttons[3] = {nullptr, nullptr, nullptr};
    QString m_writtenPath;
    DailyTotals::Kind m_writtenKind = DailyTotals::Kind::Nakit;
    std::optional<DailyTotals::Previous> m_previous;
};
