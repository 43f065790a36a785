// The animated sequence read back: giflib's own reader for the file's fields, ImageMagick for a
// second opinion, zxing-cpp for every frame.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <optional>

#include "export/gif_animation_writer.h"
#include "support/require.h"
#include "support/test_files.h"
#include "support/zxing_decode.h"
#include "symbologies/aztec/aztec_animated_doc.h"

namespace tsy {
namespace {

using test::TempDir;

// Three symbols of 19 x 19 modules at 2 pixels a module.
constexpr char16_t kThreeBy19[] = u"ANIMATED AZTEC SEQUENCE 0123456789";

bool BuildThreeBy19(CAztecAnimatedDoc& doc) {
    doc.m_Message = kThreeBy19;
    doc.m_SymbolCount = 3;
    return doc.BuildSymbol();
}

class GifAnimationTest : public testing::Test {
protected:
    void SetUp() override {
        InstallGifAnimationWriter();
        // Builds write the temporary GIF and closing writes the settings: both stay in the
        // test's own folder.
        setenv("TEMP", dir_.path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (dir_ / "cfg").c_str(), 1);
    }
    void TearDown() override {
        unsetenv("TEMP");
        unsetenv("XDG_CONFIG_HOME");
    }

    TempDir dir_;
};

struct Slurped {
    explicit Slurped(const std::string& bytes) : bytes_(bytes) {
        int error = 0;
        gif = DGifOpen(this, &Slurped::Read, &error);
        if (gif && DGifSlurp(gif) != GIF_OK) {
            DGifCloseFile(gif, &error);
            gif = nullptr;
        }
    }
    ~Slurped() {
        int error = 0;
        if (gif) DGifCloseFile(gif, &error);
    }
    static int Read(GifFileType* g, GifByteType* out, int n) {
        auto* self = static_cast<Slurped*>(g->UserData);
        const std::size_t take =
            std::min<std::size_t>(static_cast<std::size_t>(n), self->bytes_.size() - self->at_);
        std::memcpy(out, self->bytes_.data() + self->at_, take);
        self->at_ += take;
        return static_cast<int>(take);
    }
    // The NETSCAPE2.0 repeat count, or nothing when the block is absent.
    std::optional<int> Repeats() const {
        const SavedImage& first = gif->SavedImages[0];
        for (int i = 0; i + 1 < first.ExtensionBlockCount; ++i) {
            const ExtensionBlock& b = first.ExtensionBlocks[i];
            if (b.Function != APPLICATION_EXT_FUNC_CODE || b.ByteCount != 11 ||
                std::memcmp(b.Bytes, "NETSCAPE2.0", 11) != 0)
                continue;
            const ExtensionBlock& data = first.ExtensionBlocks[i + 1];
            if (data.ByteCount != 3 || data.Bytes[0] != 1) return -1;
            return data.Bytes[1] | data.Bytes[2] << 8;
        }
        return std::nullopt;
    }

