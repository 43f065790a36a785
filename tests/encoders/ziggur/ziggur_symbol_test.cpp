#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "encoders/common/reed_solomon.h"
#include "encoders/ziggur/ziggur_matrix.h"
#include "ziggur_test_util.h"

namespace tsy::ziggur {
namespace {

using aztec::AztecEncodeArgs;
using aztec::AztecJob;
using aztec::MakeAztecJob;
using test::Args;
using test::Host;

constexpr char kHundredBits[] = "ABCDEFGHIJKLMNOPQRST";  // twenty upper-case letters of 5 bits

ZiggurWork SizedWork(const ZiggurHostRecord& host, int bits, int sizeChoice, bool menu, bool* ok) {
    AztecJob job = MakeAztecJob(reinterpret_cast<const uint8_t*>("A"), 1);
    job.sizeChoice = sizeChoice;
    job.menu = menu;
    ZiggurWork w;
    EncodeZiggurHost(host, w.rows, w.layout);
    w.hostHeight = 6;
    w.enc.bitCount = bits;
    *ok = SizeZiggur(job, host, w);
    return w;
}

TEST(ZiggurSize, SizeRule) {
    // 20 Code 39 characters: W = 287, R = 23, 524 bits a layer
    const std::string wide(20, 'A');
    const struct {
        const char* name;
        ZiggurHostRecord host;
        int bits, sizeChoice;
        bool menu;
        int layers, codewordBits, total, height;  // layers 0: refused
    } cases[] = {
        {"100 bits over AB", Host('3', "AB"), 100, 0, false, 3, 6, 39, 12},
        {"symmetry 2 evens it", Host('3', "AB", 2), 100, 0, false, 4, 6, 54, 14},
        {"symmetry 1 keeps 3", Host('3', "AB", 1, 1), 100, 0, false, 3, 6, 39, 14},
        {"one layer, barrier", Host('3', "AB", 1, 1), 10, 0, false, 1, 6, 8, 10},
        {"bearers add two rows", Host('B', "0123"), 10, 0, false, 2, 6, 14, 12},
        {"50 % correction", Host('3', "AB"), 100, 50, false, 3, 6, 39, 12},
        {"fixed 5 layers", Host('3', "AB"), 10, 205, false, 5, 8, 52, 16},
        {"8-bit codewords", Host('3', wide), 1000, 0, false, 3, 8, 191, 12},
        {"624 codewords without menu", Host('3', wide), 4600, 0, false, 12, 10, 624, 30},
        {"menu over 511", Host('3', wide), 4600, 0, true, 0, 0, 0, 0},
        {"over 32 layers", Host('3', "AB"), 2400, 0, false, 0, 0, 0, 0},
        {"size choice 100", Host('3', "AB"), 100, 100, false, 0, 0, 0, 0},
        {"size choice 233", Host('3', "AB"), 100, 233, false, 0, 0, 0, 0},
        {"size choice -1", Host('3', "AB"), 100, -1, false, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        bool ok = false;
        const ZiggurWork w = SizedWork(c.host, c.bits, c.sizeChoice, c.menu, &ok);
        EXPECT_EQ(ok, c.layers > 0) << c.name;
        if (!ok || c.layers == 0) {
            EXPECT_EQ(w.width, 0) << c.name;
            continue;
        }
        EXPECT_EQ(w.layers, c.layers) << c.name;
        EXPECT_EQ(w.enc.codewordBits, c.codewordBits) << c.name;
        EXPECT_EQ(w.enc.totalCodewords, c.total) << c.name;
        EXPECT_EQ(w.height, c.height) << c.name;
        EXPECT_EQ(w.width, w.layout.width) << c.name;
    }
}

TEST(ZiggurModeMessage, Words) {
    const struct {
        int layers, symmetry;
        bool menu;
        int data;
        std::vector<int> words;
    } cases[] = {
        {3, 0, false, 37, {1, 0, 2, 4}},
        {4, 2, true, 300, {1, 8 + 4 + 2 + 1, 2, 11}},
        {32, 1, false, 1023, {15, 8 + 4 + 3, 15, 14}},
        {1, 0, false, 1, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const std::vector<int> m = ZiggurModeMessage(c.layers, c.symmetry, c.menu, c.data);
        ASSERT_EQ(m.size(), 10u);
        EXPECT_EQ(std::vector<int>(m.begin(), m.begin() + 4), c.words) << c.layers;
    }
}

// What each matrix row is, from the top: L layer, H host bars, b barrier, s/n solid/notched
// bearer.
std::string RowKinds(const ModuleMatrix& m, const ZiggurWork& w) {
    std::string kinds;
    for (int y = 0; y < m.height(); ++y) {
        const auto is = [&](const HostRow& row) {
            if (row.empty()) return false;
            for (int x = 0; x < m.width(); ++x)
                if (m.get(x, y) != (row[static_cast<std::size_t>(x)] != 0)) return false;
            return true;
        };
        kinds += is(w.rows.bars)            ? 'H'
                 : is(w.rows.barrier)       ? 'b'
                 : is(w.rows.solidBearer)   ? 's'
                 : is(w.rows.notchedBearer) ? 'n'
                 : m.get(0, y)              ? 'L'
                                            : '?';
    }
    return kinds;
}

struct Built {
    bool ok = false;
    ZiggurWork work;
    ModuleMatrix matrix;
};

Built Build(const std::string& message, const ZiggurHostRecord& host, bool menu = false,
            int sizeChoice = 0) {
    Built b;
    AztecJob job = MakeAztecJob(reinterpret_cast<const uint8_t*>(message.data()),
                                static_cast<int32_t>(message.size()));
    job.menu = menu;
    job.sizeChoice = sizeChoice;
    if (!PrepareZiggur(job, host, b.work)) return b;
    b.ok = BuildZiggurMatrix(job, host, b.matrix, false) > 0 &&
           BuildZiggurMatrix(job, host, b.matrix, true) > 0;
    return b;
}

TEST(ZiggurMatrix, RowLayout) {
    const std::string two(40, '7');  // two layers over ITF 0123
    const struct {
        const char* name;
        std::string message;
        ZiggurHostRecord host;
        std::string rows;
    } cases[] = {
        {"no symmetry", "A", Host('3', "AB"), "LLHHHHHH"},
        {"symmetry 1, one layer, barriers", "A", Host('3', "AB", 1, 1), "LLbHHHHHHb"},
        {"bearers, barrier", "A", Host('B', "0123", 0, 1), "LLLLbnHHHHHHs"},
        {"symmetry 2, bearers", "A", Host('B', "0123", 2), "LLnHHHHHHnLL"},
        {"three layers without symmetry", kHundredBits, Host('3', "AB", 0, 0, 2), "LLLLLLHH"},
        {"three layers with symmetry", kHundredBits, Host('3', "AB", 1, 1, 2), "LLLLbHHbLL"},
    };
    for (const auto& c : cases) {
        const Built b = Build(c.message, c.host);
        ASSERT_TRUE(b.ok) << c.name;
        EXPECT_EQ(RowKinds(b.matrix, b.work), c.rows) << c.name;
    }
}

int Syndrome(const GaloisField& gf, const std::vector<int>& words, int root) {
    int s = 0;
    for (int c : words) s = gf.multiply(s, gf.exp(root)) ^ c;
    return s;
}

// Reads every layer back the way it is filled and checks what the reader relies on.
void CheckLayers(const Built& b, const ZiggurHostRecord& host, bool menu, const char* name) {
    const ZiggurWork& w = b.work;
    const ModuleMatrix& m = b.matrix;
    const int bits = w.enc.codewordBits;
    const int total = w.enc.totalCodewords;
    std::vector<int> pairs;
    std::vector<int> mode(10, 0);
    for (int layer = 0; layer < w.layers; ++layer) {
        const ZiggurLayerRows rows = LayerRows(host, w, layer);
        for (int y : {rows.outer, rows.inner}) {
            EXPECT_TRUE(m.get(0, y) && m.get(w.width - 1, y)) << name << " layer " << layer;
        }
        for (const ZiggurReference& r : w.layout.references) {
            EXPECT_EQ(m.get(r.column, rows.outer), r.outer) << name << " col " << r.column;
            EXPECT_EQ(m.get(r.column, rows.inner), !r.outer) << name << " col " << r.column;
        }
        const std::vector<int> columns = LayerDataColumns(w.layout, layer);
        EXPECT_EQ(static_cast<int>(columns.size()) * 2, ZiggurLayerBits(w.layout));
        std::vector<int> modeAt = layer == 0 ? ModeColumnPositions(w.layout) : std::vector<int>{};
        std::size_t k = 0;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const int pair = m.get(columns[i], rows.outer) * 2 + m.get(columns[i], rows.inner);
            if (k < modeAt.size() && static_cast<std::size_t>(modeAt[k]) == i) {
                mode[k / 2] |= pair << (k % 2 ? 0 : 2);
                ++k;
            } else {
                pairs.push_back(pair);
            }
        }
    }
    // Codewords from the last to the first, two bits a column from the least significant.
    const std::size_t used = static_cast<std::size_t>(total * bits / 2);
    ASSERT_GE(pairs.size(), used) << name;
    std::vector<int> codewords(static_cast<std::size_t>(total), 0);
    for (std::size_t p = 0; p < used; ++p) {
        const std::size_t index = static_cast<std::size_t>(total) - 1 - p / (bits / 2);
        codewords[index] |= pairs[p] << (2 * (p % (bits / 2)));
    }
    for (std::size_t p = used; p < pairs.size(); ++p) EXPECT_EQ(pairs[p], 0) << name;
    const int data = w.enc.dataCodewords;
    EXPECT_EQ(std::vector<int>(codewords.begin(), codewords.begin() + data), w.enc.codewords)
        << name;
    const GaloisField gf(w.fieldSize, w.polynomial);
    for (int root = 1; root <= total - data; ++root)
        EXPECT_EQ(Syndrome(gf, codewords, root), 0) << name << " root " << root;

    const GaloisField gf16(16, 19);
    for (int root = 1; root <= 6; ++root) EXPECT_EQ(Syndrome(gf16, mode, root), 0) << name;
    EXPECT_EQ(mode[0] * 2 + 1 + ((mode[1] & 8) ? 1 : 0), w.layers) << name;
    EXPECT_EQ((mode[1] & 4) != 0, host.symmetry != 0) << name;
    // D - 1 above 511 shares its high bit with the menu flag; menu symbols stay below.
    EXPECT_EQ((mode[1] & 3) * 256 + mode[2] * 16 + mode[3] + 1, data + (menu ? 512 : 0)) << name;
}

TEST(ZiggurMatrix, LayersReadBack) {
    const std::string text = "Ziggur layers: 0123456789 and some more text to fill them. ";
    const struct {
        const char* name;
        std::string message;
        ZiggurHostRecord host;
        bool menu;
    } cases[] = {
        {"Code 39, one layer", "Hi", Host('3', "AB"), false},
        {"Code 39, 100 bits", kHundredBits, Host('3', "AB"), false},
        {"EAN, symmetry 1", text, Host('U', "123456789012", 1, 1), false},
        {"ITF bearers, symmetry 2", text + text, Host('B', "0123456789", 2), true},
        {"Code 93, 8-bit words", text + text + text, Host('9', "a1"), false},
        {"Code 128, 10-bit words", std::string(900, 'x') + text,
         Host('1', "The quick brown fox jumps over the lazy ", 2), false},
    };
    for (const auto& c : cases) {
        const Built b = Build(c.message, c.host, c.menu);
        ASSERT_TRUE(b.ok) << c.name;
        CheckLayers(b, c.host, c.menu, c.name);
    }
}

TEST(ZiggurEncode, RasterIsTwiceTheMatrixHeight) {
    for (int moduleSize : {1, 3}) {
        const std::string msg = kHundredBits;
        const OwnedRaster r = ZiggurRaster(Args(msg, moduleSize), Host('3', "AB"));
        ASSERT_TRUE(r);
        // 3 layers over 6 host rows: H = 12
        EXPECT_EQ(r.height(), 2 * 12 * moduleSize);
        EXPECT_EQ(r.width(), 53 * moduleSize);
        // the top-left module is a layer edge: dark (bit 0) over its doubled height
        for (int y = 0; y < 2 * moduleSize; ++y) EXPECT_EQ(r.bit(0, y), 0);
    }
}

TEST(ZiggurEncode, RefusedInput) {
    const std::string ok = "Hello";
    const std::string wideHost(20, 'A');
    const struct {
        const char* name;
        std::string message;
        int sizeChoice;
        bool menu;
        ZiggurHostRecord host;
    } cases[] = {
        {"empty message", "", 0, false, Host('3', "AB")},
        {"over 10000 bytes", std::string(10001, 'a'), 0, false, Host('3', "AB")},
        {"invalid host", ok, 0, false, Host('3', "ab")},
        {"host over 640 columns", ok, 0, false, Host('9', std::string(40, 'a'))},
        {"over 32 layers", std::string(600, 'A'), 0, false, Host('3', "AB")},
        {"menu over 511 codewords", std::string(900, 'A'), 0, true, Host('3', wideHost)},
        {"size choice 100", ok, 100, false, Host('3', "AB")},
        {"size choice 200", ok, 200, false, Host('3', "AB")},
        {"size choice 233", ok, 233, false, Host('3', "AB")},
        {"fixed layer overflows", std::string(60, 'A'), 201, false, Host('3', "AB")},
        {"1 check codeword", std::string(27, 'A'), 202, false, Host('3', "AB")},
        {"symmetry 3", ok, 0, false, Host('3', "AB", 3)},
        {"barrier rows 2", ok, 0, false, Host('3', "AB", 0, 2)},
    };
    for (const auto& c : cases) {
        int32_t h = -1, w = -1;
        void* bits = nullptr;
        const AztecEncodeArgs args = Args(c.message, 1, c.sizeChoice, c.menu);
        EXPECT_EQ(EncodeZiggur(args, c.host, &h, &w, &bits), nullptr) << c.name;
        EXPECT_EQ(bits, nullptr) << c.name;
    }
    const ZiggurHostRecord tallest = Host('3', "AB", 0, 0, 16000);
    EXPECT_TRUE(ZiggurRaster(Args(ok), tallest));
    EXPECT_FALSE(ZiggurRaster(Args(ok), Host('3', "AB", 0, 0, 16384)));
    EXPECT_FALSE(ZiggurRaster(Args(ok), Host('3', "AB", 0, 0, INT32_MAX)));
    AztecEncodeArgs nullMessage = Args(ok);
    nullMessage.message = nullptr;
    EXPECT_FALSE(ZiggurRaster(nullMessage, Host('3', "AB")));
    // The same without the menu flag fits: the limit is the menu's.
    EXPECT_TRUE(ZiggurRaster(Args(std::string(900, 'A')), Host('3', wideHost)));
    // 26 letters leave 22 data and 2 check codewords in two layers: the least accepted.
    EXPECT_TRUE(ZiggurRaster(Args(std::string(26, 'A'), 1, 202), Host('3', "AB")));
}

// Any record and message: a symbol or none, never a crash (run it under the sanitizers).
TEST(ZiggurEncode, RandomRecords) {
    const std::string letters = "3UIB91x";
    int built = 0;
    for (uint32_t seed = 0; seed < 300; ++seed) {
        std::mt19937 rng(seed);
        std::string hostMessage(rng() % 52, ' ');
        for (char& c : hostMessage) c = static_cast<char>(1 + rng() % 255);
        if (seed % 2) {
            for (char& c : hostMessage) c = static_cast<char>('0' + rng() % 10);
        }
        ZiggurHostRecord host =
            Host(letters[rng() % letters.size()], hostMessage, static_cast<int>(rng() % 4) - 1,
                 static_cast<int>(rng() % 3), static_cast<int>(rng() % 40) - 2);
        std::string message(1 + rng() % 300, ' ');
        for (char& c : message) c = static_cast<char>(rng());
        const int sizeChoice = static_cast<int>(rng() % 240) - 2;
        const OwnedRaster r = ZiggurRaster(
            Args(message, 1 + static_cast<int>(rng() % 3), sizeChoice, rng() % 2 != 0), host);
        built += r ? 1 : 0;
    }
    EXPECT_GT(built, 20);  // not refusals only
}

}  // namespace
}  // namespace tsy::ziggur
