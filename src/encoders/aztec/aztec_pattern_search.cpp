// The cheapest-mode search. Pattern texts share their prefixes in an arena of pieces, so every
// step costs the same whatever the length of the input.
#include <algorithm>
#include <array>

#include "encoders/aztec/aztec_charset.h"
#include "encoders/aztec/aztec_message.h"
#include "encoders/common/prefix_pattern.h"

namespace tsy::aztec {
namespace {

constexpr int kUnreachable = 30000;
constexpr int kBinaryShiftCost = 10;
// A run too long for one Binary Shift: back to the mode it returns to (Upper, Lower or Mixed) and
// shift again.
constexpr const char* kBinaryShiftAgain[] = {"UB", "LB", "MB"};

struct ModeState {
    int cost = kUnreachable;
    int pending = 0;
    int32_t node = -1;
};
using States = std::array<ModeState, kAztecModeCount>;

struct Search {
    const AztecJob& job;
    AztecEncoding& work;
    PrefixPatternArena arena;
    States cur;
    int binaryReturn = kLower;

    ModeState Extend(const ModeState& from, int cost, const char* letters) {
        // Nothing to write: the state keeps its text.
        if (from.pending == 0 && letters[0] == '\0') return ModeState{cost, 0, from.node};
        return ModeState{cost, 0, arena.Append(from.node, from.pending, letters)};
    }

    void CloseBinaryRun() {
        const int r = binaryReturn;
        if (cur[kBinary].cost < cur[r].cost)
            cur[r] = Extend(cur[kBinary], cur[kBinary].cost, kAztecLatchLetters[kBinary][r]);
    }

    // In place, so a mode reached early in the step can pass its new cost on.
    void ApplyLatches() {
        for (int from = kUpper; from <= kDigit; ++from)
            for (int to = kUpper; to <= kBinary; ++to) {
                const int cost = cur[from].cost + kAztecLatchCost[from][to];
                if (cost >= cur[to].cost) continue;
                cur[to] = Extend(cur[from], cost, kAztecLatchLetters[from][to]);
                if (to == kBinary) binaryReturn = from <= kMixed ? from : kUpper;
            }
    }

    void AddBinaryBytes(ModeState& s, int bytes) {
        if (s.pending + bytes > kAztecMaxBinaryRun) {
            s = Extend(s, s.cost + kBinaryShiftCost, kBinaryShiftAgain[binaryReturn]);
        }
        for (int i = 0; i < bytes; ++i) {
            ++s.pending;
            s.cost += 8;
            if (s.pending == 32) s.cost += 11;
        }
    }

    // The extra bits of FLG(n) beyond its Punct code: count and digits. -1 on broken input.
    int ReadFlgTail() {
        const int count = ReadAztecChar(job, work);
        if (count < 0) return -1;
        int extra = 3;
        if (count >= '1' && count <= '7')
            for (int i = 0; i < count - '0'; ++i) {
                if (ReadAztecChar(job, work) < 0) return -1;
                extra += 4;
            }
        return extra;
    }

    bool Candidates(int c, States& next, int& extra) {
        extra = 0;
        if (c == kAztecFlg && (extra = ReadFlgTail()) < 0) return false;
        for (int m = kUpper; m <= kBinary; ++m) {
            const AztecCodes codes = AztecCharCodes(c, m);
            if (codes.count == 0) continue;
            next[m] = cur[m];
            if (m == kBinary) {
                AddBinaryBytes(next[m], codes.count);
                continue;
            }
            next[m].pending += codes.count;
            next[m].cost += codes.count * AztecCodeBits(m) + extra;
        }
        return true;
    }

    void Shift(int m, int cost, const char* letter, States& next) {
        if (cost < next[m].cost) next[m] = Extend(cur[m], cost, letter);
    }

    void ApplyShifts(int c, int extra, States& next) {
        if (AztecCharCodes(c, kUpper).count) {
            Shift(kLower, cur[kLower].cost + 10, "u", next);
            Shift(kDigit, cur[kDigit].cost + 9, "u", next);
        }
        if (AztecCharCodes(c, kPunct).count) {
            for (int m : {kUpper, kLower, kMixed}) Shift(m, cur[m].cost + extra + 10, "p", next);
            Shift(kDigit, cur[kDigit].cost + extra + 9, "p", next);
        }
    }

    int Cheapest() const {
        int best = kUpper;
        for (int m = kLower; m <= kBinary; ++m)
            if (cur[m].cost < cur[best].cost) best = m;
        return best;
    }
};

}  // namespace

bool FindBestPattern(const AztecJob& job, AztecEncoding& work, int bitLimit) {
    Search s{job, work, {}, {}, kLower};
    // Each input value adds a few pieces (about seven in mixed text): room for them at once
    // spares the copies of a growing arena.
    s.arena.Reserve(8 * (work.header.size() +
                         static_cast<std::size_t>(std::max(0, job.length - work.messagePos)) + 1));
    s.cur[kUpper].cost = 0;
    work.headerPos = 0;
    const int32_t start = work.messagePos;
    int best = kUpper;
    int c = 0;
    // A symbol of a set never stops inside its header: a cut header reads as no header at all.
    while (work.headerPos < work.header.size() || s.cur[best].cost < bitLimit) {
        c = ReadAztecChar(job, work);
        if (c < 0) break;
        s.CloseBinaryRun();
        s.ApplyLatches();
        States next;
        int extra = 0;
        if (!s.Candidates(c, next, extra)) {
            c = kAztecBadEscape;
            break;
        }
        s.ApplyShifts(c, extra, next);
        s.cur = next;
        best = s.Cheapest();
    }
    work.inputEnded = work.headerPos >= work.header.size() && work.messagePos >= job.length;
    work.messagePos = start;
    if (c == kAztecBadEscape) return false;
    work.pattern = s.arena.Text(s.cur[best].node, s.cur[best].pending);
    work.bitCount = s.cur[best].cost;
    return true;
}

}  // namespace tsy::aztec
