#include "encoders/pdf417/pdf417_codewords.h"

#include <algorithm>

#include "encoders/common/prefix_pattern.h"
#include "encoders/pdf417/pdf417_text_modes.h"

namespace tsy::pdf417 {
namespace {

constexpr std::size_t kNumericGroupDigits = 44;
constexpr int kHalfPad = 29;

// Values that move a reader between text sub-modes [from][to].
struct LatchValues {
    int count;
    int values[2];
};
constexpr LatchValues kSubModeLatch[kTextModeCount][kTextModeCount] = {
    {{0, {}}, {1, {kLatchLower}}, {1, {kLatchMixed}}, {2, {kLatchMixed, kLatchPunct}}},
    {{2, {kLatchMixed, kLatchAlphaMixed}},
     {0, {}},
     {1, {kLatchMixed}},
     {2, {kLatchMixed, kLatchPunct}}},
    {{1, {kLatchAlphaMixed}}, {1, {kLatchLower}}, {0, {}}, {1, {kLatchPunct}}},
    {{1, {kLatchAlphaPunct}},
     {2, {kLatchAlphaPunct, kLatchLower}},
     {2, {kLatchAlphaPunct, kLatchMixed}},
     {0, {}}},
};

int LetterMode(char letter) {
    switch (letter) {
        case 'A':
            return kAlpha;
        case 'L':
            return kLower;
        case 'M':
            return kMixed;
        case 'P':
            return kPunct;
        case 'N':
            return kNumeric;
        default:
            return kByte;
    }
}

class Writer {
public:
    Writer(std::span<const uint8_t> message, std::vector<int>& out) : msg_(message), out_(out) {}

    void Count(std::size_t n) {
        n = std::min(n, msg_.size() - pos_);
        const auto bytes = msg_.subspan(pos_, n);
        pos_ += n;
        if (mode_ == kNumeric) return Numeric(bytes);
        if (mode_ == kByte) return Bytes(bytes);
        for (uint8_t c : bytes) {
            SyncSubMode();
            Value(TextValue(target_, c));
        }
    }

    void Latch(char letter) {
        const int to = LetterMode(letter);
        if (to >= kNumeric) {
            mode_ = to;  // the latch codeword goes out with the count that follows
            return;
        }
        if (mode_ >= kNumeric) {
            Whole(kTextLatch);
            actual_ = kAlpha;
        }
        mode_ = kAlpha;  // any text sub-mode; target_ says which
        target_ = to;
        SyncSubMode();
    }

    void Shift(char letter) {
        if (pos_ >= msg_.size()) return;
        const uint8_t c = msg_[pos_++];
        if (letter == 'b') {
            Whole(kByteShiftCodeword);
            out_.push_back(c);
            return;
        }
        SyncSubMode();
        Value(letter == 'a' ? kShiftAlpha : kShiftPunct);
        Value(TextValue(letter == 'a' ? kAlpha : kPunct, c));
    }

    void Finish() {
        if (half_ >= 0) out_.push_back(half_ * 30 + kHalfPad);
        half_ = -1;
    }

private:
    void Value(int v) {
        if (half_ < 0) {
            half_ = v;
            return;
        }
        out_.push_back(half_ * 30 + v);
        half_ = -1;
    }

    // A whole codeword cannot share a text codeword: complete it with 29, which in Punct is the
    // latch to Alpha, so the reader is in Alpha afterwards.
    void Whole(int codeword) {
        if (half_ >= 0) {
            out_.push_back(half_ * 30 + kHalfPad);
            half_ = -1;
            if (actual_ == kPunct) actual_ = kAlpha;
        }
        out_.push_back(codeword);
    }

    void SyncSubMode() {
        const LatchValues& l = kSubModeLatch[actual_][target_];
        for (int i = 0; i < l.count; ++i) Value(l.values[i]);
        actual_ = target_;
    }

    void Numeric(std::span<const uint8_t> digits) {
        if (digits.empty()) return;
        Whole(kNumericLatch);
        for (std::size_t i = 0; i < digits.size(); i += kNumericGroupDigits) {
            const auto group =
                NumericGroup(digits.subspan(i, std::min(kNumericGroupDigits, digits.size() - i)));
            out_.insert(out_.end(), group.begin(), group.end());
        }
    }

    void Bytes(std::span<const uint8_t> bytes) {
        if (bytes.empty()) return;
        Whole(bytes.size() % 6 == 0 ? kByteLatchSix : kByteLatch);
        std::size_t i = 0;
        for (; i + 6 <= bytes.size(); i += 6) {
            uint64_t v = 0;
            for (std::size_t j = 0; j < 6; ++j) v = (v << 8) | bytes[i + j];
            int group[5];
            for (int j = 4; j >= 0; --j, v /= 900) group[j] = static_cast<int>(v % 900);
            out_.insert(out_.end(), group, group + 5);
        }
        for (; i < bytes.size(); ++i) out_.push_back(bytes[i]);
    }

    std::span<const uint8_t> msg_;
    std::vector<int>& out_;
    std::size_t pos_ = 0;
    int mode_ = kAlpha;    // the pattern's mode; any text sub-mode counts as kAlpha
    int target_ = kAlpha;  // text sub-mode the pattern is in
    int actual_ = kAlpha;  // text sub-mode the reader is in; differs only after a Punct pad
    int half_ = -1;        // first value of an incomplete text codeword
};

}  // namespace

std::vector<int> NumericGroup(std::span<const uint8_t> digits) {
    std::vector<int> decimal{1};
    for (uint8_t d : digits) decimal.push_back(d - '0');
    std::vector<int> group;
    while (!(decimal.size() == 1 && decimal[0] == 0)) {
        int rest = 0;
        std::vector<int> quotient;
        for (int d : decimal) {
            rest = rest * 10 + d;
            if (!quotient.empty() || rest / 900 != 0) quotient.push_back(rest / 900);
            rest %= 900;
        }
        group.push_back(rest);
        decimal = quotient.empty() ? std::vector<int>{0} : quotient;
    }
    // ceil(0.3385 * digits + 0.1019) codewords; the exact conversion never needs more.
    const std::size_t size = (3385 * digits.size() + 1019 + 9999) / 10000;
    while (group.size() < size) group.push_back(0);
    std::reverse(group.begin(), group.end());
    return group;
}

std::vector<int> WriteDataCodewords(std::string_view pattern, std::span<const uint8_t> message,
                                    int eci) {
    std::vector<int> out{0};
    if (eci >= 0) out.insert(out.end(), {kEciCodeword, eci});
    Writer writer(message, out);
    for (std::size_t i = 0; i < pattern.size();) {
        const char ch = pattern[i];
        if (IsPatternDigit(ch)) {
            writer.Count(ReadPatternCount(pattern, i, message.size()));
            continue;
        }
        if (ch >= 'A' && ch <= 'Z')
            writer.Latch(ch);
        else
            writer.Shift(ch);
        ++i;
    }
    writer.Finish();
    return out;
}

}  // namespace tsy::pdf417
