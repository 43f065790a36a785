// The program's version record, shown by --version, the About box and written into exports.
#pragma once

namespace tsy {

inline constexpr char kVersionRecord[] = "2.0.0.299";

}  // namespace tsy
