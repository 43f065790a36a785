// Truncated, bit-flipped and random files fed to the reader: every one ends in a result (a
// document with corrected fields, or an error text), never in a crash or an unbounded allocation.
#include <glib.h>
#include <gtest/gtest.h>

#include <random>

#include "document/class_ids.h"
#include "document/compound_file.h"
#include "document/document_file.h"
#include "sample_document.h"

// Under the sanitizer build an allocation beyond this aborts the test instead of passing quietly.
extern "C" const char* __asan_default_options() {
    return "max_allocation_size_mb=256";
}

namespace tsy {
namespace {

// libgsf warns on stderr about each damaged file; thousands of those hide real failures.
GLogWriterOutput DropGsfWarnings(GLogLevelFlags level, const GLogField*, gsize, gpointer) {
    return (level & (G_LOG_LEVEL_ERROR)) ? G_LOG_WRITER_UNHANDLED : G_LOG_WRITER_HANDLED;
}

class BadInput : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static bool set = false;
        if (!set) g_log_set_writer_func(DropGsfWarnings, nullptr, nullptr);
        set = true;
    }

    static std::string SampleArchive() {
        test::SampleDocument doc;
        doc.message = u"The quick brown fox \u20AC jumps over the lazy dog 0123456789";
        doc.picture.width = 40;
        doc.picture.height = 10;
        doc.picture.bits.assign(static_cast<std::size_t>(doc.picture.stride()) * 10, 0x5A);
        doc.codepage = 28591;
        doc.eci = 3;
        doc.font = u"01,Arial,h100,w400,i0,u0,s0,c0";
        return StoreToArchive([&](CArchive& ar) { doc.Serialize(ar); });
    }

    // Reads bytes as a document file and loads it; checks the outcome is one of the sound ones.
    static void Feed(std::string_view bytes) {
        const DocumentFileRead file = ReadDocumentBytes(bytes);
        if (!file.ok) {
            EXPECT_TRUE(file.error == kUnexpectedFileFormat || file.error == kFailedToOpenDocument)
                << file.error;
            return;
        }
        test::SampleDocument doc;
        std::string error;
        if (!LoadFromArchive(
                file.contents, [&](CArchive& ar) { doc.Serialize(ar); }, &error)) {
            EXPECT_EQ(error, kUnexpectedFileFormat);
            return;
        }
        EXPECT_GE(doc.level, 0);
        EXPECT_LE(doc.level, 8);
        EXPECT_GE(doc.elementWidth, 1);
        EXPECT_LE(doc.elementWidth, 1000);
        EXPECT_GE(doc.eci, -1);
        EXPECT_LE(doc.picture.width, kMaxPictureSide);
    }

    static void Mutate(std::string& s, std::mt19937& rng) {
        if (s.empty()) return;
        const int flips = 1 + static_cast<int>(rng() % 4);
        for (int i = 0; i < flips; ++i) s[rng() % s.size()] ^= static_cast<char>(1 << (rng() % 8));
        if (rng() % 4 == 0) {  // a damaged length or size: make a whole word large
            const std::size_t at = rng() % s.size();
            for (std::size_t k = at; k < std::min(s.size(), at + 4); ++k) s[k] = '\xFF';
        }
    }
};

TEST_F(BadInput, TruncatedAtEveryByte) {
    const std::string archive = SampleArchive();
    const std::string compound = *BuildCompoundFile(kAztecClassId, archive);
    for (std::size_t cut = 0; cut < archive.size(); ++cut) Feed(archive.substr(0, cut));
    for (std::size_t cut = 0; cut < compound.size(); ++cut) Feed(compound.substr(0, cut));
}

TEST_F(BadInput, BitFlipped) {
    std::mt19937 rng(20240607);
    const std::string archive = SampleArchive();
    const std::string compound = *BuildCompoundFile(kQRClassId, archive);
    for (int i = 0; i < 3000; ++i) {
        std::string a = archive;
        Mutate(a, rng);
        Feed(a);
        std::string c = compound;
        Mutate(c, rng);
        Feed(c);
    }
}

TEST_F(BadInput, RandomFiles) {
    std::mt19937 rng(77);
    const std::string signature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    for (int i = 0; i < 1000; ++i) {
        std::string s(rng() % 4096, '\0');
        for (char& c : s) c = static_cast<char>(rng());
        if (i % 2 == 0) s = signature + s;
        Feed(s);
    }
}

// A compound file with a large, damaged "Contents" stream, cut and flipped in its tables.
TEST_F(BadInput, LargeCompoundFileDamagedInItsTables) {
    std::mt19937 rng(5);
    const std::string compound = *BuildCompoundFile(kPDF417ClassId, std::string(200000, 'x'));
    for (int i = 0; i < 400; ++i) {
        std::string c = compound;
        // Header, FAT and directory sit in the first and last blocks.
        const std::size_t at = (i % 2) ? rng() % 1024 : compound.size() - 1 - rng() % 2048;
        c[at] = static_cast<char>(rng());
        if (i % 3 == 0) c.resize(rng() % c.size());
        Feed(c);
    }
}

}  // namespace
}  // namespace tsy
