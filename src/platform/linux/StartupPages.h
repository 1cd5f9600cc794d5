// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace ql::StartupPages {

// Start-up runs through most of the shared libraries' code once (linking, the first layout, the
// first paint) and leaves those pages mapped: about two thirds of the idle clock's resident size.
// This drops this process's clean, unmodified pages of read-only file mappings; the kernel maps
// back from the page cache whatever is used again. Call only while no other thread of the
// program loads or unloads a library. Returns the kilobytes dropped.
long release();

// For tests: whether a mapping of /proc/PID/smaps may be dropped, from its header line and its
// "Anonymous:" and "Swap:" sizes in kB. Written-to (copy-on-write) pages exist only in memory.
bool droppable(const std::string& header, long anonymousKb, long swapKb);

} // namespace ql::StartupPages
