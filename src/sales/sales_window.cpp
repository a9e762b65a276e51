#include "sales/sales_window.h"

#include "config/admin_login_dialog.h"
#include "records/daily_totals.h"
#include "records/exchange.h"
#include "records/exchange_runner.h"
#include "records/movement_file.h"
#include "records/pos_export.h"
#include "records/receipt.h"
#include "records/record_type_dialog.h"
#include "sales/product_lookup.h"
#include "sales/quantity_dialog.h"
#include "sales/saletab_window.h"
#include "sales/sales_settings.h"
#include "shell/clock.h"
#include "shell/inifile.h"
#include "shell/message.h"
#include "shell/numbers.h"
#include "shell/programs.h"
#include "shell/textbox_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QAudioDevice>
#include <QLabel>
#include <QLineEdit>
#include <QMediaDevices>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSoundEffect>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

bool satisekraniacik = false;

namespace {

QColor fromNumber(int n)
{
    const Rgb c = rgbOf(n);
    return QColor(c.red, c.green, c.blue);
}

} // namespace

SalesWindow::SalesWindow(ProgramFolder folder, QWidget* parent)
    : QMainWindow(parent), m_folder(std::move(folder)), m_store(m_folder)
{
    setObjectName(QStringLiteral("stfatura"));
    setWindowTitle(QStringLiteral("TKM  KASAPRO  v3.02"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_sales[0] = new SaleTab(SaleList::L1, this);
    m_sales[1] = new SaleTab(SaleList::L11, this);
    m_reduced = new SaleTab(SaleList::L13, this);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("govde"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(8, 6, 8, 4);
    layout->setSpacing(6);
    buildHeader(central);

    m_tabs = new QTabWidget(central);
    m_tabs->setObjectName(QStringLiteral("tb1"));
    for (int i = 0; i < 3; ++i) {
        auto* page = new SaleTabWidget(i, i < 2 ? m_sales[static_cast<size_t>(i)] : m_reduced, m_tabs);
        m_pages[static_cast<size_t>(i)] = page;
        m_tabs->addTab(page, i == 0 ? QStringLiteral("               SATIŞ1               ") : QString());
        connect(page, &SaleTabWidget::commandClicked, this, &SalesWindow::runCommand);
        connect(page, &SaleTabWidget::customerCleared, this, &SalesWindow::clearCustomer);
        connect(page, &SaleTabWidget::newEdocClicked, this, &SalesWindow::newEdocCustomer);
        connect(page, &SaleTabWidget::rowPressed, this, &SalesWindow::focusBarcode);
    }
    m_tabs->setTabEnabled(1, false);
    m_tabs->setTabEnabled(2, false);
    m_tabs->setFocusPolicy(Qt::NoFocus);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        leaveDeleteMode();
        focusBarcode();
    });
    layout->addWidget(m_tabs, 1);

    // The register payment panel, shown only while a sale is paid on the register.
    m_odemepanel = new QFrame(central);
    m_odemepanel->setObjectName(QStringLiteral("odemepanel"));
    m_odemepanel->hide();
    layout->addWidget(m_odemepanel);
    setCentralWidget(central);

    auto* menu = menuBar()->addMenu(QStringLiteral("Menu"));
    menu->addAction(QStringLiteral("Ayarlar"));
    menu->addAction(QStringLiteral("Yazdırma Tasarımı"), this, [this] {
        Programs::start(m_folder.file(QStringLiteral("TKmEtiket.exe")));
    });
    menu->addAction(QStringLiteral("Pos Yazarkasa Ayarları"));

    m_status[0] = new QLabel(this);
    m_status[1] = new QLabel(this);
    m_status[2] = new QLabel(QStringLiteral("Personel:"), this);
    m_status[3] = new QLabel(this);
    m_status[4] = new QLabel(this);
    statusBar()->setObjectName(QStringLiteral("s1"));
    for (QLabel* l : m_status) {
        l->setMinimumWidth(110);
        l->setContentsMargins(6, 0, 6, 0);
        statusBar()->addWidget(l, l == m_status[4] ? 1 : 0);
    }
    m_status[3]->setObjectName(QStringLiteral("personel"));
    m_exchangeLabel = new QLabel(this);
    m_exchangeLabel->setObjectName(QStringLiteral("Label11"));
    m_exchangeLabel->setStyleSheet(QStringLiteral("QLabel{color:red; font-weight:bold;}"));
    statusBar()->addPermanentWidget(m_exchangeLabel);
    m_exchange = new ExchangeRunner(this);

    auto makeTimer = [this](int ms, bool single) {
        auto* t = new QTimer(this);
        t->setInterval(ms);
        t->setSingleShot(single);
        return t;
    };
    m_focusTimer = makeTimer(100, true);
    m_blinkTimer = makeTimer(100, false);
    m_updateTimer = makeTimer(60000, false);
    m_registerTimer = makeTimer(3000, true);
    m_unlockTimer = makeTimer(20000, true);
    m_paymentTimer = makeTimer(500, false);
    m_clockTimer = makeTimer(1000, false);
    connect(m_focusTimer, &QTimer::timeout, this, &SalesWindow::focusBarcode);
    connect(m_blinkTimer, &QTimer::timeout, this, [this] {
        m_blinkRed = !m_blinkRed;
        m_srvadi->setStyleSheet(m_blinkRed ? QStringLiteral("QLineEdit{background:rgb(255,0,0);}") : QString());
    });
    connect(m_updateTimer, &QTimer::timeout, this, [this] {
        m_updateTimer->stop();
        guncellemeyap();
        m_updateTimer->start();
    });
    connect(m_registerTimer, &QTimer::timeout, this, &SalesWindow::connectRegister);
    connect(m_unlockTimer, &QTimer::timeout, this, [this] { setEnabled(true); });
    auto tick = [this] {
        const QDateTime now = Clock::now();
        m_status[0]->setText(Clock::shortDate(now.date()));
        m_status[1]->setText(now.time().toString(QStringLiteral("HH:mm:ss")));
    };
    connect(m_clockTimer, &QTimer::timeout, this, tick);
    tick();

    // Opening, in order; a step that fails leaves the designed values.
    eslesme = 0;
    Programs::start(m_folder.file(QStringLiteral("vpn/varira.exe")));
    m_tabs->setCurrentIndex(0);
    stokcariacik = false;
    satisekraniacik = true;
    olcuyukle();
    oku();
    guncellemeyap();

    qApp->installEventFilter(this);
    m_focusTimer->start();
    m_updateTimer->start();
    m_registerTimer->start();
    m_clockTimer->start();
}

SalesWindow::~SalesWindow()
{
    qApp->removeEventFilter(this);
}

void SalesWindow::buildHeader(QWidget* central)
{
    auto* bar = new QFrame(central);
    bar->setObjectName(QStringLiteral("ustpanel"));
    bar->setStyleSheet(QStringLiteral("#ustpanel{background:#1f3b57; border-radius:6px;}"
                                      "#ustpanel QLabel{color:white;}"));
    auto* grid = new QGridLayout(bar);
    grid->setContentsMargins(12, 8, 12, 8);
    grid->setHorizontalSpacing(10);

    m_baslik = new QLabel(QStringLiteral("KASAPRO"), bar);
    m_baslik->setObjectName(QStringLiteral("baslik1"));
    QFont tf = m_baslik->font();
    tf.setPointSize(18);
    tf.setBold(true);
    m_baslik->setFont(tf);

    m_kasaisim = new QLabel(QStringLiteral("KASA:"), bar);
    m_kasaisim->setObjectName(QStringLiteral("kasaisim"));
    QFont kf = m_kasaisim->font();
    kf.setPointSize(14);
    kf.setBold(true);
    m_kasaisim->setFont(kf);

    auto* barkodLabel = new QLabel(QStringLiteral("BARKOD:"), bar);
    barkodLabel->setFont(kf);
    m_srvadi = new QLineEdit(bar);
    m_srvadi->setObjectName(QStringLiteral("srvadi"));
    QFont bf = m_srvadi->font();
    bf.setPointSize(20);
    bf.setBold(true);
    m_srvadi->setFont(bf);
    m_srvadi->setMinimumWidth(380);
    m_srvadi->setMinimumHeight(44);
    connect(m_srvadi, &QLineEdit::textChanged, this, [this] { baryok(false); });

    auto smallBox = [bar, &kf](const QString& name) {
        auto* e = new QLineEdit(bar);
        e->setObjectName(name);
        e->setFont(kf);
        e->setMaximumWidth(200);
        e->setFocusPolicy(Qt::ClickFocus);
        return e;
    };
    m_fisno = smallBox(QStringLiteral("fisno"));
    m_fisno->setMaximumWidth(110);
    m_ftno = smallBox(QStringLiteral("ftno"));
    auto* fisLabel = new QLabel(QStringLiteral("FİŞ NO:"), bar);
    auto* ftLabel = new QLabel(QStringLiteral("FATURA NO:"), bar);
    fisLabel->setFont(kf);
    ftLabel->setFont(kf);

    auto* connectButton = new QPushButton(QStringLiteral("Yazar Kasaya Bağlan (Ctrl+X)"), bar);
    connectButton->setObjectName(QStringLiteral("kasabaglan"));
    connectButton->setFocusPolicy(Qt::NoFocus);
    connect(connectButton, &QPushButton::clicked, this, &SalesWindow::connectRegister);
    auto* lastReceipt = new QPushButton(QStringLiteral("Yazarkasa Son Fişi Yazdır"), bar);
    lastReceipt->setObjectName(QStringLiteral("sonfis"));
    lastReceipt->setFocusPolicy(Qt::NoFocus);

    grid->addWidget(m_baslik, 0, 0, 1, 3);
    grid->addWidget(connectButton, 0, 4);
    grid->addWidget(lastReceipt, 0, 5);
    grid->addWidget(m_kasaisim, 0, 6, Qt::AlignRight);
    grid->addWidget(barkodLabel, 1, 0);
    grid->addWidget(m_srvadi, 1, 1, 1, 2);
    grid->addWidget(fisLabel, 1, 3, Qt::AlignRight);
    grid->addWidget(m_fisno, 1, 4);
    grid->addWidget(ftLabel, 1, 5, Qt::AlignRight);
    grid->addWidget(m_ftno, 1, 6);
    grid->setColumnStretch(2, 1);
    central->layout()->addWidget(bar);
}

SaleTab* SalesWindow::activeSale() const
{
    return sale(m_tabs->currentIndex());
}

void SalesWindow::oku()
{
    m_store.read(m_settings, {QStringLiteral("ses"), QStringLiteral("yazici"), QStringLiteral("per"),
                              QStringLiteral("liste"), QStringLiteral("stok")});

    const SalesLook look = salesLook(m_settings, FontStyle{font().family(), font().pointSize(), false});
    if (look.fullScreen)
        setWindowFlag(Qt::FramelessWindowHint, true);
    if (look.selection)
        listesecimrenk = fromNumber(*look.selection);
    ListLook list;
    list.font = QFont(look.font.name, look.font.size);
    list.font.setBold(look.font.bold);
    if (look.textColor)
        list.text = fromNumber(*look.textColor);
    if (look.background)
        list.background = fromNumber(*look.background);
    list.selection = listesecimrenk;
    m_pages[0]->applyLook(list);
    m_pages[1]->applyLook(list);
    if (look.title)
        m_baslik->setText(*look.title);

    m_store.read(m_receipt); // fisoku
    paramoku();
    faturanoayarla(false);
}

void SalesWindow::paramoku()
{
    ParamSettings p;
    m_store.read(p);
    m_params = p;
    kasaadi = p.kasa;
    m_kasaisim->setText(QStringLiteral("KASA:") + kasaadi);
    if (const auto grid = truthValue(p.listegrid)) {
        fields(0).list->setShowGrid(*grid);
        fields(1).list->setShowGrid(*grid);
    }
    m_fisno->setText(openingReceiptNumber(p, Clock::today()));
}

void SalesWindow::olcuyukle()
{
    WorkstationSettings s;
    m_store.read(s, {QStringLiteral("olcu")});
    const QList<std::optional<int>> widths = parseColumnWidths(s.olcu);
    for (SaleTabWidget* page : m_pages)
        page->setColumnWidthsTwips(widths);
}

void SalesWindow::olcukaydet()
{
    WorkstationSettings s;
    s.olcu = columnWidthsText(m_pages[0]->columnWidthsTwips());
    m_store.write(s, {QStringLiteral("olcu")});
}

void SalesWindow::closeEvent(QCloseEvent* event)
{
    QString prefix;
    if (!m_sales[0]->isEmpty())
        prefix += QStringLiteral(" (SATIS1)");
    if (!m_sales[1]->isEmpty())
        prefix += QStringLiteral(" (SATIS2)");
    if (!prefix.isEmpty()
        && !mesajgoster(prefix + QStringLiteral("  LİSTESİNDE ÜRÜN BULUNUYOR KAPATIRSANIZ TÜM ÜRÜNLER SİLİNECEKTİR. "
                                                "YİNEDE KAPATMAK İSTİYORMUSUNUZ...?"),
                        MsgTitle::Uyari, MsgIcon::Error, MsgButtons::YesNo)) {
        event->ignore();
        return;
    }
    olcukaydet();
    satisekraniacik = false;
    event->accept();
}

bool SalesWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the program passes here: only keys and clicks matter.
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;

    if (type != QEvent::KeyPress) {
        if (watched == m_srvadi)
            baryok(false); // a click in the box stops the blinking
        return false;
    }

    auto* key = static_cast<QKeyEvent*>(event);
    KeyContext context;
    context.paymentMode = m_odemepaneliacik == 1;
    context.tab = m_tabs->currentIndex();
    context.deleteMode = m_silmemodu == 1;
    if (const auto command = routeKey(key->key(), key->modifiers(), context)) {
        runCommand(*command);
        return true;
    }
    if (watched == m_srvadi)
        return handleBarcodeKey(key);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return handlePaymentEnter(watched) || handleCustomerEnter(watched);
    return false;
}

