#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <array>

class DbRows;

// Column order of a sale line; Parts of the program that read lines use these.
enum SaleCol {
    ColSiraNo = 0, ColBarkod, ColStokKodu, ColCinsi, ColKdv, ColBirim, ColBirimFiyat, ColMiktar,
    ColTutar, ColInd, ColIndTop, ColToplamTutar, ColPlu, ColDep,
    SaleColumnCount
};

// One row of a sale list: the item text and 13 sub-items, all text as shown.
struct SaleLine {
    std::array<QString, SaleColumnCount> cells;
    QString& operator[](int col) { return cells[static_cast<size_t>(col)]; }
    const QString& operator[](int col) const { return cells[static_cast<size_t>(col)]; }
};

// The customer of a sale; `tag` is the customer kind: "1" e-invoice,
// "2" e-archive, "3" new customer for an electronic document.
struct SaleCustomer {
    QString ckod, tag, unvn, yet, tel, vno, vd, shr, adr;
};

// Column headers, widths in twips and alignments of the three sale lists:
// l1 and l11 have 14 columns (aligned a little differently), the reduced
// third list l13 has 11.
enum class SaleList { L1, L11, L13 };
struct SaleColumnLayout {
    const char* header;
    int twips;
    Qt::Alignment alignment;
};
const QList<SaleColumnLayout>& saleColumns(SaleList list);

// The change of the reduced third sale: cash - grand total, or "0,00" when
// the cash is below 1.
QString reducedSaleChange(const QString& cash, const QString& grandTotal);

// One sale: its lines, totals, payment fields and customer, as texts.
// Operations follow the cashier's commands; every line change ends with a
// totals recomputation by the caller or the operation itself.
class SaleTab : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SaleTab(SaleList list = SaleList::L1, QObject* parent = nullptr);

    // Totals and payment texts (amount format, "0,00" when empty).
    QString sttop, kdvtop, indtop, gentop;
    QString nkit, krd, para, prust, bky;
    SaleCustomer customer;
    QString cr1, cr2; // default customer code and title labels

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const QList<SaleLine>& lines() const { return m_lines; }
    bool isEmpty() const { return m_lines.isEmpty(); }
    // The selected row (0-based), or -1.
    int selected() const { return m_selected; }
    void setSelected(int row);

    // 1-based position of the first row whose stock code equals `stkod`
    // exactly, or 0 (listestokkodkontrol).
    int findStockCode(const QString& stkod) const;

    // Appends a line built from a product row at price level `fytno`; when a
    // value fails midway the row stays as far as it was filled and the
    // error is passed on. Returns the new row.
    int appendFromProduct(const DbRows& product, const QString& fytno);

    // miktarekle: row p (1-based) up by one; recomputes the line and totals.
    void raiseQuantity(int position);
    // miktargir: quantity text as typed on the selected row; recomputes.
    void setQuantity(const QString& quantity);
    // sirala: item text of every row = its position.
    void renumber();
    // sil, step 3: removes the selected row, selects the row now there (or
    // the new last), renumbers, recomputes. False when nothing is selected.
    bool removeSelected();
    // listeharaket: "0" down, "1" up. False when the selection did not move.
    bool moveSelection(bool up);
    // fissifirlaliste: all rows, totals, payment and customer detail fields
    // cleared; default customer labels set. Code, tag stay.
    void clear(const QString& defaultCode, const QString& defaultTitle);

    // hesapla: the four totals from the lines.
    void computeTotals();
    // tutarhesaplamayap: balance, change and the payment fields reformatted.
    void recomputePayment();
    // F8: cash = grand total - card; F9: card = grand total - cash.
    void fillCash();
    void fillCard();
    // The cash share back to "0,00" (a scan, a quantity, a removal).
    void resetCash();
    // The customer of the sale, code and kind included.
    void setCustomer(const SaleCustomer& customer);

    QString cell(int row, int col) const { return m_lines.at(row)[col]; }
    void setCell(int row, int col, const QString& text);

signals:
    void selectionMoved(int row);
    // Totals, payment or customer changed: whatever shows them shows them again.
    void changed();

private:
    void recomputeLine(int row);
    void paymentSteps();

    const QList<SaleColumnLayout>& m_columns;
    QList<SaleLine> m_lines;
    int m_selected = -1;
};
