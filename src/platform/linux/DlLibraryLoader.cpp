// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/DlLibraryLoader.h"

#include <dlfcn.h>
#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <optional>
#include <type_traits>

namespace ql {
namespace {

constexpr bool Is64Bit = sizeof(void*) == 8;
using Ehdr = std::conditional_t<Is64Bit, Elf64_Ehdr, Elf32_Ehdr>;
using Phdr = std::conditional_t<Is64Bit, Elf64_Phdr, Elf32_Phdr>;

class OpenFile {
  public:
    explicit OpenFile(const std::string& path) : fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~OpenFile() {
        if (fd >= 0) ::close(fd);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    std::optional<off_t> size() const {
        struct stat st {};
        if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
        return st.st_size;
    }
    bool read(void* into, std::size_t length, std::uint64_t at) const {
        return ::pread(fd, into, length, static_cast<off_t>(at)) == static_cast<ssize_t>(length);
    }

  private:
    int fd;
};

std::optional<Ehdr> headerOf(const std::string& path) {
    OpenFile file(path);
    Ehdr header{};
    if (!file.size() || !file.read(&header, sizeof header, 0)) return std::nullopt;
    return header;
}

// Machine, byte order and ABI of the running program, taken from its own file.
const std::optional<Ehdr>& programHeader() {
    static const std::optional<Ehdr> header = headerOf("/proc/self/exe");
    return header;
}

bool sameTarget(const Ehdr& h) {
    const std::optional<Ehdr>& self = programHeader();
    if (std::memcmp(h.e_ident, ELFMAG, SELFMAG) != 0) return false;
    if (h.e_ident[EI_CLASS] != (Is64Bit ? ELFCLASS64 : ELFCLASS32)) return false;
    if (!self) return true; // without /proc, magic and class are all we can compare
    return h.e_ident[EI_DATA] == self->e_ident[EI_DATA] && h.e_machine == self->e_machine;
}

bool withinFile(std::uint64_t offset, std::uint64_t length, std::uint64_t fileSize) {
    return offset <= fileSize && length <= fileSize - offset;
}

// Every loadable segment must lie inside the file: dlopen maps them whole, and touching a page
// past the end of a truncated file kills the process with SIGBUS.
bool segmentsInside(const OpenFile& file, const Ehdr& h, std::uint64_t fileSize) {
    if (h.e_phentsize != sizeof(Phdr) || h.e_phnum == 0) return false;
    if (!withinFile(h.e_phoff, std::uint64_t{h.e_phnum} * sizeof(Phdr), fileSize)) return false;
    for (unsigned i = 0; i < h.e_phnum; ++i) {
        Phdr ph{};
        if (!file.read(&ph, sizeof ph, h.e_phoff + std::uint64_t{i} * sizeof ph)) return false;
        if (ph.p_type == PT_LOAD && !withinFile(ph.p_offset, ph.p_filesz, fileSize)) return false;
    }
    return true;
}

// True when the file is a whole shared object built for this program's machine.
bool loadableHere(const std::string& path) {
    OpenFile file(path);
    const std::optional<off_t> size = file.size();
    Ehdr h{};
    if (!size || !file.read(&h, sizeof h, 0)) return false;
    if (!sameTarget(h) || h.e_type != ET_DYN) return false;
    return segmentsInside(file, h, static_cast<std::uint64_t>(*size));
}

} // namespace

LibraryLoader::Handle DlLibraryLoader::load(const std::string& absolutePath) {
    // A bare name would make dlopen search the library path: only absolute paths are accepted.
    if (absolutePath.empty() || absolutePath.front() != '/') return nullptr;
    if (!loadableHere(absolutePath)) return nullptr;
    return dlopen(absolutePath.c_str(), RTLD_NOW | RTLD_LOCAL);
}

SpeakProc DlLibraryLoader::findSpeak(Handle library) {
    if (!library) return nullptr;
    return reinterpret_cast<SpeakProc>(dlsym(library, "Speak"));
}

void DlLibraryLoader::release(Handle library) {
    if (library) dlclose(library);
}

} // namespace ql
