#include "encoders/ziggur/ziggur_encoder.h"

#include "encoders/ziggur/ziggur_matrix.h"
#include "imaging/scalers.h"

namespace tsy::ziggur {
namespace {

// Every input byte costs at least two bits and the search stops at kZiggurBitLimit, so a longer
// message is refused before it is copied.
constexpr int32_t kLongestMessage = kZiggurBitLimit / 2;

// Each module is drawn twice as high as wide.
ModuleMatrix DoubleRows(const ModuleMatrix& m) {
    ModuleMatrix out(m.width(), 2 * m.height());
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x)
            if (m.get(x, y)) {
                out.set(x, 2 * y);
                out.set(x, 2 * y + 1);
            }
    return out;
}

}  // namespace

OwnedRaster ZiggurRaster(const aztec::AztecEncodeArgs& args,
                         const ZiggurHostRecord& host) noexcept {
    if (args.length <= 0 || !args.message || args.length > kLongestMessage) return {};
    try {
        aztec::AztecJob job =
            aztec::MakeAztecJob(args.message, args.length, args.escapeProcessing != 0);
        job.sizeChoice = args.sizeChoice;
        job.menu = args.menu != 0;
        job.reverseVideo = args.reverseVideo != 0;

        ModuleMatrix matrix;
        if (BuildZiggurMatrix(job, host, matrix, false) == 0) return {};
        if (BuildZiggurMatrix(job, host, matrix, true) == 0) return {};
        const ModuleMatrix doubled = DoubleRows(matrix);
        return ScaledRaster(doubled, args.moduleSize, args.moduleSize, job.reverseVideo,
                            args.undercut);
    } catch (...) {
        return {};
    }
}

BlockHandle EncodeZiggur(const aztec::AztecEncodeArgs& args, const ZiggurHostRecord& host,
                         int32_t* heightOut, int32_t* widthOut, void** pixelsOut) noexcept {
    return ZiggurRaster(args, host).Release(heightOut, widthOut, pixelsOut);
}

}  // namespace tsy::ziggur
