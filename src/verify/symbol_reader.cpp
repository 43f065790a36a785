#include "verify/symbol_reader.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/lazy_library.h"
#include "verify/zxing_module.h"

namespace tsy {
namespace {

// Four modules of white around the symbol satisfy every finder; the symbols carry their own
// quiet zone only sometimes.
constexpr int kQuietModules = 4;
// Below this many pixels a module the reader's binariser and finders lose edges.
constexpr int kMinModulePx = 3;
constexpr int kLinearRows = 8;

// The module beside an installed program (its library folder relative to the program's), else
// where the build left it.
std::string InstalledModule() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return (exe.parent_path() / TSY_READER_FROM_BINDIR).lexically_normal().string();
}

const LazyLibrary& ReaderLibrary() {
    static const std::string installed = InstalledModule();
    static const LazyLibrary lib({installed.c_str(), TSY_READER_BUILT});
    return lib;
}

TsyReadGrey Reader() {
    static const TsyReadGrey read = [] {
        TsyReadGrey f = nullptr;
        return ReaderLibrary().bind(f, kTsyReadGreyName) ? f : nullptr;
    }();
    return read;
}

void AppendBytes(void* context, const uint8_t* bytes, size_t length) {
    static_cast<std::string*>(context)->append(reinterpret_cast<const char*>(bytes), length);
}

bool IsLinear(ReaderFormat format) {
    return format == ReaderFormat::Code128 || format == ReaderFormat::Code39;
}

}  // namespace

bool ReaderAvailable(std::string* why) {
    if (Reader()) return true;
    if (why) *why = ReaderLibrary().MissingText("Reading symbols back");
    return false;
}

bool ReadSymbolPart(const Bitmap1& picture, int x, int y, int w, int h, const ReadRequest& request,
                    ReadSymbol* out) {
    const TsyReadGrey read = Reader();
    if (!read) return false;
    if (picture.empty() || w < 1 || h < 1 || x < 0 || y < 0 || x > picture.width - w ||
        y > picture.height - h)
        return false;
    const int module = std::max(1, request.modulePx);
    const int scale = module >= kMinModulePx ? 1 : (kMinModulePx + module - 1) / module;
    // A linear symbol is read along its middle row alone, made a few rows tall: a caller that
    // wants every row judged hands each distinct row over on its own.
    const bool linear = IsLinear(request.format);
    // Large 2D modules are sampled down to a few pixels each: the reader's time grows with the
    // pixels, not the modules, and every module keeps at least kMinModulePx samples a side.
    const int step = linear ? 1 : std::max(1, module / kMinModulePx);
    const int stepY = linear || request.moduleHeightPx < 1
                          ? step
                          : std::max(1, request.moduleHeightPx / kMinModulePx);
    const int rows = linear ? 1 : h / stepY;
    const int cols = w / step;
    const int top = linear ? y + h / 2 : y;
    const int scaleY = linear ? kLinearRows : scale;
    const int margin = kQuietModules * std::max(1, module / step) * scale;
    const int64_t W = int64_t{cols} * scale + 2 * margin;
    const int64_t H = int64_t{rows} * scaleY + 2 * margin;
    if (rows < 1 || cols < 1 || W > 0x7FFF || H > 0x7FFF) return false;
    std::vector<uint8_t> grey(static_cast<std::size_t>(W * H), 255);
    for (int row = 0; row < rows; ++row) {
        uint8_t* line = grey.data() + static_cast<std::size_t>(margin + row * scaleY) * W + margin;
        const int sourceY = linear ? top : top + row * stepY + stepY / 2;
        for (int col = 0; col < cols; ++col) {
            const bool dark =
                picture.isBlack(x + col * step + step / 2, sourceY) != request.inverted;
            if (dark) std::fill_n(line + col * scale, scale, uint8_t{0});
        }
        for (int copy = 1; copy < scaleY; ++copy) std::copy_n(line, cols * scale, line + copy * W);
    }
    TsyReadOutcome outcome{&out->bytes, &AppendBytes, -1, -1, 0};
    out->bytes.clear();
    if (!read(grey.data(), static_cast<int>(W), static_cast<int>(H),
              static_cast<int>(request.format), request.code39Check ? 1 : 0, &outcome))
        return false;
    out->sequenceIndex = outcome.sequenceIndex;
    out->sequenceSize = outcome.sequenceSize;
    out->readerInit = outcome.readerInit != 0;
    return true;
}

}  // namespace tsy
