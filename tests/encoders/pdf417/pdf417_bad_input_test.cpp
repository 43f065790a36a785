#include <gtest/gtest.h>

#include <random>

#include "encoders/pdf417/pdf417_build.h"
#include "imaging/symbol_raster.h"
#include "pdf417_test_util.h"
#include "support/zxing_decode.h"

namespace tsy::pdf417 {
namespace {

using pdf417::BuildStatus;
using test::ArgsFor;

struct BadArgsCase {
    const char* name;
    void (*change)(PDF417EncodeArgs&);
    int32_t eci;
    BuildStatus status;
};

const BadArgsCase kBadArgs[] = {
    {"LevelNegative", [](auto& a) { a.errorCorrectionLevel = -1; }, -1, BuildStatus::BadLevel},
    {"LevelNine", [](auto& a) { a.errorCorrectionLevel = 9; }, -1, BuildStatus::BadLevel},
    {"LevelNearAuto", [](auto& a) { a.errorCorrectionLevel = 29999; }, -1, BuildStatus::BadLevel},
    {"ColumnsZero", [](auto& a) { a.dataColumns = 0; }, -1, BuildStatus::BadColumns},
    {"Columns31", [](auto& a) { a.dataColumns = 31; }, -1, BuildStatus::BadColumns},
    {"ModuleWidthZero", [](auto& a) { a.moduleWidth = 0; }, -1, BuildStatus::BadModuleWidth},
    {"ModuleWidthNegative", [](auto& a) { a.moduleWidth = -4; }, -1, BuildStatus::BadModuleWidth},
    {"RowHeightZero", [](auto& a) { a.rowHeight = 0; }, -1, BuildStatus::BadRowHeight},
    {"RowHeightNegative", [](auto& a) { a.rowHeight = -1; }, -1, BuildStatus::BadRowHeight},
    {"AutoRowHeightOverflows",
     [](auto& a) {
         a.moduleWidth = 2000000000;
         a.rowHeight = kPDF417Auto;
     },
     -1, BuildStatus::TooBig},
    {"NullMessage", [](auto& a) { a.message = nullptr; }, -1, BuildStatus::BadMessage},
    {"NegativeLength", [](auto& a) { a.length = -1; }, -1, BuildStatus::BadMessage},
    {"EciTooLarge", [](auto&) {}, 900, BuildStatus::BadEci},
    {"EciBelowMinusOne", [](auto&) {}, -2, BuildStatus::BadEci},
};

class BadArgsTest : public testing::TestWithParam<BadArgsCase> {};

TEST_P(BadArgsTest, NullAndOutputsUntouched) {
    const BadArgsCase& c = GetParam();
    const std::string message = "ABC";
    PDF417EncodeArgs args = ArgsFor(message);
    c.change(args);
    pdf417::Symbol s;
    EXPECT_EQ(pdf417::BuildSymbol(args, c.eci, &s), c.status);

    test::EciScope eci(c.eci);
    int32_t h = -7, w = -7;
    void* bits = &h;
    EXPECT_EQ(PDF417Encode(&args, &h, &w, &bits), nullptr);
    EXPECT_EQ(h, -7);
    EXPECT_EQ(w, -7);
    EXPECT_EQ(bits, &h);
}

INSTANTIATE_TEST_SUITE_P(Arguments, BadArgsTest, testing::ValuesIn(kBadArgs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BadArgsTest, NullRecord) {
    EXPECT_EQ(PDF417Encode(nullptr, nullptr, nullptr, nullptr), nullptr);
}

TEST(BadArgsTest, HugeModulesGiveNoRaster) {
    const std::string message = "ABC";
    PDF417EncodeArgs args = ArgsFor(message);
    args.moduleWidth = 2000000000;
    args.rowHeight = 1;
    int32_t h = 0, w = 0;
    void* bits = nullptr;
    EXPECT_EQ(PDF417Encode(&args, &h, &w, &bits), nullptr);
}

struct LimitCase {
    const char* name;
    std::string message;
    int32_t level, columns;
    const char* text;
};

const LimitCase kLimits[] = {
    {"TooManyWords", std::string(1000, '\x99'), 8, kPDF417Auto, pdf417::kTooManyWordsText},
    {"TooManyWordsFixedColumns", std::string(2000, 'A'), 0, 30, pdf417::kTooManyWordsText},
    {"TooManyRows", std::string(200, 'A'), 0, 1, pdf417::kTooManyRowsText},
    {"OneMegabyte", std::string(1 << 20, 'q'), kPDF417Auto, kPDF417Auto, pdf417::kTooManyWordsText},
};

class LimitTest : public testing::TestWithParam<LimitCase> {};

TEST_P(LimitTest, NullWithTextOnStandardOutput) {
    const LimitCase& c = GetParam();
    PDF417EncodeArgs args = ArgsFor(c.message, c.level, c.columns);
    int32_t h = 0, w = 0;
    void* bits = nullptr;
    testing::internal::CaptureStdout();
    BlockHandle block = PDF417Encode(&args, &h, &w, &bits);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.text);
    EXPECT_EQ(block, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Limits, LimitTest, testing::ValuesIn(kLimits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LimitTest, LargestSymbolFits) {
    // 926 data codewords at level 0: 1850 capitals in 925 codewords plus the length descriptor.
    const std::string message(1850, 'A');
    PDF417EncodeArgs args = ArgsFor(message, 0, 29, 1);
    int32_t h = 0, w = 0;
    void* bits = nullptr;
    BlockHandle block = PDF417Encode(&args, &h, &w, &bits);
    OwnedRaster raster(block, h, w, bits);
    ASSERT_TRUE(raster);
    EXPECT_EQ(h, 32 * 3);
}

TEST(BadInputTest, EmptyMessageMakesASymbol) {
    const std::string empty;
    PDF417EncodeArgs args = ArgsFor(empty);
    args.message = nullptr;
    int32_t h = 0, w = 0;
    void* bits = nullptr;
    BlockHandle block = PDF417Encode(&args, &h, &w, &bits);
    OwnedRaster raster(block, h, w, bits);
    ASSERT_TRUE(raster);
    EXPECT_EQ(w, 86 * 2);
}

// Random bytes and random arguments: a symbol or null, never a crash or a stray access.
TEST(BadInputTest, RandomMessagesAndArguments) {
    std::mt19937 rng(4171);
    for (uint32_t i = 0; i < 300; ++i) {
        const std::string message = test::RandomBytes(i, rng() % 1500);
        PDF417EncodeArgs args = ArgsFor(message);
        args.errorCorrectionLevel = static_cast<int32_t>(rng() % 12) - 1;
        if (rng() % 4 == 0) args.errorCorrectionLevel = kPDF417Auto;
        args.dataColumns = static_cast<int32_t>(rng() % 33) - 1;
        if (rng() % 4 == 0) args.dataColumns = kPDF417Auto;
        args.moduleWidth = static_cast<int32_t>(rng() % 4);
        args.rowHeight = rng() % 5 == 0 ? kPDF417Auto : static_cast<int32_t>(rng() % 8) - 1;
        args.truncate = static_cast<int32_t>(rng() % 2);
        args.undercut = static_cast<int32_t>(rng() % 4) - 1;
        test::EciScope eci(rng() % 3 == 0 ? static_cast<int32_t>(rng() % 1000) - 50 : -1);
        int32_t h = 0, w = 0;
        void* bits = nullptr;
        testing::internal::CaptureStdout();
        BlockHandle block = PDF417Encode(&args, &h, &w, &bits);
        testing::internal::GetCapturedStdout();
        OwnedRaster raster(block, h, w, bits);
        if (raster) {
            EXPECT_GT(h, 0);
            EXPECT_EQ(w % args.moduleWidth, 0);
        }
    }
}

}  // namespace
}  // namespace tsy::pdf417
