#include <cstdio>
#include <cstring>
#include <span>

#include "encoders/pdf417/pdf417.h"
#include "encoders/pdf417/pdf417_build.h"
#include "encoders/pdf417/pdf417_codewords.h"
#include "encoders/pdf417/pdf417_compaction.h"
#include "encoders/pdf417/pdf417_error_correction.h"
#include "imaging/raster_limits.h"
#include "imaging/scalers.h"
#include "imaging/symbol_raster.h"

namespace tsy::pdf417 {
namespace {

constexpr int kLevelCount = 9;
constexpr int kMaxEci = 899;  // one codeword after 927

BuildStatus CheckArgs(const PDF417EncodeArgs& a, int eci, int32_t* rowHeight) {
    if (a.errorCorrectionLevel != kPDF417Auto &&
        (a.errorCorrectionLevel < 0 || a.errorCorrectionLevel >= kLevelCount))
        return BuildStatus::BadLevel;
    if (a.dataColumns != kPDF417Auto && (a.dataColumns < 1 || a.dataColumns > kMaxColumns))
        return BuildStatus::BadColumns;
    if (a.moduleWidth <= 0) return BuildStatus::BadModuleWidth;
    int64_t height = a.rowHeight;
    if (a.rowHeight == kPDF417Auto) height = 2 * int64_t{a.moduleWidth};
    if (height <= 0) return BuildStatus::BadRowHeight;
    // Taller rows could not make a raster anyway, and must not wrap round in 32 bits.
    if (height > kMaxRasterSide) return BuildStatus::TooBig;
    if (a.length < 0 || (a.length > 0 && a.message == nullptr)) return BuildStatus::BadMessage;
    if (eci < -1 || eci > kMaxEci) return BuildStatus::BadEci;
    *rowHeight = static_cast<int32_t>(height);
    return BuildStatus::Ok;
}

const char* LimitText(SizeResult r) {
    switch (r) {
        case SizeResult::TooManyWords:
            return kTooManyWordsText;
        case SizeResult::TooManyColumns:
            return kTooManyColumnsText;
        default:
            return kTooManyRowsText;
    }
}

}  // namespace

BuildStatus BuildSymbol(const PDF417EncodeArgs& args, int eci, Symbol* out) {
    Symbol s;
    if (BuildStatus st = CheckArgs(args, eci, &s.rowHeight); st != BuildStatus::Ok) return st;
    const std::span<const uint8_t> message(args.message, static_cast<std::size_t>(args.length));

    const CompactionResult compaction = FindCompactionPattern(message);
    s.pattern = compaction.pattern;
    s.cost = compaction.cost;
    std::vector<int> data;
    long long written = CeilCodewords(compaction.cost) + 1 + (eci >= 0 ? 2 : 0);
    if (compaction.complete) {
        // Sized from what was written, which can exceed the cost model by a codeword.
        data = WriteDataCodewords(compaction.pattern, message, eci);
        written = static_cast<long long>(data.size());
    }
    s.writtenWords = static_cast<int>(std::min<long long>(written, INT32_MAX));

    const SizeResult size =
        ChooseGeometry(written, args.errorCorrectionLevel, args.dataColumns, &s.geometry);
    if (size != SizeResult::Ok) {
        std::fputs(LimitText(size), stdout);
        std::fflush(stdout);
        return BuildStatus::TooBig;
    }

    const Geometry& g = s.geometry;
    data.resize(static_cast<std::size_t>(g.dataWords()), kPadCodeword);
    data[0] = g.dataWords();
    const std::vector<int> check = CheckCodewords(data, g.checkWords);
    s.codewords = std::move(data);
    s.codewords.insert(s.codewords.end(), check.begin(), check.end());
    s.matrix = LayOutRows(s.codewords, g, args.truncate != 0);
    *out = std::move(s);
    return BuildStatus::Ok;
}

namespace {
int32_t g_eciDesignator = -1;  // process-wide by design: see pdf417.h
}  // namespace

int32_t SetPDF417_ECI(int32_t designator) noexcept {
    g_eciDesignator = designator;
    return designator;
}

int32_t GetPDF417_ECI() noexcept {
    return g_eciDesignator;
}

void GetPDF417EncoderRevString(char* buffer) noexcept {
    if (buffer) std::memcpy(buffer, "4.9.1.12 ", 10);
}

OwnedRaster PDF417Raster(const PDF417EncodeArgs& args) noexcept {
    try {
        Symbol s;
        if (BuildSymbol(args, g_eciDesignator, &s) != BuildStatus::Ok) return {};
        int32_t height = s.matrix.height();
        int32_t width = s.matrix.width();
        BlockHandle block = ScaleModuleMatrix(s.matrix, &height, &width, args.moduleWidth,
                                              s.rowHeight, false, args.undercut);
        return OwnedRaster::Adopt(block, height, width);
    } catch (...) {
        return {};
    }
}

BlockHandle PDF417Encode(const PDF417EncodeArgs* args, int32_t* heightOut, int32_t* widthOut,
                         void** pixelsOut) noexcept {
    if (!args) return nullptr;
    return PDF417Raster(*args).Release(heightOut, widthOut, pixelsOut);
}

}  // namespace tsy::pdf417
