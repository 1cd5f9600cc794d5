// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

namespace ql {

// A field's text read as an integer the way the dialogs have always read it: leading blanks,
// an optional sign, then decimal digits or hexadecimal ones after "$", "x", "X" or "0x".
struct NumberField {
    int value = 0;      // 0 whenever the text is not valid
    bool valid = false; // the whole text was a number; empty text is not
};

NumberField readNumberField(QStringView text);

} // namespace ql
