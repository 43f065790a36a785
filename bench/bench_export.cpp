// Encoding a 1000 x 1000 symbol picture in every export format, into memory.
#include <benchmark/benchmark.h>

#include "export/export_cpp.h"
#include "export/image_formats.h"
#include "imaging/metafile.h"

namespace {

// Black and white modules of 10 pixels in a pseudo-random pattern, like a large 2D symbol.
const tsy::RgbImage& Picture() {
    static const tsy::RgbImage picture = [] {
        tsy::RgbImage p;
        p.width = p.height = 1000;
        p.pixels.assign(p.rowBytes() * 1000, 255);
        for (int y = 0; y < 1000; ++y) {
            for (int x = 0; x < 1000; ++x) {
                const unsigned m = static_cast<unsigned>((x / 10) * 131 + (y / 10) * 71);
                if ((m * 2654435761u) >> 31) {
                    uint8_t* px = p.row(y) + 3 * x;
                    px[0] = px[1] = px[2] = 0;
                }
            }
        }
        return p;
    }();
    return picture;
}

void BM_EncodeImage(benchmark::State& state) {
    const tsy::ImageFormat& format = tsy::ImageFormats()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(format.name));
    std::size_t size = 0;
    for (auto _ : state) {
        std::string bytes, error;
        if (!tsy::EncodeImage(format, Picture(), &bytes, &error))
            state.SkipWithError(error.c_str());
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_EncodeImage)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

void BM_Metafile(benchmark::State& state) {
    std::size_t size = 0;
    for (auto _ : state) {
        tsy::CMetafile metafile;
        metafile.Create(Picture(), 1.0, 1.0);
        const std::string bytes = metafile.Bytes();
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_Metafile)->Unit(benchmark::kMillisecond);

void BM_CppSource(benchmark::State& state) {
    tsy::ExportSource source;
    source.picture = &Picture();
    source.messageBytes.assign(1000, 'x');
    source.caption = u"Caption";
    std::size_t size = 0;
    for (auto _ : state) {
        tsy::CExportCpp writer;
        writer.Prepare("bench.cpp", source, nullptr);
        const std::string header = writer.HeaderText(source);
        const std::string text = writer.SourceText(source);
        size = header.size() + text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_CppSource)->Unit(benchmark::kMillisecond);

}  // namespace
