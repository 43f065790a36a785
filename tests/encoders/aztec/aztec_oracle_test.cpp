// Round trips through zxing-cpp: whatever we draw must read back as exactly the message bytes.
// Messages come from fixed seeds so a failure reproduces.
#include <gtest/gtest.h>

#include "encoders/aztec/aztec_layout.h"
#include "encoders/aztec/aztec_test_util.h"
#include "support/require.h"
#include "support/zxing_decode.h"
#include "support/zxing_wasm.h"

namespace tsy::test {
namespace {

const std::string kUpperChars = "ABCDEFGHIJKLMNOPQRSTUVWXYZ ";
const std::string kLowerChars = "abcdefghijklmnopqrstuvwxyz ";
const std::string kDigitChars = "0123456789., ";
const std::string kPunctChars = "!\"#$%&'()*+,-./:;<=>?[]{}\r\n";
const std::string kMixedChars = "\x01\x02\x07\x0b\x0c\x1b\x1c\x1f@\\^_`|~\x7f \r\n";
const std::string kText = "The quick brown fox, 12.5% of 3: jumps! (over) the LAZY dog.\r\n";

std::string AllBytes() {
    std::string s;
    for (int i = 0; i < 256; ++i) s += static_cast<char>(i);
    return s;
}

Decoded DecodeAztec(const std::string& message, const AztecOptions& o = {}) {
    OwnedRaster r = EncodeRaster(message, o);
    if (!r) {
        Decoded d;
        d.error = "no symbol";
        return d;
    }
    return DecodeRaster(r.bits(), r.width(), r.height(), Symbology::Aztec);
}

// Decodes the symbol that starts at column x0 of a matrix of side-by-side symbols.
Decoded DecodeMember(const ModuleMatrix& m, int x0, int size) {
    constexpr int kPx = 3, kQuiet = 12;
    const int w = size * kPx + 2 * kQuiet;
    std::vector<uint8_t> grey(static_cast<std::size_t>(w) * w, 255);
    for (int y = 0; y < size * kPx; ++y)
        for (int x = 0; x < size * kPx; ++x)
            if (m.get(x0 + x / kPx, y / kPx))
                grey[static_cast<std::size_t>(y + kQuiet) * w + x + kQuiet] = 0;
    return DecodeGrey(grey, w, w, Symbology::Aztec);
}

struct ClassCase {
    const char* name;
    std::string alphabet;
};

void PrintTo(const ClassCase& c, std::ostream* os) {
    *os << c.name;
}

class AztecCharacterClassTest : public testing::TestWithParam<ClassCase> {};

TEST_P(AztecCharacterClassTest, ReadsBackEveryLength) {
    uint32_t seed = 1;
    for (std::size_t length : {1, 2, 3, 7, 16, 31, 32, 33, 60, 150, 400}) {
        const std::string m = RandomBytes(seed++, length, GetParam().alphabet);
        const Decoded d = DecodeAztec(m);
        ASSERT_TRUE(d.ok) << "length " << length << ": " << d.error;
        EXPECT_EQ(d.bytes, m) << "length " << length;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Classes, AztecCharacterClassTest,
    testing::Values(ClassCase{"Upper", kUpperChars}, ClassCase{"Lower", kLowerChars},
                    ClassCase{"Digit", kDigitChars}, ClassCase{"Punct", kPunctChars},
                    ClassCase{"Mixed", kMixedChars}, ClassCase{"Binary", AllBytes()},
                    ClassCase{"UpperDigit", kUpperChars + "0123456789"},
                    ClassCase{"LowerPunct", kLowerChars + ".,:;!?"},
                    ClassCase{"MixedPunct", kMixedChars + kPunctChars},
                    ClassCase{"Everything", kUpperChars + kLowerChars + kDigitChars + kPunctChars +
                                                kMixedChars + "\x80\xff\x00"}),
    [](const testing::TestParamInfo<ClassCase>& i) { return std::string(i.param.name); });

TEST(AztecOracle, LengthsUpTo1900) {
    for (std::size_t length : {1, 5, 64, 100, 250, 500, 777, 1000, 1300, 1600, 1900}) {
        const std::string m = RandomBytes(static_cast<uint32_t>(length), length,
                                          kText + kDigitChars + kDigitChars + "\x80\xe9");
        const Decoded d = DecodeAztec(m);
        ASSERT_TRUE(d.ok) << "length " << length << ": " << d.error;
        EXPECT_EQ(d.bytes, m) << "length " << length;
    }
    const std::string digits = RandomBytes(7, 1900, "0123456789");
    EXPECT_EQ(DecodeAztec(digits).bytes, digits);
}

TEST(AztecOracle, ErrorCorrectionPercentages) {
    std::vector<int> choices = {0};
    for (int e = 5; e <= 95; ++e) choices.push_back(e);
    for (int e : choices) {
        AztecOptions o;
        o.sizeChoice = e;
        const std::string m = RandomBytes(static_cast<uint32_t>(100 + e), 20 + e % 40, kText);
        const Decoded d = DecodeAztec(m, o);
        ASSERT_TRUE(d.ok) << "E=" << e << ": " << d.error;
        EXPECT_EQ(d.bytes, m) << "E=" << e;
    }
}

// Every fixed size, with a short message and with one that nearly fills the symbol.
TEST(AztecOracle, EveryFixedSize) {
    std::vector<int> choices;
    for (int l = 1; l <= 4; ++l) choices.push_back(AztecCompactSize(l));
    for (int l = 1; l <= 32; ++l) choices.push_back(AztecFullRangeSize(l));
    for (int choice : choices) {
        const bool compact = choice < 200;
        const int layers = choice % 100;
        AztecOptions o;
        o.sizeChoice = choice;
        o.moduleSize = layers > 20 ? 2 : 3;
        const std::string shortMessage = "Size " + std::to_string(choice);
        Decoded d = DecodeAztec(shortMessage, o);
        ASSERT_TRUE(d.ok) << choice << ": " << d.error;
        EXPECT_EQ(d.bytes, shortMessage);
        // Digits cost 4 bits; leave room for stuffing and 2 check codewords.
        const int usable = AztecUsableBits(AztecCapacity(compact, layers));
        const std::string full =
            RandomBytes(static_cast<uint32_t>(choice), (usable * 3 / 4 - 30) / 4, "0123456789");
        d = DecodeAztec(full, o);
        ASSERT_TRUE(d.ok) << choice << " full: " << d.error;
        EXPECT_EQ(d.bytes, full) << choice;
    }
}

TEST(AztecOracle, MenuSymbolsReportReaderInit) {
    struct MenuCase {
        int choice;
        std::size_t length;
    };
    for (const MenuCase& c : std::vector<MenuCase>{
             {0, 3}, {0, 10}, {0, 80}, {0, 600}, {101, 5}, {201, 5}, {210, 100}, {222, 900}}) {
        AztecOptions o;
        o.menu = true;
        o.sizeChoice = c.choice;
        const std::string m = RandomBytes(static_cast<uint32_t>(c.length), c.length, kText);
        const Decoded d = DecodeAztec(m, o);
        ASSERT_TRUE(d.ok) << c.choice << "/" << c.length << ": " << d.error;
        EXPECT_EQ(d.bytes, m);
        EXPECT_TRUE(d.readerInit) << c.choice << "/" << c.length;
    }
    EXPECT_FALSE(DecodeAztec("PLAIN").readerInit);
}

TEST(AztecOracle, EciPrefixWithEscapes) {
    struct EciCase {
        std::string prefix;
        std::string eci;
    };
    for (const EciCase& c : std::vector<EciCase>{{"\x1b"
                                                  "13",
                                                  "\\000003"},
                                                 {"\x1b"
                                                  "226",
                                                  "\\000026"},
                                                 {"\x1b"
                                                  "3899",
                                                  "\\000899"},
                                                 {"\x1b"
                                                  "6123456",
                                                  "\\123456"}}) {
        AztecOptions o;
        o.escapes = true;
        // User data carries its ESC bytes doubled, so they read back literally.
        const std::string data =
            "Caf\xc3\xa9 \x1b\x1b"
            "1";
        const Decoded d = DecodeAztec(c.prefix + data, o);
        ASSERT_TRUE(d.ok) << c.eci << ": " << d.error;
        EXPECT_TRUE(d.hasEci) << c.eci;
        EXPECT_EQ(d.bytesEci, "]z3" + c.eci +
                                  "Caf\xc3\xa9 \x1b"
                                  "1")
            << c.eci;
    }
}

// Binary runs beyond one length field go on in a further Binary Shift. The newer reader checks
// these: with 12-bit codewords ten or more padding 1 bits read as B/S with length 31 and
// Debian's zxing-cpp 1.4 then returns 31 bytes from beyond the data.
TEST(AztecOracle, BinaryRunLongerThanOneShift) {
    TSY_REQUIRE_TOOL(WasmReaderAvailable(), "zxing-wasm (tools/zxing-wasm)");
    std::vector<std::string> messages;
    std::vector<WasmJob> jobs;
    AztecOptions o;
    o.sizeChoice = 5;
    for (std::size_t length : {2000, 2078, 2079, 2100, 2300}) {
        messages.push_back(RandomBytes(static_cast<uint32_t>(length), length,
                                       std::string("\x80\x90\xa0\xff\0", 5)));
        OwnedRaster r = EncodeRaster(messages.back(), o);
        ASSERT_TRUE(r) << length;
        WasmJob job;
        job.grey = RasterToGrey(r.bits(), r.width(), r.height(), 16, true, &job.width, &job.height);
        job.format = "Aztec";
        job.pure = true;
        jobs.push_back(std::move(job));
    }
    const std::vector<WasmResult> results = DecodeWithWasm(jobs);
    ASSERT_EQ(results.size(), messages.size());
    for (std::size_t i = 0; i < messages.size(); ++i) {
        ASSERT_TRUE(results[i].ok) << messages[i].size() << ": " << results[i].error;
        EXPECT_EQ(results[i].bytes, messages[i]) << messages[i].size();
    }
}

// Pattern texts grow as needed: one far beyond 2044 characters still encodes.
TEST(AztecOracle, LongPatternText) {
    std::string m;
    for (int i = 0; i < 1050; ++i) m += "aB";  // L1u1u1u...
    ASSERT_GT(SearchOf(m).pattern.size(), 2044u);
    AztecOptions o;
    o.sizeChoice = 5;
    const Decoded d = DecodeAztec(m, o);
    ASSERT_TRUE(d.ok) << d.error;
    EXPECT_EQ(d.bytes, m);
}

// Decodes every member of a set and checks its place in the set and the joined message.
void ExpectSetReadsBack(const std::string& message, const AztecOptions& o) {
    const ModuleMatrix m = MatrixOf(message, o);
    ASSERT_GT(m.width(), 0) << "N=" << o.symbols << " id=" << o.appendId;
    const int size = m.height();
    ASSERT_EQ(m.width(), o.symbols * (size + 1) - 1);
    std::string joined;
    for (int i = 0; i < o.symbols; ++i) {
        const Decoded d = DecodeMember(m, i * (size + 1), size);
        ASSERT_TRUE(d.ok) << "N=" << o.symbols << " member " << i << ": " << d.error;
        EXPECT_EQ(d.sequenceIndex, i);
        EXPECT_EQ(d.sequenceSize, o.symbols);
        if (!o.appendId.empty()) {
            EXPECT_EQ(d.sequenceId, o.appendId);
        }
        joined += d.bytes;
    }
    EXPECT_EQ(joined, message) << "N=" << o.symbols << " id=" << o.appendId;
}

TEST(AztecOracle, StructuredAppendSets) {
    for (int n = 2; n <= 9; ++n)
        for (const std::string id : {"", "ID42"}) {
            AztecOptions o;
            o.symbols = n;
            o.appendId = id;
            const std::string m =
                RandomBytes(static_cast<uint32_t>(n), static_cast<std::size_t>(40 * n), kText);
            ExpectSetReadsBack(m, o);
        }
}

// A compact symbol cannot say more than 64 data codewords; the size rule moves on instead.
TEST(AztecOracle, CompactNeverCarriesMoreThan64Codewords) {
    AztecOptions o;
    o.sizeChoice = 10;
    const std::string nuls(60, '\0');
    OwnedRaster r = EncodeRaster(nuls, o);
    ASSERT_TRUE(r);
    EXPECT_GT(r.width(), 27 * o.moduleSize);  // not compact 4 layers
    const Decoded d = DecodeRaster(r.bits(), r.width(), r.height(), Symbology::Aztec);
    ASSERT_TRUE(d.ok) << d.error;
    EXPECT_EQ(d.bytes, nuls);
    o.sizeChoice = 104;
    EXPECT_FALSE(EncodeRaster(nuls, o));
    const std::string digits = RandomBytes(3, 150, "0123456789");  // about 600 bits
    EXPECT_FALSE(EncodeRaster(digits, o));
}

// An ID costlier than the budget reckons still goes whole into every member; when it leaves no
// room for data the set is refused rather than drawn with cut headers.
TEST(AztecOracle, ExpensiveAppendIdIsNeverCut) {
    AztecOptions o;
    o.symbols = 2;
    o.appendId = "aA1!aA1!aA1!aA1!aA1!aA1!";
    EXPECT_FALSE(EncodeRaster("HELLO WORLD", o));
    ExpectSetReadsBack(std::string(60, 'Q'), o);
    o.symbols = 3;
    ExpectSetReadsBack(RandomBytes(5, 120, kText), o);
}

TEST(AztecOracle, SetsThatRunOutOfMessageAreRefused) {
    AztecOptions o;
    o.symbols = 9;
    EXPECT_FALSE(EncodeRaster("ABC", o));
    o.symbols = 2;
    EXPECT_FALSE(EncodeRaster("A", o));
    EXPECT_FALSE(EncodeRaster("", o));
}

// Sizing and building decide alike: whenever the sizing pass accepts a set, it builds and reads.
TEST(AztecOracle, SizingAndBuildingAgreeForSets) {
    int built = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        AztecOptions o;
        o.symbols = 2 + static_cast<int>(seed % 8);
        o.appendId = seed % 3 == 0 ? "" : RandomBytes(seed, seed % 6 + 1, kUpperChars + "0123");
        if (o.appendId.find(' ') != std::string::npos) o.appendId.clear();
        o.sizeChoice = seed % 4 == 0 ? static_cast<int>(10 + seed) : 0;
        const std::string m = RandomBytes(seed, 5 + seed * 7 % 200, kText);
        AztecJob job = JobOf(m);
        job.symbols = o.symbols;
        job.appendId = o.appendId;
        job.sizeChoice = o.sizeChoice;
        ModuleMatrix matrix;
        if (BuildAztecMatrix(job, matrix, false) == 0) continue;
        ASSERT_GT(BuildAztecMatrix(job, matrix, true), 0) << "seed " << seed;
        ++built;
        if (seed % 5 == 0) ExpectSetReadsBack(m, o);
    }
    EXPECT_GT(built, 30);
}

TEST(AztecOracle, RunesReadWithTheNewerReader) {
    TSY_REQUIRE_TOOL(WasmReaderAvailable(), "zxing-wasm (tools/zxing-wasm)");
    std::vector<WasmJob> jobs;
    AztecOptions o;
    o.sizeChoice = kAztecRune;
    o.moduleSize = 4;
    for (int v = 0; v < 256; ++v) {
        OwnedRaster r = EncodeRaster(std::to_string(v), o);
        ASSERT_TRUE(r);
        WasmJob job;
        job.grey = RasterToGrey(r.bits(), r.width(), r.height(), 16, true, &job.width, &job.height);
        job.format = "Aztec";  // this zxing-wasm names runes Aztec and reads them as 3 digits
        jobs.push_back(std::move(job));
    }
    const std::vector<WasmResult> results = DecodeWithWasm(jobs);
    ASSERT_EQ(results.size(), 256u);
    for (int v = 0; v < 256; ++v) {
        ASSERT_TRUE(results[v].ok) << v << ": " << results[v].error;
        char digits[4];
        std::snprintf(digits, sizeof digits, "%03d", v);
        EXPECT_EQ(results[v].text, digits);
    }
}

}  // namespace
}  // namespace tsy::test
