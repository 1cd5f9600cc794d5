// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace ql {

// Whether the program can open a window at all, checked before Qt is started (Qt aborts
// instead). Empty when it can; otherwise one line saying why not.
std::string displayProblem();
// Chooses Qt's xcb platform when an X display (XWayland included) is there and the user chose no
// platform, and how it sends the face to the server; call after displayProblem() and before Qt
// starts.
void preferX11();

} // namespace ql
