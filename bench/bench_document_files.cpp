// Save and load of a real document: a 4000-character message and a 2000 x 2000 picture, as
// archive bytes in memory and as a compound file on disk.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "document/document_file.h"
#include "platform/bitmap_ops.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/document_serialize.h"

namespace tsy {
namespace {

namespace fs = std::filesystem;

std::unique_ptr<CAztecDoc> BigDocument() {
    static const bool profile = [] {
        setenv("XDG_CONFIG_HOME", fs::temp_directory_path().c_str(), 1);
        return true;
    }();
    (void)profile;
    auto doc = std::make_unique<CAztecDoc>();
    for (int i = 0; i < 4000; ++i) doc->m_Message.push_back(static_cast<char16_t>(u'A' + i % 26));
    RgbImage picture = MakeRgbImage(2000, 2000);
    for (int y = 0; y < picture.height; ++y)
        for (int x = (y / 7) % 2; x < picture.width; x += 2)
            std::fill_n(picture.row(y) + 3 * x, 3, uint8_t{0});
    doc->m_Picture.Attach(std::move(picture));
    return doc;
}

fs::path BenchFile() {
    return fs::temp_directory_path() / ("tsy-bench-" + std::to_string(getpid()) + ".azt");
}

void BM_StoreDocumentBytes(benchmark::State& state) {
    auto doc = BigDocument();
    for (auto _ : state) benchmark::DoNotOptimize(StoreDocumentBytes(*doc).size());
}
BENCHMARK(BM_StoreDocumentBytes)->Unit(benchmark::kMillisecond);

void BM_LoadDocumentBytes(benchmark::State& state) {
    const std::string bytes = StoreDocumentBytes(*BigDocument());
    CAztecDoc doc;
    std::string error;
    for (auto _ : state) benchmark::DoNotOptimize(LoadDocumentBytes(bytes, doc, &error));
}
BENCHMARK(BM_LoadDocumentBytes)->Unit(benchmark::kMillisecond);

void BM_SaveDocument(benchmark::State& state) {
    auto doc = BigDocument();
    const fs::path path = BenchFile();
    std::string error;
    for (auto _ : state) benchmark::DoNotOptimize(SaveDocument(*doc, path, &error));
    fs::remove(path);
}
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);

// Reading the file and the archive, without the rebuild that opening adds.
void BM_ReadAndLoadFile(benchmark::State& state) {
    const fs::path path = BenchFile();
    std::string error;
    SaveDocument(*BigDocument(), path, &error);
    CAztecDoc doc;
    for (auto _ : state) {
        const DocumentFileRead file = ReadDocumentFile(path);
        benchmark::DoNotOptimize(LoadDocumentBytes(file.contents, doc, &error));
    }
    fs::remove(path);
}
BENCHMARK(BM_ReadAndLoadFile)->Unit(benchmark::kMillisecond);

// Opening as the application does: read, load, rebuild the symbol from the 4000 characters.
void BM_OpenDocument(benchmark::State& state) {
    const fs::path path = BenchFile();
    std::string error;
    SaveDocument(*BigDocument(), path, &error);
    for (auto _ : state) benchmark::DoNotOptimize(OpenDocument(path, &error));
    fs::remove(path);
}
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tsy
