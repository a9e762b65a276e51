#include "sales/saletab_window.h"

#include "shell/textbox_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kZero = QStringLiteral("0,00");

// Suffix of a field's name on sale 1, 2 and 3 ("nkit1", "nkit11", "nkit13").
QString named(const char* base, int index)
{
    static const char* suffix[] = {"1", "11", "13"};
    return QString::fromLatin1(base) + QString::fromLatin1(suffix[index]);
}

// Customer field names: "ckod" on sale 1, "ckod2" on sale 2.
QString customerName(const char* base, int index)
{
    return QString::fromLatin1(base) + (index == 1 ? QStringLiteral("2") : QString());
}

QLabel* valueLabel(QWidget* parent, const QString& name)
{
    auto* l = new QLabel(kZero, parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(120);
    l->setStyleSheet(QStringLiteral("QLabel{background:white; border:1px solid #9aa7b4; padding:2px 6px;}"));
    return l;
}

QLineEdit* amountBox(QWidget* parent, const QString& name)
{
    auto* e = new QLineEdit(kZero, parent);
    e->setObjectName(name);
    e->setAlignment(Qt::AlignRight);
    e->setMinimumWidth(120);
    attachKeyFilter(e, KeyFilter::RakamVirgul);
    return e;
}

// Button captions of a sale tab with their commands, in the order shown.
struct ButtonSpec {
    const char* caption;
    std::optional<SalesCommand> command;
    const char* name;
};
const ButtonSpec kButtons[] = {
    {"Kaydet / Fiş Yazdır [F2]", SalesCommand::ReceiptSave, "kaydet"},
    {"Miktar Girişi [F3]", SalesCommand::Quantity, "miktar"},
    {"Satış Faturası Yazdır [F4]", SalesCommand::InvoicePrint, "fatyaz"},
    {"     Cari Kart       [F5]", SalesCommand::CustomerWindow, "carikart"},
    {"  Stok Kartı    [F6]", SalesCommand::StockSearch, "stokkart"},
    {"İade Faturası Yazdır [F7]", SalesCommand::ReturnInvoicePrint, "iadeyaz"},
    {"        Nakit         [F8]", SalesCommand::CashShare, "nakit"},
    {"    Kredi Kartı     [F9]", SalesCommand::CardShare, "kredi"},
    {"Para Girişi  [F10]", SalesCommand::CashHandedOver, "para"},
    {"Satış Faturası Kaydet [F11]", SalesCommand::InvoiceSave, "fatkaydet"},
    {"İade Faturası Kaydet [F12]", SalesCommand::ReturnSave, "iadekaydet"},
    {"Kasa Defteri [Ctrl+K]", SalesCommand::CashBook, "kasadefter"},
    {"  Yönetici    [Shift+Y]", SalesCommand::Administrator, "yonetici"},
    {"Personel  [F7]", std::nullopt, "personel"},
};

} // namespace

SaleTabWidget::SaleTabWidget(int index, SaleTab* sale, QWidget* parent)
    : QWidget(parent), m_index(index), m_sale(sale)
{
    Fields& w = m_f;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 6, 4, 4);

    auto* linesFrame = new QGroupBox(index == 2 ? QStringLiteral("FATURA KALEMLERİ") : QStringLiteral("Fatura Kalemleri"), this);
    auto* linesLayout = new QVBoxLayout(linesFrame);
    w.list = new QTableView(linesFrame);
    w.list->setObjectName(named("l", index));
    w.list->setSelectionBehavior(QAbstractItemView::SelectRows);
    w.list->setSelectionMode(QAbstractItemView::SingleSelection);
    w.list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    w.list->setFocusPolicy(Qt::NoFocus);
    w.list->verticalHeader()->hide();
    w.list->verticalHeader()->setDefaultSectionSize(28);
    w.list->horizontalHeader()->setHighlightSections(false);
    w.list->setWordWrap(false);
    w.list->setModel(sale);
    static const SaleList kinds[] = {SaleList::L1, SaleList::L11, SaleList::L13};
    const QList<SaleColumnLayout>& columns = saleColumns(kinds[index]);
    for (int c = 0; c < columns.size(); ++c)
        w.list->setColumnWidth(c, columns.at(c).twips / kTwipsPerPixel);
    if (isFull()) {
        connect(sale, &SaleTab::selectionMoved, this, &SaleTabWidget::paintSelection);
        connect(sale, &SaleTab::changed, this, &SaleTabWidget::showSale);
        connect(w.list, &QTableView::pressed, this, [this](const QModelIndex& i) {
            m_sale->setSelected(i.row());
            emit rowPressed();
        });
    }
    linesLayout->addWidget(w.list);
    layout->addWidget(linesFrame, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buildTotalsFrame(), 0);
    if (isFull()) {
        bottom->addWidget(buildCustomerFrame(), 1);
        bottom->addWidget(buildButtons(), 0);
    } else {
        bottom->addStretch(1);
    }
    layout->addLayout(bottom);
}

