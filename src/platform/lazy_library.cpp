#include "platform/lazy_library.h"

#include <dlfcn.h>

namespace tsy {

LazyLibrary::LazyLibrary(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        // Lazy binding: a run calls a few of a library's functions, and resolving all of its
        // calls at the open cost more than a small symbol's whole encoding.
        handle_ = dlopen(name, RTLD_LAZY | RTLD_LOCAL);
        if (handle_) break;
        if (name_.empty()) {
            name_ = name;
            const char* why = dlerror();
            error_ = why ? why : "not found";
        }
    }
}

std::string LazyLibrary::MissingText(const char* feature) const {
    return std::string(feature) + " needs " + name_ + ": " + error_;
}

void* LazyLibrary::symbol(const char* name) const {
    return handle_ ? dlsym(handle_, name) : nullptr;
}

}  // namespace tsy
