#include "sales/key_routing.h"

namespace {

std::optional<SalesCommand> paymentKey(int key, const KeyContext& c)
{
    switch (key) {
    case Qt::Key_Escape: return SalesCommand::CancelRegisterReceipt;
    case Qt::Key_F2: return SalesCommand::PayCash;
    case Qt::Key_F3: return c.posSaleEnabled ? std::optional(SalesCommand::PosSale) : std::nullopt;
    case Qt::Key_F4: return SalesCommand::PosCash;
    case Qt::Key_F5: return c.bankVisible[0] ? std::optional(SalesCommand::Bank1) : std::nullopt;
    case Qt::Key_F6: return c.bankVisible[1] ? std::optional(SalesCommand::Bank2) : std::nullopt;
    case Qt::Key_F7: return c.bankVisible[2] ? std::optional(SalesCommand::Bank3) : std::nullopt;
    case Qt::Key_F8: return c.returnVisible ? std::optional(SalesCommand::PayReturn) : std::nullopt;
    default: return std::nullopt;
    }
}

} // namespace

std::optional<SalesCommand> routeKey(int key, Qt::KeyboardModifiers modifiers, const KeyContext& c)
{
    if (c.paymentMode)
        return paymentKey(key, c);

    const bool saleTab = c.tab == 0 || c.tab == 1;
    auto onSale = [saleTab](SalesCommand command) {
        return saleTab ? std::optional(command) : std::nullopt;
    };
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return SalesCommand::FocusBarcode;
    case Qt::Key_F6: return SalesCommand::StockSearch;
    case Qt::Key_F2: return onSale(SalesCommand::ReceiptSave);
    case Qt::Key_F3: return onSale(SalesCommand::Quantity);
    case Qt::Key_F4: return onSale(SalesCommand::InvoicePrint);
    case Qt::Key_F5: return onSale(SalesCommand::CustomerWindow);
    case Qt::Key_F11: return onSale(SalesCommand::InvoiceSave);
    case Qt::Key_F8: return onSale(SalesCommand::CashShare);
    case Qt::Key_F9: return onSale(SalesCommand::CardShare);
    case Qt::Key_F10: return onSale(SalesCommand::CashHandedOver);
    case Qt::Key_F7: return onSale(SalesCommand::ReturnInvoicePrint);
    case Qt::Key_F12: return onSale(SalesCommand::ReturnSave);
    case Qt::Key_Up: return SalesCommand::SelectUp;
    case Qt::Key_Down: return SalesCommand::SelectDown;
    case Qt::Key_Escape: return SalesCommand::LeaveDeleteMode;
    case Qt::Key_Delete: return c.deleteMode ? std::optional(SalesCommand::DeleteLine) : std::nullopt;
    default: break;
    }

    if (key == Qt::Key_1 && modifiers.testFlag(Qt::KeypadModifier))
        return SalesCommand::CopyPosFile;
    const Qt::KeyboardModifiers held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held != Qt::ControlModifier)
        return std::nullopt;
    switch (key) {
    case Qt::Key_T: return SalesCommand::ForcedReceipt;
    case Qt::Key_K: return SalesCommand::CashBook;
    case Qt::Key_1: return SalesCommand::CopyPosFile;
    case Qt::Key_Y: return SalesCommand::Administrator;
    case Qt::Key_X: return SalesCommand::ConnectRegister;
    default: return std::nullopt;
    }
}
