#pragma once

#include "config/programfolder.h"
#include "config/settings_store.h"
#include "records/numbering.h"
#include "sales/key_routing.h"
#include "sales/sale_model.h"
#include "sales/saletab_window.h"

#include <QColor>
#include <QMainWindow>

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSoundEffect;
class QTabWidget;
class QTableView;
class QTimer;

// Program-wide flag: set while the sales window is open.
extern bool satisekraniacik;

// The sales window "stfatura": the cashier's working window. Three sales on
// a tab strip (only the first usable), the barcode box, the totals and
// payment fields, the customer fields and the command buttons; every key is
// seen here first and routed to its command.
class SalesWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit SalesWindow(ProgramFolder folder, QWidget* parent = nullptr);
    ~SalesWindow() override;

    // Program-wide values other windows read or set.
    QString kasaadi;
    int eslesme = 0;
    bool stokcariacik = false;
    QColor listesecimrenk;

    // Loads the settings (oku); called on opening and after the settings change.
    void oku();
    bool fismodu() const { return m_fismodu; }

    SaleTab* sale(int index) const { return index >= 0 && index < 2 ? m_sales[static_cast<size_t>(index)] : nullptr; }
    SaleTab* activeSale() const;
    int silmemodu() const { return m_silmemodu; }
    // True while shared-folder copies are under way.
    bool exchangeBusy() const;
    bool isBlinking() const;

    // Enters the product of a stock code into the active sale (stokkartekle).
    void stokkartekle(const QString& stockCode);

public slots:
    // Takes new stores from the shared folder if asked, then sends the movement files.
    void guncellemeyap();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The fields of sale 0, 1 or 2.
    const SaleTabWidget::Fields& fields(int index) const { return m_pages[static_cast<size_t>(index)]->fields(); }
    void buildHeader(QWidget* central);

    void runCommand(SalesCommand command);
    bool handleBarcodeKey(QKeyEvent* key);
    bool handlePaymentEnter(QObject* watched);
    bool handleCustomerEnter(QObject* watched);

    // Product entry (stokekle) and its after-steps on the window.
    void stokekle();
    void afterEntry(const struct EntryOutcome& outcome);
    void baryok(bool blink);
    void armDeleteMode();
    void leaveDeleteMode();
    void sil();
    void quantityDialog();
    void focusBarcode();
    void selectAllIn(QLineEdit* box);
    void cashShare();
    void cardShare();
    void cashHandedOver();
    void clearCustomer();
    void newEdocCustomer(bool ticked);
    void invoicePrint();
    void returnInvoicePrint();
    void calseson();
    void calsesoff();
    void olcuyukle();
    void olcukaydet();
    void paramoku();

    // Commands whose windows and writers are built elsewhere; each has this one place.
    void receiptSave();
    void saveSale(bool receipt);
    void playSound(QSoundEffect*& effect, const QString& file);
    void invoiceSave();
    void returnSave();
    void forcedReceipt();
    void copyPosFile();
    void customerWindow();
    void stockSearch();
    void cashBook();
    void administrator();
    void connectRegister();
    // Finishing a sale.
    void faturanoayarla(bool kaydet);
    void fisnoguncelle();
    void fissifirlaliste(int index);
    bool faturakaydet1();
    // Appends the sale's block (or its return block) to the day's movement
    // file; tells the cashier when it could not be written.
    bool writeBlock(bool asReturn);
    // Steps of a finished sale done by the receipt, export, exchange and register work.
    void fisyaz();
    void posfishazirla1();
    void haraketdosyasikopyala();
    void showExchangeStatus(const QString& text);
    void okcfisdosyakaydet();
    void okcfisodemetipikaydet();

    ProgramFolder m_folder;
    SettingsStore m_store;
    WorkstationSettings m_settings;
    ParamSettings m_params;

    std::array<SaleTab*, 2> m_sales{};
    SaleTab* m_reduced = nullptr; // the third sale's list; nothing fills it
    std::array<SaleTabWidget*, 3> m_pages{};
    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_srvadi = nullptr;
    QLineEdit* m_fisno = nullptr;
    QLineEdit* m_ftno = nullptr;
    QLabel* m_kasaisim = nullptr;
    QLabel* m_baslik = nullptr;
    QFrame* m_odemepanel = nullptr;
    std::array<QLabel*, 5> m_status{};

    QTimer* m_focusTimer = nullptr;
    QTimer* m_blinkTimer = nullptr;
    QTimer* m_updateTimer = nullptr;
    QTimer* m_registerTimer = nullptr;
    QTimer* m_unlockTimer = nullptr;
    QTimer* m_paymentTimer = nullptr;
    QTimer* m_clockTimer = nullptr;

    QSoundEffect* m_soundOn = nullptr;
    QSoundEffect* m_soundOff = nullptr;

    Numbering::InvoiceCounters m_invoice;
    ReceiptLayoutSettings m_receipt;
    class ExchangeRunner* m_exchange = nullptr;
    bool m_sendPending = false;
    QLabel* m_exchangeLabel = nullptr;
    int m_silmemodu = 0;
    int m_odemepaneliacik = 0;
    bool m_fismodu = false;
    bool m_fiszorla = false;
    bool m_blinkRed = false;
};
