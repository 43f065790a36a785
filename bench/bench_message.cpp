#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "message/codepage_translator.h"
#include "message/markup.h"

namespace {

// A 4000-character message of Latin-1 text with a control character every so often, as the
// editor holds it in Bracket style.
std::u16string BracketMessage() {
    std::mt19937 rng(42);
    std::u16string text;
    while (text.size() < 4000) {
        const unsigned r = rng() % 64;
        if (r == 0) {
            text += u"\r\n";
        } else if (r == 1) {
            text += u'\x1d';
        } else {
            text += static_cast<char16_t>(r < 48 ? 0x20 + rng() % 0x5F : 0xA0 + rng() % 0x60);
        }
    }
    text.resize(4000);
    return tsy::FormatMarkup(text, tsy::MarkupStyle::Bracket, false, true);
}

void BM_ParseAndTranslateBracketLatin1(benchmark::State& state) {
    const std::u16string markup = BracketMessage();
    tsy::ToBytes(u"warm", 28591);  // the reverse table is built on first use
    for (auto _ : state) {
        const std::u16string text = tsy::ParseMarkup(markup, tsy::MarkupStyle::Bracket, true);
        const tsy::ByteTranslation bytes = tsy::ToBytes(text, 28591);
        benchmark::DoNotOptimize(bytes.bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * 4000);
}
BENCHMARK(BM_ParseAndTranslateBracketLatin1);

void BM_PlatformUtf8(benchmark::State& state) {
    const std::u16string text = tsy::ParseMarkup(BracketMessage(), tsy::MarkupStyle::Bracket, true);
    for (auto _ : state) {
        const tsy::ByteTranslation bytes = tsy::ToBytes(text, 65001);
        benchmark::DoNotOptimize(bytes.bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * 4000);
}
BENCHMARK(BM_PlatformUtf8);

}  // namespace
