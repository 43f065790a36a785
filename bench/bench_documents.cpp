// A full BuildSymbol (translate, encode, caption) of each document with a 100-character message.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <memory>
#include <string>

#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/code128/code128_doc.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/qr/qr_doc.h"

namespace tsy {
namespace {

std::u16string Message100() {
    const std::u16string unit = u"TESSALY 0123456789 ";
    std::u16string m;
    while (m.size() < 100) m += unit;
    m.resize(100);
    return m;
}

template <class Doc>
void BM_BuildSymbol(benchmark::State& state) {
    // The defaults, not whatever the user's profile holds.
    setenv("XDG_CONFIG_HOME", "/nonexistent/tessaly-bench", 1);
    Doc doc;
    doc.m_Message = Message100();
    doc.m_Caption = u"Caption below the symbol";
    if (!doc.BuildSymbol()) {  // also opens the caption face once, outside the timing
        state.SkipWithError("build failed");
        return;
    }
    for (auto _ : state) {
        const bool built = doc.BuildSymbol();
        benchmark::DoNotOptimize(built);
    }
    state.counters["width"] = doc.m_Picture.Picture().width;
    state.counters["height"] = doc.m_Picture.Picture().height;
}

BENCHMARK(BM_BuildSymbol<CAztecDoc>)->Name("BuildSymbol/Aztec");
BENCHMARK(BM_BuildSymbol<CPDF417Doc>)->Name("BuildSymbol/PDF417");
BENCHMARK(BM_BuildSymbol<CQRDoc>)->Name("BuildSymbol/QR");
BENCHMARK(BM_BuildSymbol<CCode128Doc>)->Name("BuildSymbol/Code128");
BENCHMARK(BM_BuildSymbol<CCode39Doc>)->Name("BuildSymbol/Code39");

}  // namespace
}  // namespace tsy