bool SalesWindow::handleBarcodeKey(QKeyEvent* key)
{
    baryok(false);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!m_srvadi->text().isEmpty() && m_silmemodu == 0)
            stokekle();
        return true;
    case Qt::Key_Delete:
        if (m_silmemodu == 0)
            armDeleteMode();
        return false;
    default:
        return false;
    }
}

bool SalesWindow::handlePaymentEnter(QObject* watched)
{
    for (int i = 0; i < 2; ++i) {
        const SaleTabWidget::Fields& w = fields(i);
        SaleTab* s = m_sales[static_cast<size_t>(i)];
        if (watched == w.nkit)
            s->fillCard();
        else if (watched == w.krd)
            s->fillCash();
        else if (watched == w.para)
            s->recomputePayment();
        else
            continue; // the recomputation shows itself through the sale's signal
        focusBarcode();
        return true;
    }
    return false;
}

bool SalesWindow::handleCustomerEnter(QObject* watched)
{
    for (SaleTabWidget* page : m_pages) {
        if (QLineEdit* next = page->nextCustomerField(watched)) {
            next->setFocus();
            selectAllText(next);
            return true;
        }
    }
    return false;
}

void SalesWindow::runCommand(SalesCommand command)
{
    switch (command) {
    case SalesCommand::FocusBarcode: focusBarcode(); break;
    case SalesCommand::StockSearch: stockSearch(); break;
    case SalesCommand::ReceiptSave: receiptSave(); break;
    case SalesCommand::Quantity: quantityDialog(); break;
    case SalesCommand::InvoicePrint: invoicePrint(); break;
    case SalesCommand::CustomerWindow: customerWindow(); break;
    case SalesCommand::InvoiceSave: invoiceSave(); break;
    case SalesCommand::CashShare: cashShare(); break;
    case SalesCommand::CardShare: cardShare(); break;
    case SalesCommand::CashHandedOver: cashHandedOver(); break;
    case SalesCommand::ReturnInvoicePrint: returnInvoicePrint(); break;
    case SalesCommand::ReturnSave: returnSave(); break;
    case SalesCommand::SelectUp:
    case SalesCommand::SelectDown:
        if (SaleTab* s = activeSale())
            s->moveSelection(command == SalesCommand::SelectUp); // the page repaints the band
        break;
    case SalesCommand::LeaveDeleteMode: leaveDeleteMode(); break;
    case SalesCommand::DeleteLine:
        for (SaleTab* s : m_sales)
            s->resetCash();
        sil();
        break;
    case SalesCommand::ForcedReceipt: forcedReceipt(); break;
    case SalesCommand::CashBook: cashBook(); break;
    case SalesCommand::CopyPosFile: copyPosFile(); break;
    case SalesCommand::Administrator: administrator(); break;
    case SalesCommand::ConnectRegister: connectRegister(); break;
    default:
        break; // the register payment panel's keys
    }
}

