#include "encoders/common/reed_solomon.h"
#include "encoders/qr/qr_detail.h"

namespace tsy::qr {
namespace {

constexpr uint8_t kByteMode = 4;

const GaloisField& QrField() {
    static const GaloisField field(256, 285);
    return field;
}

}  // namespace

std::vector<uint8_t> QrMessageCodewords(const uint8_t* message, int length, int version,
                                        int level) {
    const auto d = static_cast<std::size_t>(QrCapacityOf(version, level).dataCodewords);
    std::vector<uint8_t> out;
    out.reserve(d);
    out.push_back(kByteMode);
    if (version >= 10) out.push_back(static_cast<uint8_t>(length / 256));
    out.push_back(static_cast<uint8_t>(length % 256));
    out.insert(out.end(), message, message + length);
    if (out.size() < d) out.push_back(0);
    for (bool odd = false; out.size() < d; odd = !odd) out.push_back(odd ? 17 : 236);
    return out;
}

std::vector<uint8_t> QrAddErrorCorrection(std::vector<uint8_t> data, int version, int level) {
    const QrCapacity cap = QrCapacityOf(version, level);
    const int total = QrTotalCodewords(version);
    const int perBlock = cap.dataCodewords / cap.blocks;
    const int checks = (total - cap.dataCodewords) / cap.blocks;
    // Not interleaved: blocks follow one another. Data beyond blocks x perBlock (17-M's table
    // row leaves two) is covered by no block.
    std::vector<int> words(data.begin(), data.end());
    for (int j = 0; j < cap.blocks; ++j) {
        const auto check =
            RsCheckWords(QrField(), words.data() + j * perBlock, perBlock, checks, 0);
        for (int v : check) data.push_back(static_cast<uint8_t>(v));
    }
    for (bool odd = false; static_cast<int>(data.size()) < total; odd = !odd)
        data.push_back(odd ? 236 : 17);
    return data;
}

}  // namespace tsy::qr
