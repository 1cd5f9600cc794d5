// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever the bytes, parsing must not crash, and what was read must write back to a text that
// reads back identically without losses.
#include "store/RegistryFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto first = ql::RegistryFile::parse(input);
    const std::string text = ql::RegistryFile::serialise(first.tree);
    const auto second = ql::RegistryFile::parse(text);
    if (second.lostLines != 0 || !(second.tree == first.tree) ||
        ql::RegistryFile::serialise(second.tree) != text)
        std::abort();
    return 0;
}
