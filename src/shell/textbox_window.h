#pragma once

#include "shell/filters.h"

#include <functional>

class QLineEdit;

// Text-box conveniences of the number fields.

// Drops typed characters the filter does not let through. Text put in by
// other means (setText, the context menu) is not filtered.
void attachKeyFilter(QLineEdit* box, KeyFilter filter);

// Selection from 0 over the whole text.
void selectAllText(QLineEdit* box);

// An empty box becomes "0"; a non-empty one is left alone.
void emptyToZero(QLineEdit* box);

// Runs `action` when Enter is pressed in the box; the key goes no further.
void onEnterKey(QLineEdit* box, std::function<void()> action);
