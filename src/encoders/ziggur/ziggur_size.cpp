#include "encoders/ziggur/ziggur_matrix.h"

namespace tsy::ziggur {
namespace {

// Bits needed for the size choice E; -1 when E is not accepted.
long BitsNeeded(int32_t choice, int bits, int layerBits) {
    if (choice == 0) return static_cast<long>((bits + 18) / 0.77);
    if (choice >= 1 && choice <= 99) return bits + (choice * bits + 99 - choice) / (100 - choice);
    if (choice >= 201 && choice <= 200 + kZiggurMaxLayers)
        return static_cast<long>(choice - 200) * layerBits - kZiggurModeBits;
    return -1;
}

// ISO/IEC 24778, table 3: codeword size, field and prime polynomial by capacity.
void SetField(ZiggurWork& w) {
    struct Field {
        int maxCapacity, bits, polynomial;
    };
    static constexpr Field kFields[] = {{382, 6, 67}, {2046, 8, 301}, {10234, 10, 1033}};
    w.enc.codewordBits = 12;
    w.polynomial = 4201;
    for (const Field& f : kFields)
        if (w.capacity <= f.maxCapacity) {
            w.enc.codewordBits = f.bits;
            w.polynomial = f.polynomial;
            break;
        }
    w.fieldSize = 1 << w.enc.codewordBits;
    w.enc.totalCodewords = w.capacity / w.enc.codewordBits;
}

}  // namespace

int ZiggurLayerBits(const ZiggurHostLayout& layout) {
    return 2 * (layout.width - 2 - static_cast<int>(layout.references.size()));
}

bool SizeZiggur(const aztec::AztecJob& job, const ZiggurHostRecord& host, ZiggurWork& work) {
    work.width = 0;
    const int layerBits = ZiggurLayerBits(work.layout);
    const long needed = BitsNeeded(job.sizeChoice, work.enc.bitCount, layerBits);
    if (needed < 0) return false;
    work.layers = 1;
    work.capacity = layerBits - kZiggurModeBits;
    while (work.capacity < needed && work.layers <= kZiggurMaxLayers) {
        ++work.layers;
        work.capacity += layerBits;
    }
    if (host.symmetry == kZiggurDoubleEven && work.layers % 2) {
        ++work.layers;
        work.capacity += layerBits;
    }
    if (work.layers > kZiggurMaxLayers) return false;
    SetField(work);
    const int limit = job.menu ? kZiggurMaxMenuCodewords : kZiggurMaxCodewords;
    if (work.enc.totalCodewords > limit) return false;

    const int barrier = host.barrierRows ? 1 : 0;
    const bool bearers = !work.rows.solidBearer.empty();
    work.height = work.hostHeight + 2 * work.layers + barrier + (bearers ? 2 : 0) +
                  (host.symmetry != kZiggurNoSymmetry ? barrier : 0);
    work.width = work.layout.width;
    return true;
}

}  // namespace tsy::ziggur
