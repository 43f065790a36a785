// Pieces of the host encoders, shared between them and exposed for tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "encoders/ziggur/ziggur_host.h"

namespace tsy::ziggur {

// Lays elements from column 1, alternating bar and space from a bar.
class HostRowWriter {
public:
    explicit HostRowWriter(int width) : row_(static_cast<std::size_t>(width), 0) {}

    void Element(int columns);
    // Elements given as width digits ('1'..'9').
    void Widths(std::string_view digits);
    int column() const { return column_; }
    HostRow Take() { return std::move(row_); }

private:
    HostRow row_;
    int column_ = 1;
    bool bar_ = true;
};

// The pairs (boundary, inner) and (boundary + 1, outer) at boundaries pitch x p + offset for
// p = round(span x i / steps), i = 0..steps; the barrier row is marked at each outer one.
void AddReferenceSteps(ZiggurHostLayout& layout, HostRow& barrier, int steps, int span, int pitch,
                       int offset);
void AddReference(ZiggurHostLayout& layout, int column, bool outer);

bool Code39Host(std::string_view message, ZiggurHostRows& rows, ZiggurHostLayout& layout);
bool EanHost(std::string_view message, ZiggurHostRows& rows, ZiggurHostLayout& layout);
bool ItfHost(std::string_view message, bool bearers, ZiggurHostRows& rows,
             ZiggurHostLayout& layout);
bool Code93Host(std::string_view message, ZiggurHostRows& rows, ZiggurHostLayout& layout);
bool Code128Host(std::string_view message, ZiggurHostRows& rows, ZiggurHostLayout& layout);

// The 13 digits of the EAN-13 symbol; empty when the message is not 0..12 digits.
std::string EanDigits(std::string_view message);
// Character values 0..46 from the first data character to K; empty when refused.
std::vector<int> Code93HostValues(std::string_view message);
// Symbol values from start to check; empty when refused.
std::vector<int> Code128HostValues(std::string_view message);

}  // namespace tsy::ziggur
