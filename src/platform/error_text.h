// The one way a function says why it failed: the caller may pass no error text.
#pragma once

#include <string>
#include <utility>

namespace tsy {

inline void SetError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

// SetError, then false: `return Fail(error, "...");`.
inline bool Fail(std::string* error, std::string text) {
    SetError(error, std::move(text));
    return false;
}

}  // namespace tsy
