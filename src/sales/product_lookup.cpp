#include "sales/product_lookup.h"

#include "config/localdb.h"
#include "sales/sale_model.h"

EntryOutcome ProductLookup::enterBarcode(SaleTab& sale, const QString& barcode) const
{
    return enter(sale, QStringLiteral("barkod"), barcode);
}

EntryOutcome ProductLookup::enterStockCode(SaleTab& sale, const QString& stockCode) const
{
    // A stock code already on the sale is raised without opening the store.
    if (const int p = sale.findStockCode(stockCode); p > 0) {
        sale.raiseQuantity(p);
        return EntryOutcome{EntryOutcome::Merged, true, p - 1, false};
    }
    return enter(sale, QStringLiteral("stkod"), stockCode);
}

EntryOutcome ProductLookup::enter(SaleTab& sale, const QString& column, const QString& value) const
{
    EntryOutcome out;
    try {
        LocalDb db(m_path);
        // The column name is one of two fixed names; the value is bound.
        const DbRows rows = db.run(QStringLiteral("select * from kasa where ") + column + QStringLiteral("=?"), {value});
        if (rows.eof())
            return out;
        out.found = true;
        if (const int p = sale.findStockCode(rows.text(QStringLiteral("stkod"))); p > 0) {
            db.close();
            sale.raiseQuantity(p);
            out.kind = EntryOutcome::Merged;
            out.row = p - 1;
            return out;
        }
        out.row = sale.appendFromProduct(rows, m_fytno);
        db.close();
        sale.renumber();
        sale.setSelected(out.row);
        sale.computeTotals();
        out.kind = EntryOutcome::Added;
    } catch (const DbError& e) {
        out.kind = EntryOutcome::Failed;
        out.storeUnreachable = e.code() == DbError::kGeneralFailure;
    }
    return out;
}
