// Shared helpers of the PDF417 tests.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "encoders/pdf417/pdf417.h"

namespace tsy::test {

using namespace tsy::pdf417;

inline std::span<const uint8_t> Bytes(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

inline PDF417EncodeArgs ArgsFor(const std::string& message, int32_t level = kPDF417Auto,
                                int32_t columns = kPDF417Auto, int32_t moduleWidth = 2) {
    PDF417EncodeArgs a{};
    a.message = reinterpret_cast<const unsigned char*>(message.data());
    a.length = static_cast<int32_t>(message.size());
    a.errorCorrectionLevel = level;
    a.dataColumns = columns;
    a.moduleWidth = moduleWidth;
    a.rowHeight = 3 * moduleWidth;
    return a;
}

// Restores the process-wide ECI designator when a test ends.
class EciScope {
public:
    explicit EciScope(int32_t designator) : saved_(GetPDF417_ECI()) { SetPDF417_ECI(designator); }
    ~EciScope() { SetPDF417_ECI(saved_); }
    EciScope(const EciScope&) = delete;
    EciScope& operator=(const EciScope&) = delete;

private:
    int32_t saved_;
};

}  // namespace tsy::test
