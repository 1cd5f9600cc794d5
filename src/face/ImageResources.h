// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ql {

// Registers the embedded face images (:/images/...). The core library is static, so the
// linker keeps the resource only if something refers to it; safe to call any number of times.
void ensureImageResources();

} // namespace ql