    GifFileType* gif = nullptr;

private:
    std::string bytes_;
    std::size_t at_ = 0;
};

std::string Encode(CAztecAnimatedDoc& doc) {
    std::string bytes, error;
    EXPECT_TRUE(doc.EncodeGif(&bytes, &error)) << error;
    return bytes;
}

TEST_F(GifAnimationTest, GiflibReadsFramesDelayDisposalAndLoops) {
    struct Row {
        int32_t loops;
        std::optional<int> repeats;
    };
    const Row rows[] = {{1, std::nullopt}, {0, 0}, {5, 4}, {65535, 65534}};
    CAztecAnimatedDoc doc;
    doc.m_FrameTime = 100;
    ASSERT_TRUE(BuildThreeBy19(doc));
    const Bitmap1& strip = doc.Strip();
    for (const Row& r : rows) {
        doc.m_Loops = r.loops;
        const std::string bytes = Encode(doc);
        EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
        const Slurped s(bytes);
        ASSERT_NE(s.gif, nullptr);
        EXPECT_EQ(s.Repeats(), r.repeats) << r.loops;
        EXPECT_EQ(s.gif->SWidth, 38);
        EXPECT_EQ(s.gif->SHeight, 38);
        ASSERT_NE(s.gif->SColorMap, nullptr);
        ASSERT_EQ(s.gif->SColorMap->ColorCount, 2);
        const GifColorType* c = s.gif->SColorMap->Colors;
        EXPECT_EQ(c[0].Red + c[0].Green + c[0].Blue, 0);
        EXPECT_EQ(c[1].Red + c[1].Green + c[1].Blue, 3 * 255);
        ASSERT_EQ(s.gif->ImageCount, 3);
        for (int i = 0; i < 3; ++i) {
            const SavedImage& image = s.gif->SavedImages[i];
            EXPECT_EQ(image.ImageDesc.Left, 0);
            EXPECT_EQ(image.ImageDesc.Top, 0);
            EXPECT_EQ(image.ImageDesc.Width, 38);
            EXPECT_EQ(image.ImageDesc.Height, 38);
            EXPECT_EQ(image.ImageDesc.ColorMap, nullptr);
            GraphicsControlBlock gcb{};
            ASSERT_EQ(DGifSavedExtensionToGCB(s.gif, i, &gcb), GIF_OK);
            EXPECT_EQ(gcb.DisposalMode, DISPOSE_BACKGROUND);
            EXPECT_EQ(gcb.DelayTime, 100);
            EXPECT_EQ(gcb.TransparentColor, NO_TRANSPARENT_COLOR);
            int wrong = 0;  // frame i is the strip from column 40 i on
            for (int y = 0; y < 38; ++y)
                for (int x = 0; x < 38; ++x)
                    wrong += (image.RasterBits[y * 38 + x] == 0) != strip.isBlack(40 * i + x, y);
            EXPECT_EQ(wrong, 0) << "frame " << i;
        }
    }
}

// The cut i x (W div N + 1) runs past a 118-pixel strip: the writer never reads outside it.
TEST_F(GifAnimationTest, WriterRefusesFramesOutsideTheStrip) {
    Bitmap1 strip;
    strip.width = 118;
    strip.height = 38;
    strip.bits.assign(static_cast<std::size_t>(strip.stride()) * 38, 0xFF);
    const AnimationFrames frames[] = {
        {3, 39, 38, 40}, {3, 38, 39, 40}, {3, 41, 38, 40}, {0, 38, 38, 40}};
    for (const AnimationFrames& f : frames) {
        StringSink sink;
        std::string error;
        EXPECT_FALSE(WriteGifAnimation({&strip, f, 100, 0}, sink, &error)) << f.width;
        EXPECT_TRUE(sink.bytes.empty());
    }
    StringSink sink;
    EXPECT_FALSE(WriteGifAnimation({nullptr, {3, 38, 38, 40}, 100, 0}, sink, nullptr));
    EXPECT_TRUE(WriteGifAnimation({&strip, {3, 38, 38, 40}, 100, 0}, sink, nullptr));
}

TEST_F(GifAnimationTest, EveryFrameDecodesToItsPartOfTheSequence) {
    for (uint32_t seed : {1u, 2u, 3u}) {
        CAztecAnimatedDoc doc;
        const std::string message =
            test::RandomBytes(seed, 60 + 40 * seed, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,");
        doc.m_Message.assign(message.begin(), message.end());
        doc.m_SymbolCount = static_cast<int32_t>(seed + 1);
        doc.m_AppendId = u"SEQ" + std::u16string(1, static_cast<char16_t>(u'0' + seed));
        ASSERT_TRUE(doc.BuildSymbol());
        const Slurped s(Encode(doc));
        ASSERT_NE(s.gif, nullptr);
        ASSERT_EQ(s.gif->ImageCount, doc.m_SymbolCount);
        std::string joined;
        for (int i = 0; i < s.gif->ImageCount; ++i) {
            const SavedImage& image = s.gif->SavedImages[i];
            const int w = image.ImageDesc.Width, h = image.ImageDesc.Height, margin = 10;
            std::vector<uint8_t> grey(static_cast<std::size_t>((w + 2 * margin) * (h + 2 * margin)),
                                      255);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (image.RasterBits[y * w + x] == 0)
                        grey[static_cast<std::size_t>((y + margin) * (w + 2 * margin) + x +
                                                      margin)] = 0;
            const test::Decoded d =
                test::DecodeGrey(grey, w + 2 * margin, h + 2 * margin, test::Symbology::Aztec);
            ASSERT_TRUE(d.ok) << "seed " << seed << " frame " << i << ": " << d.error;
            EXPECT_EQ(d.sequenceIndex, i);
            EXPECT_EQ(d.sequenceSize, doc.m_SymbolCount);
            EXPECT_EQ(d.sequenceId, "SEQ" + std::to_string(seed));
            joined += d.bytes;
        }
        EXPECT_EQ(joined, message) << "seed " << seed;
    }
}

TEST_F(GifAnimationTest, ImageMagickSeesTheAnimation) {
    TSY_REQUIRE_TOOL(test::ToolAvailable("/usr/bin/identify"), "ImageMagick identify");
    struct Row {
        int32_t loops;
        const char* iterations;  // ImageMagick counts plays: the repeats plus one
        std::size_t lines;
    };
    for (const Row& r :
         {Row{0, "Iterations: 0", 3}, Row{5, "Iterations: 5", 3}, Row{1, "Iterations:", 0}}) {
        CAztecAnimatedDoc doc;
        doc.m_FrameTime = 100;
        doc.m_Loops = r.loops;
        ASSERT_TRUE(BuildThreeBy19(doc));
        const auto path = dir_ / "seq.gif";
        std::string error;
        ASSERT_TRUE(doc.WriteGif(path, &error)) << error;
        bool ok = false;
        const std::string out =
            test::RunTool("/usr/bin/identify -verbose " + test::Quote(path), &ok);
        ASSERT_TRUE(ok);
        auto count = [&](const std::string& what) {
            std::size_t n = 0;
            for (std::size_t at = out.find(what); at != std::string::npos;
                 at = out.find(what, at + 1))
                ++n;
            return n;
        };
        EXPECT_EQ(count("Geometry: 38x38+0+0"), 3u);
        EXPECT_EQ(count("Dispose: Background"), 3u);
        EXPECT_EQ(count("Delay: 100x100"), 3u);
        EXPECT_EQ(count(r.iterations), r.lines) << out;
    }
}

TEST_F(GifAnimationTest, TemporaryGifFollowsTempAndTmpAndNoLink) {
    CAztecAnimatedDoc doc;
    ASSERT_TRUE(BuildThreeBy19(doc));
    std::string expected;
    ASSERT_TRUE(doc.EncodeGif(&expected));
    EXPECT_EQ(test::ReadFile(dir_ / "tsy.gif"), expected);

    // A link planted at the name is replaced, never written through.
    std::filesystem::remove(dir_ / "tsy.gif");
    test::WriteFile(dir_ / "victim", "keep");
    std::filesystem::create_symlink(dir_ / "victim", dir_ / "tsy.gif");
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_EQ(test::ReadFile(dir_ / "victim"), "keep");
    EXPECT_FALSE(std::filesystem::is_symlink(dir_ / "tsy.gif"));
    EXPECT_EQ(test::ReadFile(dir_ / "tsy.gif"), expected);

    const TempDir tmp;
    setenv("TEMP", "", 1);
    setenv("TMP", tmp.path().c_str(), 1);
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_TRUE(std::filesystem::exists(tmp / "tsy.gif"));

    std::filesystem::remove(tmp / "tsy.gif");
    setenv("TMP", "", 1);
    EXPECT_TRUE(CAztecAnimatedDoc::TemporaryGifPath().empty());
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_FALSE(std::filesystem::exists(tmp / "tsy.gif"));
    unsetenv("TMP");

    // One symbol: no temporary GIF at all.
    setenv("TEMP", tmp.path().c_str(), 1);
    doc.m_SymbolCount = 1;
    ASSERT_TRUE(doc.BuildSymbol());
    EXPECT_FALSE(std::filesystem::exists(tmp / "tsy.gif"));
}

TEST_F(GifAnimationTest, WriteReplacesAFileOnlyWithACompleteOne) {
    CAztecAnimatedDoc doc;
    ASSERT_TRUE(BuildThreeBy19(doc));
    const auto path = dir_ / "seq.gif";
    test::WriteFile(path, "old");
    std::string error;
    ASSERT_TRUE(doc.WriteGif(path, &error)) << error;
    EXPECT_EQ(test::ReadFile(path).substr(0, 6), "GIF89a");
    EXPECT_FALSE(doc.WriteGif(dir_ / "missing" / "seq.gif", &error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
    doc.m_SymbolCount = 1;
    test::WriteFile(path, "old");
    EXPECT_FALSE(doc.WriteGif(path, &error));
    EXPECT_EQ(error, "Nothing was written: an animated sequence needs at least 2 symbols.");
    EXPECT_EQ(test::ReadFile(path), "old");
}

}  // namespace
}  // namespace tsy
