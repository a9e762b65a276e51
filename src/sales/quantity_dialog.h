#pragma once

#include <QDialog>

class QLineEdit;

// The quantity dialog "MİKTAR": one box with the selected line's quantity,
// all of it selected so the first key replaces it. Enter accepts, Esc
// leaves without change; digits, one comma and Backspace only.
class QuantityDialog : public QDialog {
    Q_OBJECT
public:
    explicit QuantityDialog(const QString& quantity, QWidget* parent = nullptr);
    QString quantity() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectToEnd();
    QLineEdit* m_text;
};