void SalesWindow::stokekle()
{
    const int index = m_tabs->currentIndex();
    SaleTab* s = sale(index);
    if (!s)
        return;
    s->resetCash();
    const EntryOutcome outcome = ProductLookup(m_folder.urunDbs(), m_params.fytno).enterBarcode(*s, m_srvadi->text());
    afterEntry(outcome);
}

void SalesWindow::stokkartekle(const QString& stockCode)
{
    const int index = m_tabs->currentIndex();
    SaleTab* s = sale(index);
    if (!s)
        return;
    const EntryOutcome outcome = ProductLookup(m_folder.urunDbs(), m_params.fytno).enterStockCode(*s, stockCode);
    if (outcome.kind == EntryOutcome::Failed && outcome.storeUnreachable)
        mesajgoster(QStringLiteral("Veritabanı Bağlantısı Kurulamadı..."), MsgTitle::Uyari, MsgIcon::Error, MsgButtons::Ok);
    afterEntry(outcome);
}

void SalesWindow::afterEntry(const EntryOutcome& outcome)
{
    // The sale shows its own changes; the box is emptied for the next scan.
    if (outcome.found && isOn(m_settings.bulses))
        calseson();
    m_srvadi->clear();
    if (outcome.kind == EntryOutcome::NotFound || outcome.kind == EntryOutcome::Failed) {
        if (isOn(m_settings.bulmases))
            calsesoff();
        baryok(true);
    }
    focusBarcode();
}

