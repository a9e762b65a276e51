#pragma once

#include "sales/sale_model.h"

#include <initializer_list>
#include <utility>

// A sale line with the given cells; the others stay empty.
inline SaleLine lineWith(std::initializer_list<std::pair<SaleCol, QString>> cells)
{
    SaleLine line;
    for (const auto& [col, text] : cells)
        line[col] = text;
    return line;
}
