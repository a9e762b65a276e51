#include "sales/sale_model.h"

#include "config/localdb.h"
#include "shell/numbers.h"

#include <optional>

namespace {

const QString kZero = QStringLiteral("0,00");

std::optional<double> num(const QString& text)
{
    return Num::parse(text);
}

// The price column for a price level text; anything unknown is the base price.
QString priceColumn(const QString& fytno)
{
    static const QStringList levels = {QStringLiteral("Fiyat1"), QStringLiteral("Fiyat2"), QStringLiteral("Fiyat3"),
                                       QStringLiteral("Fiyat4"), QStringLiteral("Fiyat5")};
    const qsizetype i = levels.indexOf(fytno);
    return i < 0 ? QStringLiteral("brfiyat") : QStringLiteral("fiyat") + QString::number(i + 1);
}

} // namespace

const QList<SaleColumnLayout>& saleColumns(SaleList list)
{
    static const QList<SaleColumnLayout> l1 = {
        {"SIRA NO", 1411, Qt::AlignLeft},
        {"BARKOD", 2540, Qt::AlignLeft},
        {"STOK KODU", 3528, Qt::AlignLeft},
        {"CİNSİ", 8819, Qt::AlignLeft},
        {"KDV%", 2540, Qt::AlignRight},
        {"BİRİM", 2540, Qt::AlignHCenter},
        {"BİRİM FİYAT", 2540, Qt::AlignRight},
        {"MİKTAR", 2540, Qt::AlignRight},
        {"TUTAR", 2540, Qt::AlignRight},
        {"İND.", 2540, Qt::AlignRight},
        {"İND TOP.", 2540, Qt::AlignRight},
        {"TOPLAM TUTAR", 3175, Qt::AlignRight},
        {"P.NO", 2540, Qt::AlignRight},
        {"DEP", 2540, Qt::AlignRight},
    };
    static const QList<SaleColumnLayout> l11 = [] {
        QList<SaleColumnLayout> c = l1;
        c[ColKdv].alignment = Qt::AlignHCenter;
        c[ColBirim].alignment = Qt::AlignLeft;
        return c;
    }();
    static const QList<SaleColumnLayout> l13 = [] {
        QList<SaleColumnLayout> c = l1.mid(0, 11);
        c[ColSiraNo].twips = 2117;
        c[ColKdv].alignment = Qt::AlignHCenter;
        c[ColBirim].alignment = Qt::AlignLeft;
        c[ColInd].header = "İNDİRİM";
        c[ColIndTop].header = "TOPLAM TUTAR";
        c[ColIndTop].twips = 2540;
        return c;
    }();
    switch (list) {
    case SaleList::L11: return l11;
    case SaleList::L13: return l13;
    default: return l1;
    }
}

SaleTab::SaleTab(SaleList list, QObject* parent)
    : QAbstractTableModel(parent)
    , sttop(kZero), kdvtop(kZero), indtop(kZero), gentop(kZero)
    , nkit(kZero), krd(kZero), para(kZero), prust(kZero), bky(kZero)
    , m_columns(saleColumns(list))
{
}

int SaleTab::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

int SaleTab::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant SaleTab::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_lines.at(index.row())[index.column()];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns.at(index.column()).alignment | Qt::AlignVCenter);
    return {};
}

QVariant SaleTab::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    const SaleColumnLayout& c = m_columns.at(section);
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(c.header);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(c.alignment | Qt::AlignVCenter);
    return {};
}

void SaleTab::setSelected(int row)
{
    if (row < -1 || row >= m_lines.size())
        row = -1;
    m_selected = row;
    emit selectionMoved(row);
}

void SaleTab::setCell(int row, int col, const QString& text)
{
    m_lines[row][col] = text;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

int SaleTab::findStockCode(const QString& stkod) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        if (m_lines.at(i)[ColStokKodu] == stkod)
            return static_cast<int>(i + 1);
    return 0;
}

int SaleTab::appendFromProduct(const DbRows& product, const QString& fytno)
{
    const int row = static_cast<int>(m_lines.size());
    beginInsertRows({}, row, row);
    m_lines.append(SaleLine{});
    endInsertRows();

    // Filled in this order so that a failing value leaves what came before.
    setCell(row, ColBarkod, product.text(QStringLiteral("barkod")));
    setCell(row, ColStokKodu, product.text(QStringLiteral("stkod")));
    setCell(row, ColCinsi, product.text(QStringLiteral("cinsi")));
    setCell(row, ColBirim, product.text(QStringLiteral("birim")));
    for (int col : {ColKdv, ColBirimFiyat, ColTutar, ColInd, ColIndTop})
        setCell(row, col, QStringLiteral("0"));
    setCell(row, ColMiktar, QStringLiteral("1"));
    setCell(row, ColKdv, product.text(QStringLiteral("kdv")));
    double price = product.number(priceColumn(fytno));
    setCell(row, ColBirimFiyat, Num::amount(price));
    setCell(row, ColTutar, Num::amount(1 * price));
    if (!(price > 0)) {
        // A level price of zero or less falls back to the base price, as it is.
        price = product.number(QStringLiteral("brfiyat"));
        setCell(row, ColBirimFiyat, Num::amount(price));
        setCell(row, ColTutar, Num::amount(1 * price));
    }
    setCell(row, ColMiktar, QStringLiteral("1"));
    const double discount = product.number(QStringLiteral("indirm"));
    setCell(row, ColInd, Num::amount(discount));
    setCell(row, ColIndTop, Num::amount(discount));
    setCell(row, ColToplamTutar, Num::amount(price - discount));
    setCell(row, ColPlu, product.text(QStringLiteral("plu")));
    setCell(row, ColDep, product.text(QStringLiteral("dep")));
    return row;
}

