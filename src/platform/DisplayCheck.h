#pragma once

#include <string>

namespace ql {

// Whether the program can open a window at all, checked before Qt is started (Qt aborts
// instead). Empty when it can; otherwise one line saying why not.
std::string displayProblem();

} // namespace ql
