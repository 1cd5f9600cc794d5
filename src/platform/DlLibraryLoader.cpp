#include "platform/DlLibraryLoader.h"

#include <dlfcn.h>

namespace ql {

LibraryLoader::Handle DlLibraryLoader::load(const std::string& absolutePath) {
    // A bare name would make dlopen search the library path: only absolute paths are accepted.
    if (absolutePath.empty() || absolutePath.front() != '/') return nullptr;
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
