#pragma once

#include "config/setting_text.h"
#include "config/settings_store.h"

#include <QDate>

#include <optional>

// What the sales window takes from the settings stores when it opens.
struct SalesLook {
    FontStyle font;                 // list font of the first two sales
    std::optional<int> textColor;   // yzrenk
    std::optional<int> background;  // listrenk, first part
    std::optional<int> selection;   // listrenk, second part: listesecimrenk
    bool fullScreen = false;        // tmekran
    std::optional<QString> title;   // baslik1
};

// A value that is missing or unreadable leaves the designed one.
SalesLook salesLook(const WorkstationSettings& settings, const FontStyle& designedFont);

// The receipt number shown at opening: fisnolari with at least four digits,
// or "0001" when fisnolaritarih is not today.
QString openingReceiptNumber(const ParamSettings& params, const QDate& today);

// A flag text read as a truth value ("1", "-1", "True" on; "0", "False"
// off); nullopt for text that is neither.
std::optional<bool> truthValue(const QString& text);
