#include "encoders/pdf417/pdf417_compaction.h"

#include <algorithm>
#include <array>
#include <vector>

#include "encoders/common/prefix_pattern.h"
#include "encoders/pdf417/pdf417_text_modes.h"

namespace tsy::pdf417 {
namespace {

constexpr int64_t kUnreachable = 30000 * kCostUnit;
constexpr int64_t kTextChar = 5000;
constexpr int64_t kDigit = 3385;
constexpr int64_t kDigitGroup = 1019;
constexpr int64_t kByteChar = 8333;
constexpr int64_t kShift = 10000;
constexpr int64_t kByteShift = 20000;

// Latch cost [from][to]; rows and columns Alpha, Lower, Mixed, Punct, Numeric, Byte.
constexpr int64_t kLatchCost[kModeCount][kModeCount] = {
    {1000, 5000, 5000, 10000, 11019, 10000},   {10000, 1000, 5000, 10000, 11019, 10000},
    {5000, 5000, 1000, 5000, 11019, 10000},    {5000, 10000, 10000, 1000, 11019, 10000},
    {10000, 15000, 15000, 20000, 1000, 10000}, {10000, 15000, 15000, 20000, 11019, 1000},
};

constexpr const char* kLatchText[kModeCount][kModeCount] = {
    {"", "L", "M", "MP", "N", "B"},    {"MA", "", "M", "MP", "N", "B"},
    {"A", "L", "", "P", "N", "B"},     {"A", "AL", "AM", "", "N", "B"},
    {"A", "AL", "AM", "AMP", "", "B"}, {"A", "AL", "AM", "AMP", "N", ""},
};

int64_t RoundUp(int64_t cost) {
    return CeilCodewords(cost) * kCostUnit;
}

struct ModeState {
    int64_t cost = kUnreachable;
    int32_t text = PrefixPatternArena::kEmpty;
    int32_t pending = 0;
};

// Every byte costs at least a Numeric digit, so the search stops within this many bytes.
constexpr std::size_t kLongestSearch = static_cast<std::size_t>(kCostCeiling / kDigit) + 2;

class Search {
public:
    // A few pieces per character are typical; one allocation up front saves the copies of a
    // growing vector.
    explicit Search(std::size_t length) {
        modes_[kAlpha].cost = 0;
        arena_.Reserve(std::min(length, kLongestSearch) * 4 + 16);
    }

    void Step(uint8_t c) {
        Latch();
        std::array<ModeState, kModeCount> next{};
        AddCharacter(c, next);
        Shift(c, next);
        modes_ = next;
    }

    int Cheapest() const {
        int best = 0;
        for (int m = 1; m < kModeCount; ++m)
            if (modes_[m].cost < modes_[best].cost) best = m;
        return best;
    }

    int64_t Cost(int mode) const { return modes_[mode].cost; }

    std::string Pattern(int mode) const {
        return arena_.Text(modes_[mode].text, modes_[mode].pending);
    }

private:
    int32_t Extend(const ModeState& from, const char* letters) {
        return arena_.Append(from.text, from.pending, letters);
    }

    // In place and in order, so a mode reached by a latch can itself be latched from later on.
    void Latch() {
        for (int from = 0; from < kModeCount; ++from) {
            // Only the other modes change in the inner loop.
            const ModeState source = modes_[from];
            const int64_t rounded = RoundUp(source.cost);
            for (int to = 0; to < kModeCount; ++to) {
                if (from == to) continue;
                const bool whole = from >= kNumeric || to >= kNumeric;
                const int64_t cost = (whole ? rounded : source.cost) + kLatchCost[from][to];
                if (cost >= modes_[to].cost) continue;
                modes_[to] = {cost, Extend(source, kLatchText[from][to]), 0};
            }
        }
    }

    void AddCharacter(uint8_t c, std::array<ModeState, kModeCount>& next) const {
        for (int m = 0; m < kModeCount; ++m) {
            if (!ModeHolds(m, c)) continue;
            const ModeState& s = modes_[m];
            int64_t cost = s.cost + (m == kByte ? kByteChar : m == kNumeric ? kDigit : kTextChar);
            if (m == kNumeric && (s.pending + 1) % 44 == 0) cost += kDigitGroup;
            next[m] = {cost, s.text, s.pending + 1};
        }
    }

    void TryShift(std::array<ModeState, kModeCount>& next, int mode, int64_t cost,
                  const char* letter) {
        if (cost < next[mode].cost) next[mode] = {cost, Extend(modes_[mode], letter), 0};
    }

    void Shift(uint8_t c, std::array<ModeState, kModeCount>& next) {
        if (TextValue(kAlpha, c) >= 0) TryShift(next, kLower, modes_[kLower].cost + kShift, "a");
        if (TextValue(kPunct, c) >= 0)
            for (int m : {kAlpha, kLower, kMixed}) TryShift(next, m, modes_[m].cost + kShift, "p");
        for (int m = 0; m < kTextModeCount; ++m)
            TryShift(next, m, RoundUp(modes_[m].cost) + kByteShift, "b");
    }

    std::array<ModeState, kModeCount> modes_{};
    PrefixPatternArena arena_;
};

}  // namespace

CompactionResult FindCompactionPattern(std::span<const uint8_t> message) {
    Search search(message.size());
    CompactionResult result;
    for (uint8_t c : message) {
        search.Step(c);
        // Costs never fall, so once the cheapest mode is past every symbol's capacity the
        // message cannot fit whatever follows.
        if (search.Cost(search.Cheapest()) > kCostCeiling) {
            result.complete = false;
            break;
        }
    }
    const int best = search.Cheapest();
    result.cost = search.Cost(best);
    if (result.complete) result.pattern = search.Pattern(best);
    return result;
}

}  // namespace tsy::pdf417
