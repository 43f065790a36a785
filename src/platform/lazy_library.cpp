#include "platform/lazy_library.h"

#include <dlfcn.h>

namespace tsy {

LazyLibrary::LazyLibrary(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        handle_ = dlopen(name, RTLD_NOW | RTLD_LOCAL);
        if (handle_) break;
    }
}

void* LazyLibrary::symbol(const char* name) const {
    return handle_ ? dlsym(handle_, name) : nullptr;
}

}  // namespace tsy
