#include <algorithm>
#include <new>

#include "encoders/common/reed_solomon.h"
#include "encoders/ziggur/ziggur_matrix.h"
#include "imaging/raster_limits.h"

namespace tsy::ziggur {
namespace {

constexpr int kMinHostHeight = 6;
constexpr int kMinCheckCodewords = 2;

bool ValidRecord(const ZiggurHostRecord& host) {
    return (host.barrierRows == 0 || host.barrierRows == 1) && host.symmetry >= kZiggurNoSymmetry &&
           host.symmetry <= kZiggurDoubleEven;
}

}  // namespace

// Both passes take the same decisions, so the build pass fills exactly the grid the sizing pass
// announced.
bool PrepareZiggur(aztec::AztecJob& job, const ZiggurHostRecord& host, ZiggurWork& w) {
    if (!ValidRecord(host) || job.length <= 0) return false;
    if (!EncodeZiggurHost(host, w.rows, w.layout)) return false;
    // Rows are drawn twice, so a taller host could never be a raster.
    if (host.hostHeight > kMaxRasterSide / 2) return false;
    w.hostHeight = host.hostHeight;
    if (w.hostHeight < 0) w.hostHeight = std::max((3 * w.layout.width + 39) / 40, kMinHostHeight);
    w.enc.header.clear();
    w.enc.messagePos = 0;
    // A message the search stops short of would lose its tail: refused, never cut.
    if (!aztec::FindBestPattern(job, w.enc, kZiggurBitLimit) || !w.enc.inputEnded) return false;
    if (!SizeZiggur(job, host, w)) return false;
    if (!aztec::EncodePattern(job, w.enc)) return false;
    // Every symbol carries data and at least two check codewords, as an Aztec symbol does.
    return w.enc.dataCodewords >= 1 && w.enc.checkCodewords >= kMinCheckCodewords;
}

int BuildZiggurMatrix(aztec::AztecJob& job, const ZiggurHostRecord& host, ModuleMatrix& matrix,
                      bool build) {
    job.symbols = 1;
    try {
        ZiggurWork w;
        if (!PrepareZiggur(job, host, w)) return 0;
        const int bytes = w.height * ((w.width + 7) / 8);
        if (!build) {
            matrix = ModuleMatrix(w.width, w.height);
            return bytes;
        }
        if (matrix.width() != w.width || matrix.height() != w.height) return 0;
        matrix = ModuleMatrix(w.width, w.height);
        std::vector<int> codewords = w.enc.codewords;
        const GaloisField gf(w.fieldSize, w.polynomial);
        const std::vector<int> checks =
            RsCheckWords(gf, codewords.data(), w.enc.dataCodewords, w.enc.checkCodewords, 1);
        codewords.insert(codewords.end(), checks.begin(), checks.end());
        const std::vector<int> mode =
            ZiggurModeMessage(w.layers, host.symmetry, job.menu, w.enc.dataCodewords);
        DrawZiggur(matrix, host, w, codewords, mode);
        return bytes;
    } catch (const std::bad_alloc&) {
        // Without memory for the check codewords there is no symbol, never one with empty layers.
        return 0;
    }
}

}  // namespace tsy::ziggur