QWidget* SaleTabWidget::buildTotalsFrame()
{
    const int index = m_index;
    Fields& w = m_f;
    auto* frame = new QGroupBox(index == 2 ? QStringLiteral("SATIŞ BİLGİLERİ") : QStringLiteral("Fiyat Bilgileri"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);

    w.sttop = valueLabel(frame, named("sttop", index));
    w.kdvtop = valueLabel(frame, named("kdvtop", index));
    w.indtop = valueLabel(frame, named("indtop", index));
    w.gentop = new QLabel(kZero, frame);
    w.gentop->setObjectName(named("gentop", index));
    w.gentop->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    w.gentop->setMinimumSize(300, 64);
    QFont gf = w.gentop->font();
    gf.setPointSize(30);
    gf.setBold(true);
    w.gentop->setFont(gf);
    w.gentop->setStyleSheet(QStringLiteral("QLabel{background:#0b1f14; color:#3dff7a; border-radius:6px; padding:4px 12px;}"));
    w.nkit = amountBox(frame, named("nkit", index));
    w.prust = valueLabel(frame, named("prust", index));

    static const char* genCaption[] = {"GENEL TOPLAM", "GENEL TOPLAM:", "GEN. TOPLAM:"};
    auto* genLabel = new QLabel(QString::fromUtf8(genCaption[index]), frame);
    QFont lf = genLabel->font();
    lf.setBold(true);
    genLabel->setFont(lf);

    int row = 0;
    auto pair = [&](const char* caption, QWidget* field, int col) {
        grid->addWidget(new QLabel(QString::fromUtf8(caption), frame), row, col);
        grid->addWidget(field, row, col + 1);
    };
    pair("TOPLAM:", w.sttop, 0);
    pair("KDV TOP:", w.kdvtop, 2);
    ++row;
    pair("İND. TOPLAMI:", w.indtop, 0);
    ++row;
    grid->addWidget(genLabel, row, 0);
    grid->addWidget(w.gentop, row, 1, 1, 3);
    ++row;
    pair("NAKİT:", w.nkit, 0);
    if (index < 2) {
        w.krd = amountBox(frame, named("krd", index));
        pair("KREDİ KARTI:", w.krd, 2);
        ++row;
        w.para = amountBox(frame, named("para", index));
        pair("NAKİT ÖDEME:", w.para, 0);
        pair("P. ÜSTÜ:", w.prust, 2);
        ++row;
        w.bky = valueLabel(frame, named("bky", index));
        pair("BAKİYE:", w.bky, 2);
        SaleTab* s = m_sale;
        connect(w.nkit, &QLineEdit::textChanged, s, [s](const QString& t) { s->nkit = t; });
        connect(w.krd, &QLineEdit::textChanged, s, [s](const QString& t) { s->krd = t; });
        connect(w.para, &QLineEdit::textChanged, s, [s](const QString& t) { s->para = t; });
    } else {
        pair("P. ÜSTÜ:", w.prust, 2);
        connect(w.nkit, &QLineEdit::textChanged, this,
                [&w](const QString& cash) { w.prust->setText(reducedSaleChange(cash, w.gentop->text())); });
    }
    ++row;
    w.cr1 = new QLabel(frame);
    w.cr1->setObjectName(index == 1 ? QStringLiteral("cr11") : index == 2 ? QStringLiteral("cr13") : QStringLiteral("cr1"));
    w.cr2 = new QLabel(frame);
    w.cr2->setObjectName(index == 1 ? QStringLiteral("cr21") : index == 2 ? QStringLiteral("cr23") : QStringLiteral("cr2"));
    pair("CARİ KOD:", w.cr1, 0);
    pair("CARİ ÜNVANI:", w.cr2, 2);
    return frame;
}

QWidget* SaleTabWidget::buildCustomerFrame()
{
    const int index = m_index;
    Fields& w = m_f;
    auto* frame = new QGroupBox(QStringLiteral("Cari Bilgileri"));
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(4);
    auto field = [&](const char* base) {
        auto* e = new QLineEdit(frame);
        e->setObjectName(customerName(base, index));
        return e;
    };
    w.ckod = field("ckod");
    w.ckod->setReadOnly(true);
    w.unvn = field("unvn");
    w.yet = field("yet");
    w.tel = field("tel");
    w.vno = field("vno");
    w.vd = field("vd");
    w.shr = field("shr");
    w.adr = field("adr");
    const std::pair<const char*, QLineEdit*> rows[] = {
        {"Kodu", w.ckod}, {"Ünvanı", w.unvn}, {"Yetkili", w.yet}, {"Telefon", w.tel},
        {"Vergi/Tc No", w.vno}, {"V.Dairesi", w.vd}, {"Şehir", w.shr}, {"Adres", w.adr},
    };
    int r = 0;
    for (const auto& [caption, edit] : rows) {
        grid->addWidget(new QLabel(QString::fromUtf8(caption), frame), r / 2, (r % 2) * 2);
        grid->addWidget(edit, r / 2, (r % 2) * 2 + 1);
        ++r;
    }
    SaleTab* s = m_sale;
    const std::pair<QLineEdit*, QString SaleCustomer::*> bind[] = {
        {w.ckod, &SaleCustomer::ckod}, {w.unvn, &SaleCustomer::unvn}, {w.yet, &SaleCustomer::yet},
        {w.tel, &SaleCustomer::tel}, {w.vno, &SaleCustomer::vno}, {w.vd, &SaleCustomer::vd},
        {w.shr, &SaleCustomer::shr}, {w.adr, &SaleCustomer::adr},
    };
    for (const auto& [edit, member] : bind)
        connect(edit, &QLineEdit::textChanged, s, [s, member](const QString& t) { s->customer.*member = t; });

    w.check = new QCheckBox(QStringLiteral("E-Fatura/Arşiv Yeni Cari"), frame);
    w.check->setObjectName(index == 1 ? QStringLiteral("Check2") : QStringLiteral("Check1"));
    w.check->setFocusPolicy(Qt::NoFocus);
    connect(w.check, &QCheckBox::clicked, this, &SaleTabWidget::newEdocClicked);
    auto marker = [frame](const QString& name, const QString& text, const char* colour) {
        auto* l = new QLabel(text, frame);
        l->setObjectName(name);
        l->setStyleSheet(QStringLiteral("QLabel{color:white; font-weight:bold; border-radius:4px; padding:2px 8px; background:")
                         + QString::fromLatin1(colour) + u';' + u'}');
        l->hide();
        return l;
    };
    w.efatpic = marker(customerName("efatpic", index), QStringLiteral("E-FATURA"), "#1565c0");
    w.earpic = marker(customerName("earpic", index), QStringLiteral("E-ARŞİV"), "#6a1b9a");
    auto* cancel = new QPushButton(QStringLiteral("Cari İptal"), frame);
    cancel->setObjectName(customerName("cariiptal", index));
    cancel->setFocusPolicy(Qt::NoFocus);
    connect(cancel, &QPushButton::clicked, this, &SaleTabWidget::customerCleared);
    auto* line = new QHBoxLayout;
    line->addWidget(w.check);
    line->addWidget(w.efatpic);
    line->addWidget(w.earpic);
    line->addStretch(1);
    line->addWidget(cancel);
    grid->addLayout(line, 4, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return frame;
}

QWidget* SaleTabWidget::buildButtons()
{
    const int index = m_index;
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 8, 0, 0);
    grid->setSpacing(4);
    int n = 0;
    for (const ButtonSpec& entry : kButtons) {
        if (index == 1 && entry.command == SalesCommand::Administrator)
            continue;
        auto* b = new QPushButton(QString::fromUtf8(entry.caption), box);
        b->setObjectName(QString::fromLatin1(entry.name) + QString::number(index + 1));
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumHeight(34);
        if (entry.command) {
            const SalesCommand command = *entry.command;
            connect(b, &QPushButton::clicked, this, [this, command] { emit commandClicked(command); });
        } else {
            b->setEnabled(index == 1); // the staff button of the first sale stays disabled
        }
        if (entry.command == SalesCommand::ReceiptSave)
            b->setStyleSheet(QStringLiteral("QPushButton{font-weight:bold; background:#2e7d32; color:white;}"
                                            "QPushButton:hover{background:#388e3c;}"));
        grid->addWidget(b, n / 2, n % 2);
        ++n;
    }
    return box;
}

void SaleTabWidget::showSale()
{
    if (!isFull())
        return;
    const SaleTab* s = m_sale;
    Fields& w = m_f;
    w.sttop->setText(s->sttop);
    w.kdvtop->setText(s->kdvtop);
    w.indtop->setText(s->indtop);
    w.gentop->setText(s->gentop);
    w.cr1->setText(s->cr1);
    w.cr2->setText(s->cr2);
    // A copy, since setting one field writes back into the sale.
    const SaleCustomer c = s->customer;
    w.ckod->setText(c.ckod);
    w.unvn->setText(c.unvn);
    w.yet->setText(c.yet);
    w.tel->setText(c.tel);
    w.vno->setText(c.vno);
    w.vd->setText(c.vd);
    w.shr->setText(c.shr);
    w.adr->setText(c.adr);
    showMarkers();
    showPayment();
}

void SaleTabWidget::showPayment()
{
    if (!isFull())
        return;
    const SaleTab* s = m_sale;
    Fields& w = m_f;
    // Copies, since setting one box writes back into the sale.
    const QString nkit = s->nkit, krd = s->krd, para = s->para;
    w.gentop->setText(s->gentop);
    w.nkit->setText(nkit);
    w.krd->setText(krd);
    w.para->setText(para);
    w.prust->setText(s->prust);
    w.bky->setText(s->bky);
}

void SaleTabWidget::showMarkers()
{
    if (!isFull())
        return;
    const QString tag = m_sale->customer.tag;
    m_f.efatpic->setVisible(tag == QLatin1String("1") || tag == QLatin1String("3"));
    m_f.earpic->setVisible(tag == QLatin1String("2"));
}

void SaleTabWidget::paintSelection()
{
    QTableView* list = m_f.list;
    const int row = m_sale->selected();
    if (row < 0) {
        list->clearSelection();
        return;
    }
    // Current cell in the first column, so the list never scrolls sideways to it.
    const QModelIndex first = list->model()->index(row, 0);
    const int across = list->horizontalScrollBar()->value();
    list->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(first);
    list->horizontalScrollBar()->setValue(across); // only the rows scroll
}

void SaleTabWidget::applyLook(const ListLook& look)
{
    QTableView* list = m_f.list;
    list->setFont(look.font);
    list->verticalHeader()->setDefaultSectionSize(QFontMetrics(look.font).height() + 10);
    QPalette p = list->palette();
    if (look.background)
        p.setColor(QPalette::Base, *look.background);
    if (look.text)
        p.setColor(QPalette::Text, *look.text);
    // One band in the selected-row colour, whether or not the list has the focus.
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::Highlight, look.selection.isValid() ? look.selection : p.color(QPalette::Base));
        if (look.text)
            p.setColor(g, QPalette::HighlightedText, *look.text);
    }
    list->setPalette(p);
}

void SaleTabWidget::setColumnWidthsTwips(const QList<std::optional<int>>& twips)
{
    const int columns = m_f.list->model()->columnCount();
    for (int i = 0; i < columns && i < twips.size(); ++i) {
        if (twips.at(i))
            m_f.list->setColumnWidth(i, *twips.at(i) / kTwipsPerPixel);
    }
}

QList<int> SaleTabWidget::columnWidthsTwips() const
{
    QList<int> twips;
    for (int c = 0; c < m_f.list->model()->columnCount(); ++c)
        twips.append(m_f.list->columnWidth(c) * kTwipsPerPixel);
    return twips;
}

QLineEdit* SaleTabWidget::nextCustomerField(const QObject* field) const
{
    if (!isFull())
        return nullptr;
    QLineEdit* const ring[] = {m_f.unvn, m_f.yet, m_f.tel, m_f.vno, m_f.vd, m_f.shr, m_f.adr};
    for (size_t i = 0; i < std::size(ring); ++i) {
        if (field == ring[i])
            return ring[(i + 1) % std::size(ring)];
    }
    return nullptr;
}