bool SalesWindow::isBlinking() const
{
    return m_blinkTimer->isActive();
}

void SalesWindow::baryok(bool blink)
{
    if (m_silmemodu == 1)
        return;
    if (blink) {
        m_blinkRed = false;
        m_blinkTimer->start();
        return;
    }
    if (!m_blinkTimer->isActive())
        return;
    m_blinkTimer->stop();
    m_blinkRed = false;
    m_srvadi->setStyleSheet(QString());
}

void SalesWindow::armDeleteMode()
{
    SaleTab* s = activeSale();
    if (!s || s->isEmpty())
        return;
    baryok(false);
    m_srvadi->setStyleSheet(QStringLiteral("QLineEdit{background:rgb(255,0,0); color:palette(base);}"));
    m_silmemodu = 1;
}

void SalesWindow::leaveDeleteMode()
{
    m_srvadi->setStyleSheet(QString());
    m_silmemodu = 0;
}

void SalesWindow::sil()
{
    const int index = m_tabs->currentIndex();
    SaleTab* s = sale(index);
    if (s && !s->isEmpty()
        && mesajgoster(QStringLiteral("Kaydi Silmek Istediginize Eminmisiniz...?"), MsgTitle::Dikkat, MsgIcon::Warning,
                       MsgButtons::YesNo)) {
        if (s->removeSelected())
            m_srvadi->clear();
    }
    leaveDeleteMode();
}

