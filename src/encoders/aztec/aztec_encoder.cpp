#include "encoders/aztec/aztec_encoder.h"

#include <cstring>
#include <new>

#include "encoders/aztec/aztec_symbol.h"
#include "imaging/scalers.h"
#include "imaging/symbol_raster.h"

namespace tsy {

BlockHandle AztecEncode(const AztecEncodeArgs& args, int32_t* heightOut, int32_t* widthOut,
                        void** pixelsOut, std::ostream* trace) {
    if (heightOut) *heightOut = 10;
    if (widthOut) *widthOut = 10;
    if (args.length < 0 || (args.length > 0 && !args.message)) return nullptr;
    try {
        AztecJob job = MakeAztecJob(args.message, args.length, args.escapeProcessing != 0);
        job.sizeChoice = args.sizeChoice;
        job.menu = args.menu != 0;
        job.symbols = args.symbols;
        job.appendId.assign(args.appendId, strnlen(args.appendId, sizeof args.appendId));
        job.reverseVideo = args.reverseVideo != 0;

        ModuleMatrix matrix;
        if (BuildAztecMatrix(job, matrix, false) == 0) return nullptr;
        if (BuildAztecMatrix(job, matrix, true, trace) == 0) return nullptr;
        int32_t height = matrix.height();
        int32_t width = matrix.width();
        BlockHandle block = ScaleModuleMatrix(matrix, &height, &width, args.moduleSize,
                                              args.moduleSize, job.reverseVideo, args.undercut);
        return FinishRaster(block, height, width, heightOut, widthOut, pixelsOut);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace tsy