// Columns 8, 10 and 11 from the quantity; a step whose operand is not a
// number is skipped and the next one still runs.
void SaleTab::recomputeLine(int row)
{
    const SaleLine& l = m_lines.at(row);
    const auto qty = num(l[ColMiktar]);
    const auto price = num(l[ColBirimFiyat]);
    if (qty && price)
        setCell(row, ColTutar, Num::amount(*qty * *price));
    const auto discount = num(l[ColInd]);
    if (qty && discount)
        setCell(row, ColIndTop, Num::amount(*qty * *discount));
    const auto amount = num(m_lines.at(row)[ColTutar]);
    const auto discountTotal = num(m_lines.at(row)[ColIndTop]);
    if (amount && discountTotal)
        setCell(row, ColToplamTutar, Num::amount(*amount - *discountTotal));
}

void SaleTab::raiseQuantity(int position)
{
    const int row = position - 1;
    if (row < 0 || row >= m_lines.size())
        return;
    if (const auto qty = num(m_lines.at(row)[ColMiktar]))
        setCell(row, ColMiktar, Num::plain(*qty + 1));
    recomputeLine(row);
    computeTotals();
}

void SaleTab::setQuantity(const QString& quantity)
{
    if (m_selected < 0 || m_selected >= m_lines.size())
        return;
    setCell(m_selected, ColMiktar, quantity);
    recomputeLine(m_selected);
    nkit = kZero;
    computeTotals();
}

void SaleTab::renumber()
{
    for (int i = 0; i < m_lines.size(); ++i)
        setCell(i, ColSiraNo, QString::number(i + 1));
}

bool SaleTab::removeSelected()
{
    const int i = m_selected;
    if (i < 0 || i >= m_lines.size())
        return false;
    beginRemoveRows({}, i, i);
    m_lines.removeAt(i);
    endRemoveRows();
    setSelected(m_lines.isEmpty() ? -1 : std::min(i, static_cast<int>(m_lines.size()) - 1));
    renumber();
    computeTotals();
    return true;
}

bool SaleTab::moveSelection(bool up)
{
    if (m_selected < 0)
        return false;
    const int target = up ? m_selected - 1 : m_selected + 1;
    if (target < 0 || target >= m_lines.size())
        return false;
    setSelected(target);
    return true;
}

void SaleTab::clear(const QString& defaultCode, const QString& defaultTitle)
{
    beginResetModel();
    m_lines.clear();
    m_selected = -1;
    endResetModel();
    cr1 = defaultCode;
    cr2 = defaultTitle;
    sttop = kdvtop = indtop = kZero;
    nkit = krd = kZero;
    prust = gentop = kZero;
    para = bky = kZero;
    const QString code = customer.ckod, tag = customer.tag;
    customer = SaleCustomer{};
    customer.ckod = code;
    customer.tag = tag;
    emit selectionMoved(-1);
    emit changed();
}

void SaleTab::computeTotals()
{
    // Summed in double precision and rounded only when written, so a total
    // is right to the kuruş however large the sale.
    double net = 0, gross = 0, vat = 0, discount = 0;
    for (const SaleLine& l : std::as_const(m_lines)) {
        const auto rate = num(l[ColKdv]);
        const double divisor = rate ? 1 + *rate / 100 : 1;
        const auto total = num(l[ColToplamTutar]);
        if (total) {
            net += *total / divisor;
            gross += *total;
            if (rate)
                vat += (*rate / 100) * (*total / divisor);
        }
        if (const auto d = num(l[ColIndTop]))
            discount += *d;
    }
    sttop = Num::amount(net);
    kdvtop = Num::amount(vat);
    gentop = Num::amount(gross);
    indtop = Num::amount(discount);
    emit changed();
}

void SaleTab::recomputePayment()
{
    paymentSteps();
    emit changed();
}

// Stops at the first step whose operand is not a number; what was written
// before stays.
void SaleTab::paymentSteps()
{
    const auto total = num(gentop), card = num(krd), cash = num(nkit);
    if (!total || !card || !cash)
        return;
    bky = Num::amount(*total - *card - *cash);
    const auto handed = num(para);
    if (!handed)
        return;
    const double change = *handed - *cash;
    prust = change < 0 ? kZero : Num::amount(change);
    for (QString* field : {&gentop, &krd, &nkit, &bky, &para, &prust}) {
        const auto v = num(*field);
        if (!v)
            return;
        *field = Num::amount(*v);
    }
    if (m_lines.isEmpty())
        gentop = krd = nkit = bky = para = prust = kZero;
}

QString reducedSaleChange(const QString& cash, const QString& grandTotal)
{
    const double handed = Num::parseOr(cash, 0);
    return handed < 1 ? kZero : Num::amount(handed - Num::parseOr(grandTotal, 0));
}

void SaleTab::resetCash()
{
    nkit = kZero;
    emit changed();
}

void SaleTab::setCustomer(const SaleCustomer& c)
{
    customer = c;
    emit changed();
}

void SaleTab::fillCash()
{
    const auto total = num(gentop), card = num(krd);
    if (total && card)
        nkit = Num::amount(*total - *card);
    recomputePayment();
}

void SaleTab::fillCard()
{
    const auto total = num(gentop), cash = num(nkit);
    if (total && cash)
        krd = Num::amount(*total - *cash);
    recomputePayment();
}