void SalesWindow::quantityDialog()
{
    SaleTab* s = activeSale();
    if (!s || s->isEmpty() || s->selected() < 0)
        return;
    QuantityDialog dialog(s->cell(s->selected(), ColMiktar), this);
    if (dialog.exec() == QDialog::Accepted) {
        s->setQuantity(dialog.quantity());
    }
    m_srvadi->clear();
    focusBarcode();
}

void SalesWindow::focusBarcode()
{
    // After a modal dialog the window may not have been activated again yet.
    if (!isActiveWindow() && isVisible() && !QApplication::activeModalWidget())
        activateWindow();
    m_srvadi->setFocus();
}

void SalesWindow::selectAllIn(QLineEdit* box)
{
    box->setFocus();
    selectAllText(box);
}

void SalesWindow::cashShare()
{
    const int index = m_tabs->currentIndex();
    if (SaleTab* s = sale(index)) {
        s->fillCash();
        selectAllIn(fields(index).nkit);
    }
}

void SalesWindow::cardShare()
{
    const int index = m_tabs->currentIndex();
    if (SaleTab* s = sale(index)) {
        s->fillCard();
        selectAllIn(fields(index).krd);
    }
}

void SalesWindow::cashHandedOver()
{
    const int index = m_tabs->currentIndex();
    if (sale(index))
        selectAllIn(fields(index).para);
}

