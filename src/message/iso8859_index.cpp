#include "message/iso8859_tables.h"

namespace tsy::detail {

const std::uint16_t* Iso8859Forward(int part) {
    for (const Iso8859Table& t : kIso8859Tables) {
        if (t.part == part) return t.toChar;
    }
    return nullptr;
}

int Iso8859Part(std::uint32_t codePage) {
    if (codePage >= 28591 && codePage <= 28599) return static_cast<int>(codePage - 28590);
    if (codePage >= 285910 && codePage <= 285916) return static_cast<int>(codePage - 285900);
    return 0;
}

}  // namespace tsy::detail
