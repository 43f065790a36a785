// Replaying a pattern into codewords, with bit stuffing and padding.
#include <algorithm>

#include "encoders/aztec/aztec_charset.h"
#include "encoders/aztec/aztec_message.h"
#include "encoders/aztec/aztec_trace.h"
#include "encoders/common/prefix_pattern.h"

namespace tsy::aztec {
namespace {

// Far above any run a search writes; a damaged count stops there instead of wrapping.
constexpr std::size_t kLongestRun = 1000000;

// Collects bits into b-bit codewords. A codeword whose first b - 1 bits are all equal gets the
// opposite bit as its last one, so that no codeword is all 0 or all 1.
class CodewordWriter {
public:
    explicit CodewordWriter(AztecEncoding& work) : work_(work), b_(work.codewordBits) {}

    // Bits go in up to the next place a codeword is looked at (its first b - 1 bits, then the
    // last), not one at a time: large messages spend most of their replay here.
    void Put(int value, int bits) {
        if (work_.trace) AztecTrace(work_.trace, " %2d ", value);
        while (bits > 0) {
            const int take = std::min(bits, (filled_ < b_ - 1 ? b_ - 1 : b_) - filled_);
            bits -= take;
            current_ = (current_ << take) | ((value >> bits) & ((1 << take) - 1));
            filled_ += take;
            Check();
        }
    }

    void Pad() {
        while (filled_ > 0) {
            if (work_.trace) AztecTrace(work_.trace, " %2d ", 1);
            current_ = (current_ << 1) | 1;
            ++filled_;
            Check();
        }
    }

private:
    void Check() {
        if (filled_ == b_ - 1) {
            const int ones = (1 << (b_ - 1)) - 1;
            if (current_ == 0)
                Complete(1);
            else if (current_ == ones)
                Complete(ones << 1);
        } else if (filled_ == b_) {
            Complete(current_);
        }
    }

    void Complete(int codeword) {
        // Beyond the symbol's capacity only the count goes on: the caller sees K < 2.
        if (work_.dataCodewords < work_.totalCodewords) work_.codewords.push_back(codeword);
        ++work_.dataCodewords;
        current_ = 0;
        filled_ = 0;
    }

    AztecEncoding& work_;
    int b_;
    int current_ = 0;
    int filled_ = 0;
};

struct Replay {
    const AztecJob& job;
    AztecEncoding& work;
    CodewordWriter out;
    int mode = kUpper;

    // Writes one input value in mode m; returns the number of code values (a pair counts 2),
    // 0 when the value does not belong there.
    int WriteValue(int m, int value) {
        const AztecCodes codes = AztecCharCodes(value, m);
        if (codes.count == 0) return 0;
        if (value == kAztecFlg) return WriteFlg() ? 1 : 0;
        for (int i = 0; i < codes.count; ++i) out.Put(codes.code[i], AztecCodeBits(m));
        return codes.count;
    }

    bool WriteFlg() {
        out.Put(0, 5);
        const int n = ReadAztecChar(job, work) - '0';
        if (n < 0 || n > 7) return false;
        out.Put(n, 3);
        for (int i = 0; i < n; ++i) {
            const AztecCodes digit = AztecCharCodes(ReadAztecChar(job, work), kDigit);
            if (digit.count != 1) return false;
            out.Put(digit.code[0], 4);
        }
        return true;
    }

    bool WriteRun(int n) {
        if (mode == kBinary) {
            if (n < 1 || n > kAztecMaxBinaryRun) return false;
            if (n < 32) {
                out.Put(n, 5);
            } else {
                out.Put(0, 5);
                out.Put(n - 31, 11);
            }
        }
        while (n > 0) {
            const int value = ReadAztecChar(job, work);
            const int written = value < 0 ? 0 : WriteValue(mode, value);
            if (written == 0 || written > n) return false;
            n -= written;
        }
        return true;
    }

    bool WriteShifted(int shiftCode, int target) {
        out.Put(shiftCode, AztecCodeBits(mode));
        const int value = ReadAztecChar(job, work);
        return value >= 0 && WriteValue(target, value) > 0;
    }

    bool WriteToken(char token) {
        if (mode == kBinary) {
            const int to = token == 'U'   ? kUpper
                           : token == 'L' ? kLower
                           : token == 'M' ? kMixed
                                          : -1;
            if (to < 0) return false;
            mode = to;
            return true;
        }
        if (token == 'p') return mode != kPunct && WriteShifted(0, kPunct);
        if (token == 'u') {
            if (mode == kLower) return WriteShifted(28, kUpper);
            if (mode == kDigit) return WriteShifted(15, kUpper);
            return false;
        }
        return Latch(token);
    }

    // ISO/IEC 24778, table 2: latch codes by current mode, indexed by target letter.
    bool Latch(char token) {
        struct Entry {
            int from;
            char token;
            int code;
            int to;
        };
        static const Entry kLatches[] = {
            {kUpper, 'L', 28, kLower},  {kUpper, 'M', 29, kMixed},  {kUpper, 'D', 30, kDigit},
            {kUpper, 'B', 31, kBinary}, {kLower, 'M', 29, kMixed},  {kLower, 'D', 30, kDigit},
            {kLower, 'B', 31, kBinary}, {kMixed, 'L', 28, kLower},  {kMixed, 'U', 29, kUpper},
            {kMixed, 'P', 30, kPunct},  {kMixed, 'B', 31, kBinary}, {kPunct, 'U', 31, kUpper},
            {kDigit, 'U', 14, kUpper},
        };
        for (const Entry& e : kLatches)
            if (e.from == mode && e.token == token) {
                out.Put(e.code, AztecCodeBits(mode));
                mode = e.to;
                return true;
            }
        return false;
    }
};

}  // namespace

bool EncodePattern(const AztecJob& job, AztecEncoding& work) {
    work.headerPos = 0;
    work.codewords.clear();
    work.dataCodewords = 0;
    AztecTrace(work.trace, "MESSAGE ENCODING:");
    Replay r{job, work, CodewordWriter(work)};
    if (job.symbols > 1) {
        r.out.Put(29, 5);  // M/L
        r.out.Put(29, 5);  // U/L: the structured-append flag
    }
    const std::string& p = work.pattern;
    bool ok = true;
    for (std::size_t i = 0; ok && i < p.size();) {
        if (IsPatternDigit(p[i])) {
            ok = r.WriteRun(static_cast<int>(ReadPatternCount(p, i, kLongestRun)));
        } else {
            ok = r.WriteToken(p[i++]);
        }
    }
    r.out.Pad();
    AztecTrace(work.trace, "\n");
    work.checkCodewords = work.totalCodewords - work.dataCodewords;
    return ok;
}

}  // namespace tsy::aztec