void SalesWindow::clearCustomer()
{
    const int index = m_tabs->currentIndex();
    SaleTab* s = sale(index);
    if (!s)
        return;
    s->setCustomer(SaleCustomer{}); // the new e-document box keeps its state
    faturanoayarla(false);
}

void SalesWindow::newEdocCustomer(bool ticked)
{
    const int index = m_tabs->currentIndex();
    SaleTab* s = sale(index);
    if (!s)
        return;
    // Ticked: a new customer for an electronic document, under the code of the settings.
    SaleCustomer customer;
    if (ticked) {
        customer.ckod = m_store.edocCustomerCode();
        customer.tag = QStringLiteral("3");
    }
    s->setCustomer(customer);
    faturanoayarla(false);
}

void SalesWindow::invoicePrint()
{
    SaleTab* s = activeSale();
    if (!s || s->isEmpty())
        return;
    const SaleCustomer& c = s->customer;
    if (c.unvn.isEmpty() || c.vno.isEmpty() || c.vd.isEmpty() || c.shr.isEmpty()) {
        mesajgoster(QStringLiteral("Faturası Çıkıtıs İçin (Cari Ünvanı,Yetkili Adı,Vergi No,Vergi Dairesi,Adres,Şehir) "
                                   "Bilgileri Gerekiyor..."),
                    MsgTitle::Dikkat, MsgIcon::Warning, MsgButtons::Ok);
        return;
    }
    QMenu menu(this);
    menu.setObjectName(m_tabs->currentIndex() == 0 ? QStringLiteral("fatyazdirma") : QStringLiteral("fatyazdirma2"));
    menu.addAction(QStringLiteral("Kdv Dahil"));
    menu.addAction(QStringLiteral("Kdv Hariç"));
    menu.exec(QCursor::pos());
}

void SalesWindow::returnInvoicePrint()
{
    SaleTab* s = activeSale();
    if (!s || s->isEmpty())
        return;
    if (s->customer.unvn.isEmpty() || s->customer.vno.isEmpty()) {
        mesajgoster(QStringLiteral("İade Faturası İçin ünvanına Kişi İsmi.Vergi Numarasına TcKimlik Numarası "
                                   "Yazılması Gerekiyor..."),
                    MsgTitle::Dikkat, MsgIcon::Warning, MsgButtons::Ok);
    }
}

void SalesWindow::playSound(QSoundEffect*& effect, const QString& file)
{
    // Without an audio device a sound would report ready and never end.
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(file));
    }
    effect->play();
}

void SalesWindow::calseson()
{
    playSound(m_soundOn, m_folder.sndOn());
}

void SalesWindow::calsesoff()
{
    playSound(m_soundOff, m_folder.sndOff());
}

void SalesWindow::receiptSave()
{
    saveSale(true);
}

void SalesWindow::invoiceSave()
{
    saveSale(false);
}

