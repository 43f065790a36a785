// Save and load of a document-sized archive: a 4000-character message and a 2000 x 2000 one-bit
// picture, through the compound file in memory and through a file on disk.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "document/archive_fields.h"
#include "document/archive_picture.h"
#include "document/class_ids.h"
#include "document/compound_file.h"
#include "document/document_file.h"

namespace tsy {
namespace {

struct BigDocument {
    std::u16string message;
    Bitmap1 picture;

    BigDocument() {
        for (int i = 0; i < 4000; ++i) message.push_back(static_cast<char16_t>(u'A' + i % 50));
        picture.width = 2000;
        picture.height = 2000;
        picture.bits.resize(static_cast<std::size_t>(picture.stride()) * 2000);
        for (std::size_t i = 0; i < picture.bits.size(); ++i)
            picture.bits[i] = static_cast<uint8_t>(i * 7);
    }

    void Serialize(CArchive& ar) {
        if (ar.IsStoring()) {
            ar << message;
            WritePicture(ar, &picture);
            ar << kDocumentVersion;
            return;
        }
        ar >> message;
        if (auto p = ReadPicture(ar)) picture = std::move(*p);
        ReadGuarded([&] { ar.ReadInt32(); });
    }
};

void BM_StoreArchive(benchmark::State& state) {
    BigDocument doc;
    for (auto _ : state) {
        std::string bytes = StoreToArchive([&](CArchive& ar) { doc.Serialize(ar); });
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_StoreArchive)->Unit(benchmark::kMicrosecond);

void BM_BuildCompoundFile(benchmark::State& state) {
    BigDocument doc;
    const std::string archive = StoreToArchive([&](CArchive& ar) { doc.Serialize(ar); });
    for (auto _ : state) benchmark::DoNotOptimize(BuildCompoundFile(kAztecClassId, archive));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * archive.size()));
}
BENCHMARK(BM_BuildCompoundFile)->Unit(benchmark::kMicrosecond);

void BM_ReadCompoundAndLoad(benchmark::State& state) {
    BigDocument doc;
    const std::string archive = StoreToArchive([&](CArchive& ar) { doc.Serialize(ar); });
    const std::string file = *BuildCompoundFile(kAztecClassId, archive);
    for (auto _ : state) {
        DocumentFileRead r = ReadDocumentBytes(file);
        BigDocument back;
        std::string error;
        benchmark::DoNotOptimize(LoadFromArchive(
            r.contents, [&](CArchive& ar) { back.Serialize(ar); }, &error));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ReadCompoundAndLoad)->Unit(benchmark::kMicrosecond);

void BM_SaveAndOpenFile(benchmark::State& state) {
    BigDocument doc;
    const auto path = std::filesystem::temp_directory_path() / "tsy-bench-document.azt";
    std::string error;
    for (auto _ : state) {
        SaveDocumentFile(
            path, kAztecClassId, [&](CArchive& ar) { doc.Serialize(ar); }, &error);
        BigDocument back;
        LoadDocumentFile(
            path, [&](CArchive& ar) { back.Serialize(ar); }, &error);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveAndOpenFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tsy
