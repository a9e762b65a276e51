#pragma once

#include "sales/key_routing.h"
#include "sales/sale_model.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;

// What the list of a sale looks like, from the settings.
struct ListLook {
    QFont font;
    std::optional<QColor> text, background;
    QColor selection; // the selected-row band; invalid: the list background
};

// The page of one sale on the tab strip: the lines frame, the totals and
// payment frame, the customer fields and the command buttons. Sales 1 and
// 2 are full; the third is the reduced sale with its own empty list.
class SaleTabWidget : public QWidget {
    Q_OBJECT
public:
    // The fields under their names ("nkit1" on sale 1, "nkit11" on sale 2, ...).
    struct Fields {
        QTableView* list = nullptr;
        QLabel *sttop = nullptr, *kdvtop = nullptr, *indtop = nullptr, *gentop = nullptr;
        QLabel *prust = nullptr, *bky = nullptr, *cr1 = nullptr, *cr2 = nullptr;
        QLineEdit *nkit = nullptr, *krd = nullptr, *para = nullptr;
        QLineEdit *ckod = nullptr, *unvn = nullptr, *yet = nullptr, *tel = nullptr, *vno = nullptr,
                  *vd = nullptr, *shr = nullptr, *adr = nullptr;
        QCheckBox* check = nullptr;
        QLabel *efatpic = nullptr, *earpic = nullptr;
    };

    // `index` 0 or 1 with its sale; 2 with the reduced list's model.
    SaleTabWidget(int index, SaleTab* sale, QWidget* parent = nullptr);

    const Fields& fields() const { return m_f; }
    bool isFull() const { return m_index < 2; }

    // Writes the sale's totals, payment, customer and markers into the fields.
    void showSale();
    void showPayment();
    void showMarkers();
    // listrenkle: the selected row painted as one band, scrolled into view.
    void paintSelection();
    void applyLook(const ListLook& look);
    // Restored column widths in twips; missing ones stay as they are.
    void setColumnWidthsTwips(const QList<std::optional<int>>& twips);
    QList<int> columnWidthsTwips() const;
    // The next field of the customer ring after `field`, or nullptr.
    QLineEdit* nextCustomerField(const QObject* field) const;

signals:
    void commandClicked(SalesCommand command);
    void customerCleared();
    void newEdocClicked(bool ticked);
    void rowPressed();

private:
    QWidget* buildTotalsFrame();
    QWidget* buildCustomerFrame();
    QWidget* buildButtons();

    int m_index;
    SaleTab* m_sale;
    Fields m_f;
};

inline constexpr int kTwipsPerPixel = 15;