void SalesWindow::saveSale(bool receipt)
{
    const int index = m_tabs->currentIndex();
    SaleTab* s = sale(index);
    if (!s || s->isEmpty())
        return;
    RecordShared& shared = recordShared();
    // A sale: cash or card, and no choice left over from an earlier dialog.
    shared.odemetipi.clear();
    shared.iademodu = QStringLiteral("0");
    shared.fistutari = Num::parseOr(s->gentop, 0);
    m_fismodu = receipt;
    okcfisdosyakaydet();
    if (receipt && eslesme == 1)
        return; // the register takes the payment
    RecordTypeDialog dialog(m_folder.haraketDir(), this);
    dialog.exec();
    if (shared.kayitonay && shared.odemetipi != QLatin1String("iade")) {
        if (!faturakaydet1())
            dialog.undoTotal();
        else if (receipt)
            okcfisodemetipikaydet();
    } else if (shared.kayitonay) {
        fissifirlaliste(index);
    }
    m_fismodu = false;
    focusBarcode();
}

void SalesWindow::returnSave()
{
    const int index = m_tabs->currentIndex();
    SaleTab* s = sale(index);
    if (!s || s->isEmpty())
        return;
    RecordShared& shared = recordShared();
    shared.iademodu = QStringLiteral("1");
    shared.odemetipi.clear();
    shared.fistutari = Num::parseOr(s->gentop, 0);
    const QString giderp = Ini::readKey(QStringLiteral("kopru"), QStringLiteral("giderp"), m_folder.kopruSettingIni());
    if (giderp == QLatin1String("1") && eslesme == 1)
        return; // the register takes the return
    RecordTypeDialog dialog(m_folder.haraketDir(), this);
    dialog.exec();
    if (shared.kayitonay && shared.odemetipi == QLatin1String("iade")) {
        // A confirmed return leaves its record before the sale is cleared.
        if (writeBlock(true))
            fissifirlaliste(index);
        else
            dialog.undoTotal();
    }
    focusBarcode();
}

void SalesWindow::administrator()
{
    AdminLoginDialog::run(m_folder, this);
    focusBarcode();
}

void SalesWindow::faturanoayarla(bool kaydet)
{
    SaleTab* s = activeSale();
    const QString kind = s ? s->customer.tag : QString();
    if (kaydet) {
        m_invoice.store(m_store, kind);
        return;
    }
    const Numbering::InvoiceCounters::Shown shown = m_invoice.show(m_store, kind);
    if (!shown.error.isEmpty())
        duzmesaj(shown.error);
    else
        m_ftno->setText(shown.number);
}

void SalesWindow::fisnoguncelle()
{
    m_fisno->setText(Numbering::advanceReceipt(m_store, m_fisno->text(), Clock::today()));
}

void SalesWindow::fissifirlaliste(int index)
{
    SaleTab* s = sale(index);
    if (!s)
        return;
    fisnoguncelle();
    m_fismodu = false;
    s->clear(m_settings.carikod, m_settings.cari);
}

bool SalesWindow::writeBlock(bool asReturn)
{
    SaleTab* s = activeSale();
    if (!s)
        return false;
    const QString error = MovementFile::record(
        m_folder.haraketDir(), kasaadi, MovementFile::fromSaleTab(*s, m_fisno->text(), m_ftno->text(), Clock::now()),
        asReturn);
    if (error.isEmpty())
        return true;
    // Nothing was written; the sale stays on the screen to be saved again.
    mesajgoster((asReturn ? QStringLiteral("İade kaydedilemedi: ") : QStringLiteral("Satış kaydedilemedi: ")) + error
                    + QStringLiteral("\nSatış ekranda duruyor, tekrar kaydedebilirsiniz..."),
                MsgTitle::Dikkat, MsgIcon::Error, MsgButtons::Ok);
    return false;
}

bool SalesWindow::faturakaydet1()
{
    const int index = m_tabs->currentIndex();
    SaleTab* s = sale(index);
    if (!s || !writeBlock(false))
        return false;
    if (m_fismodu)
        fisyaz();
    if (m_fismodu)
        posfishazirla1();
    fisnoguncelle();
    m_fismodu = false;
    s->clear(m_settings.carikod, m_settings.cari);
    faturanoayarla(true);
    s->setCustomer(SaleCustomer{});
    fields(index).check->setChecked(false);
    faturanoayarla(false);
    haraketdosyasikopyala();
    return true;
}

