#pragma once

#include <Qt>

#include <optional>

// The commands the sales window's keys reach.
enum class SalesCommand {
    // normal mode
    FocusBarcode, StockSearch, ReceiptSave, Quantity, InvoicePrint, CustomerWindow, InvoiceSave,
    CashShare, CardShare, CashHandedOver, ReturnInvoicePrint, ReturnSave, SelectUp, SelectDown,
    LeaveDeleteMode, DeleteLine, ForcedReceipt, CashBook, CopyPosFile, Administrator, ConnectRegister,
    // payment mode (register payment panel shown)
    CancelRegisterReceipt, PayCash, PosSale, PosCash, Bank1, Bank2, Bank3, PayReturn,
};

struct KeyContext {
    bool paymentMode = false; // odemepaneliacik = 1
    int tab = 0;              // active tab index
    bool deleteMode = false;  // silmemodu = 1
    bool posSaleEnabled = false;
    bool bankVisible[3] = {false, false, false};
    bool returnVisible = false;
};

// The command a key reaches before the focused field sees it, or nothing
// (the key then goes to the field). Function keys, arrows, Esc, Tab and
// Delete count whatever Shift, Ctrl or Alt are held; Ctrl combinations need
// exactly Ctrl.
std::optional<SalesCommand> routeKey(int key, Qt::KeyboardModifiers modifiers, const KeyContext& context);
