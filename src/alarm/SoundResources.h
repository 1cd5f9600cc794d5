// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ql {

// Registers the embedded alarm sounds (:/sounds/...). The core library is static, so the
// linker keeps the resource only if something refers to it; safe to call any number of times.
void ensureSoundResources();

} // namespace ql
