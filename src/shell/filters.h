#pragma once

#include <QChar>

// Keystroke filters of the number fields: Backspace always passes, any
// other character outside the set is dropped (Enter and the other control
// characters included).
enum class KeyFilter {
    SadeceRakam, // "0123456789"
    RakamVirgul, // "0123456789,"
    RakamNokta,  // "0123456789."
};

bool keyPasses(KeyFilter filter, QChar c);
