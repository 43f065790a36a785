// Reading a built symbol back, and drawing one as SVG, PDF and EPS.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "export/vector_picture.h"
#include "export/vector_writers.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/code128/code128_doc.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/qr/qr_doc.h"
#include "verify/verify_symbol.h"

namespace {

const std::u16string kLong(100, u'7');  // 100 bytes, the size of a typical 2D label

std::unique_ptr<tsy::CEncoderDoc> Document(int kind, int dpi) {
    std::unique_ptr<tsy::CEncoderDoc> doc;
    switch (kind) {
        case 0:
            doc = std::make_unique<tsy::CAztecDoc>();
            break;
        case 1: {
            auto qr = std::make_unique<tsy::CQRDoc>();
            qr->m_Model = tsy::CQRDoc::kIsoModel;
            doc = std::move(qr);
            break;
        }
        case 2:
            doc = std::make_unique<tsy::CPDF417Doc>();
            break;
        case 3:
            doc = std::make_unique<tsy::CCode128Doc>();
            break;
        default:
            doc = std::make_unique<tsy::CCode39Doc>();
            break;
    }
    doc->m_Message = kind < 3 ? kLong : u"TESSALY-23";
    doc->SetResolution(dpi);
    doc->BuildSymbol();
    return doc;
}

const char* const kNames[] = {"Aztec", "QR Model 2", "PDF417", "Code 128", "Code 39"};

void BM_VerifySymbol(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    const int dpi = static_cast<int>(state.range(1));
    const auto doc = Document(kind, dpi);
    state.SetLabel(std::string(kNames[kind]) + " at " + std::to_string(dpi) + " dpi");
    for (auto _ : state) {
        const tsy::SymbolVerdict v = tsy::VerifySymbol(*doc);
        if (v.check != tsy::SymbolCheck::Verified) state.SkipWithError(v.reason.c_str());
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_VerifySymbol)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {96, 600}})
    ->Unit(benchmark::kMicrosecond);

// The 100-byte QR at 1000 dpi, where its pixels are mils, as the export draws it.
const tsy::VectorPicture& QrPicture() {
    static const tsy::VectorPicture picture = [] {
        auto doc = Document(1, 1000);
        doc->m_Caption = u"Caption of the symbol";
        doc->BuildSymbol();
        return tsy::DocumentVectorPicture(*doc);
    }();
    return picture;
}

void BM_DarkRectangles(benchmark::State& state) {
    std::size_t count = 0;
    for (auto _ : state) {
        const auto rects = tsy::DarkRectangles(QrPicture().symbol);
        count = rects.size();
        benchmark::DoNotOptimize(rects.data());
    }
    state.counters["rectangles"] = static_cast<double>(count);
}
BENCHMARK(BM_DarkRectangles)->Unit(benchmark::kMicrosecond);

void BM_EncodeVector(benchmark::State& state) {
    const tsy::VectorFormat& format =
        tsy::VectorFormats()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(format.name));
    std::size_t size = 0;
    for (auto _ : state) {
        std::string bytes, error;
        if (!tsy::EncodeVector(format.kind, QrPicture(), &bytes, &error))
            state.SkipWithError(error.c_str());
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_EncodeVector)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
