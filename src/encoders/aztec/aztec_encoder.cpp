#include "encoders/aztec/aztec_encoder.h"

#include <cstring>
#include <new>

#include "encoders/aztec/aztec_layout.h"
#include "encoders/aztec/aztec_symbol.h"
#include "imaging/scalers.h"

namespace tsy::aztec {
namespace {

// Every input byte costs at least two bits (a pair is five bits for two bytes) and no message of
// kAztecNoSymbolHolds bits is built, so a longer message is refused before it is copied.
constexpr int32_t kLongestMessage = kAztecNoSymbolHolds / 2;

}  // namespace

OwnedRaster AztecRaster(const AztecEncodeArgs& args, std::ostream* trace) noexcept {
    if (args.length < 0 || (args.length > 0 && !args.message)) return {};
    if (args.length > kLongestMessage) return {};
    try {
        AztecJob job = MakeAztecJob(args.message, args.length, args.escapeProcessing != 0);
        job.sizeChoice = args.sizeChoice;
        job.menu = args.menu != 0;
        job.symbols = args.symbols;
        job.appendId.assign(args.appendId, strnlen(args.appendId, sizeof args.appendId));
        job.reverseVideo = args.reverseVideo != 0;

        ModuleMatrix matrix;
        if (MakeAztecMatrix(job, matrix, trace) == 0) return {};
        return ScaledRaster(matrix, args.moduleSize, args.moduleSize, job.reverseVideo,
                            args.undercut);
    } catch (...) {
        return {};
    }
}

BlockHandle AztecEncode(const AztecEncodeArgs& args, int32_t* heightOut, int32_t* widthOut,
                        void** pixelsOut, std::ostream* trace) noexcept {
    if (heightOut) *heightOut = kAztecFailedSidePx;
    if (widthOut) *widthOut = kAztecFailedSidePx;
    return AztecRaster(args, trace).Release(heightOut, widthOut, pixelsOut);
}

}  // namespace tsy::aztec
