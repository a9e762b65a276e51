#pragma once

#include <QString>

class SaleTab;

// Entering a product into a sale, by barcode (stokekle) or by stock code
// (stokkartekle): looked up in URUN.dbs; a stock code already on the sale
// raises that line, otherwise a new line is built at the price level.
struct EntryOutcome {
    enum Kind { Added, Merged, NotFound, Failed };
    Kind kind = NotFound;
    bool found = false;  // a product row was found (the found sound plays)
    int row = -1;        // the new or raised row (0-based)
    bool storeUnreachable = false; // the store itself failed (missing, locked)
};

class ProductLookup {
public:
    // `urunDbs`: the product store; `fytno`: the price level text.
    ProductLookup(QString urunDbs, QString fytno) : m_path(std::move(urunDbs)), m_fytno(std::move(fytno)) {}

    EntryOutcome enterBarcode(SaleTab& sale, const QString& barcode) const;
    EntryOutcome enterStockCode(SaleTab& sale, const QString& stockCode) const;

private:
    EntryOutcome enter(SaleTab& sale, const QString& column, const QString& value) const;

    QString m_path;
    QString m_fytno;
};