void SalesWindow::fisyaz()
{
    if (!m_fiszorla && !isOn(m_settings.yazdirma))
        return;
    SaleTab* s = m_sales[0];
    PrinterService* printers = printerService();
    // yazsec: the configured printer, by its exact device name.
    if (!printers || !printers->printerNames().contains(m_settings.yazici1)) {
        mesajgoster(QStringLiteral("Yazıcı Bulunamadı.Ayarlardan Yazıcı Kontrolu Yapıp Tekrar Deneyiniz..."),
                    MsgTitle::Dikkat, MsgIcon::Error, MsgButtons::Ok);
        return;
    }
    std::unique_ptr<ReceiptCanvas> canvas = printers->open(m_settings.yazici1, QStringLiteral("Fiş ") + m_fisno->text());
    if (!canvas)
        return;
    const ReceiptData data{m_fisno->text(), Clock::now(), s->lines(), s->sttop, s->kdvtop, s->gentop, s->para, s->prust,
                           m_status[3]->property("kod").toString(), m_status[3]->text()};
    printReceipt(*canvas, m_receipt, data);
}

void SalesWindow::forcedReceipt()
{
    m_fiszorla = true;
    fisyaz();
    m_fiszorla = false;
    focusBarcode();
}

void SalesWindow::posfishazirla1()
{
    SaleTab* s = m_sales[0];
    bool ok = false;
    const QByteArray bytes = PosExport::build(s->lines(), recordShared().odemetipi, m_params.kredino, s->krd, &ok);
    if (ok)
        PosExport::write(m_folder.posfisDir(), kasaadi, bytes, m_params.tkmposfis);
}

void SalesWindow::copyPosFile()
{
    PosExport::copyToExport(m_folder.posfisDir(), kasaadi, m_params.tkmposfis);
}

bool SalesWindow::exchangeBusy() const
{
    return m_exchange->busy() || m_sendPending;
}

void SalesWindow::showExchangeStatus(const QString& text)
{
    m_exchangeLabel->setText(text);
}

void SalesWindow::guncellemeyap()
{
    const QString shared = m_params.tkmgen;
    const QString kasa = kasaadi;
    if (m_exchange->busy())
        return; // the next run of the timer tries again
    m_exchange->run<bool>([shared, kasa] { return Exchange::updateRequested(shared, kasa); }, [this](bool requested) {
        // The stores are replaced only while no sale is in progress.
        if (!requested || !m_sales[0]->isEmpty() || !m_sales[1]->isEmpty() || stokcariacik) {
            haraketdosyasikopyala();
            return;
        }
        showExchangeStatus(QStringLiteral("Stok Güncellemesi Yapılıyor..."));
        setEnabled(false);
        const QString dir = m_folder.dir(), shared = m_params.tkmgen, kasa = kasaadi;
        m_exchange->run<bool>([dir, shared, kasa] { return Exchange::takeNewStores(dir, shared, kasa); },
                              [this](bool) {
                                  showExchangeStatus(QString());
                                  haraketdosyasikopyala();
                                  setEnabled(true);
                                  focusBarcode();
                              });
    });
}

void SalesWindow::haraketdosyasikopyala()
{
    if (m_exchange->busy()) {
        m_sendPending = true; // sent when the copies under way are done
        return;
    }
    m_sendPending = false;
    if (!m_sales[0]->isEmpty() || !m_sales[1]->isEmpty() || stokcariacik)
        return;
    showExchangeStatus(QStringLiteral("Satışlar Gönderiliyor..."));
    const QString haraket = m_folder.haraketDir(), shared = m_params.tkmgen, kasa = kasaadi;
    const QDate today = Clock::today();
    m_exchange->run<QStringList>(
        [haraket, shared, kasa, today] { return Exchange::sendMovementFiles(haraket, shared, kasa, today); },
        [this](const QStringList&) {
            showExchangeStatus(QString());
            if (m_sendPending)
                haraketdosyasikopyala();
        });
}

// Commands whose windows are not built yet do nothing visible.
void SalesWindow::customerWindow() {}
void SalesWindow::stockSearch() {}
void SalesWindow::cashBook() {}
void SalesWindow::connectRegister() {}
void SalesWindow::okcfisdosyakaydet() {}
void SalesWindow::okcfisodemetipikaydet() {}
