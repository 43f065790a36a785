#include "encoders/aztec/aztec_encoder.h"
#include "encoders/aztec/aztec_layout.h"
#include "encoders/aztec/aztec_symbol.h"

namespace tsy::aztec {
namespace {

// Bits the message needs with the error correction asked for.
long NeededBits(int choice, int bits) {
    if (choice == 0) return static_cast<long>((bits + 18) / 0.77);
    return (static_cast<long>(choice) * bits + 99 - choice) / (100 - choice) + bits;
}

int SmallestLayers(bool compact, long needed, int maxLayers) {
    for (int l = 1; l <= maxLayers; ++l)
        if (AztecUsableBits(AztecCapacity(compact, l)) >= needed) return l;
    return 0;
}

bool ChooseLayers(const AztecJob& job, int bits, AztecWork& work) {
    const int e = job.sizeChoice;
    if (e >= 0 && e < 100) {
        const long needed = NeededBits(e, bits);
        work.compact = (!job.menu && bits <= 512 && needed <= 608) || needed <= 102;
        const int maxLayers = work.compact ? kAztecMaxCompactLayers
                                           : (job.menu ? kAztecMaxMenuLayers : kAztecMaxLayers);
        work.layers = SmallestLayers(work.compact, needed, maxLayers);
        return work.layers > 0;
    }
    if (e >= AztecCompactSize(1) && e <= AztecCompactSize(kAztecMaxCompactLayers)) {
        work.compact = true;
        work.layers = e - AztecCompactSize(0);
        if (job.menu && work.layers != 1) return false;
    } else if (e >= AztecFullRangeSize(1) && e <= AztecFullRangeSize(kAztecMaxLayers)) {
        work.compact = false;
        work.layers = e - AztecFullRangeSize(0);
        if (job.menu && work.layers > kAztecMaxMenuLayers) return false;
    } else {
        return false;
    }
    return AztecUsableBits(AztecCapacity(work.compact, work.layers)) >= bits;
}

}  // namespace

int SelectAztecSize(const AztecJob& job, AztecWork& work) {
    const int n = job.symbols;
    work.rune = job.sizeChoice == kAztecRune;
    if (work.rune) {
        if (n != 1) return 0;
        work.compact = true;
        work.layers = 0;
        work.capacity = 0;
        work.size = kAztecRuneSize;
    } else {
        int bits = work.messageBits;
        if (n > 1) {
            bits = bits / n + 20;
            if (!job.appendId.empty()) bits += 5 * static_cast<int>(job.appendId.size()) + 10;
        }
        work.budget = bits;
        if (!ChooseLayers(job, bits, work)) return 0;
        work.capacity = AztecCapacity(work.compact, work.layers);
        work.size = AztecSymbolSize(work.compact, work.layers);
    }
    work.width = n * work.size + (n - 1);
    return (work.width + 7) / 8 * work.size;
}

}  // namespace tsy::aztec
