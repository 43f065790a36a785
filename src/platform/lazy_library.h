// A shared library opened on first use, for the codecs and containers a run rarely needs:
// loading them at start-up would cost every run of the command-line producer.
#pragma once

#include <initializer_list>
#include <string>

namespace tsy {

class LazyLibrary {
public:
    // The first of the names that opens is used (an soname first, the development name last).
    LazyLibrary(std::initializer_list<const char*> names);
    LazyLibrary(const LazyLibrary&) = delete;
    LazyLibrary& operator=(const LazyLibrary&) = delete;

    bool loaded() const { return handle_ != nullptr; }
    // Why the library is missing, for the user: "<feature> needs <first name>: <loader's reason>".
    std::string MissingText(const char* feature) const;
    // The symbol from the library or the libraries it depends on; null when absent.
    void* symbol(const char* name) const;

    // Fills a function pointer; false when the symbol is missing.
    template <class F>
    bool bind(F*& function, const char* name) const {
        function = reinterpret_cast<F*>(symbol(name));
        return function != nullptr;
    }

private:
    void* handle_ = nullptr;
    std::string name_;   // the first name tried
    std::string error_;  // the loader's reason for that name
};

}  // namespace tsy
