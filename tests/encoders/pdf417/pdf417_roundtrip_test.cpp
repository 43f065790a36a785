// zxing-cpp reads back exactly the bytes we encode.
#include <gtest/gtest.h>

#include <cstdio>

#include "encoders/pdf417/pdf417_build.h"
#include "imaging/symbol_raster.h"
#include "pdf417_test_util.h"
#include "support/zxing_decode.h"

namespace tsy::pdf417 {
namespace {

using test::ArgsFor;

struct Job {
    std::string message;
    int32_t level = kPDF417Auto;
    int32_t columns = kPDF417Auto;
    bool truncate = false;
    int32_t eci = -1;
};

// Encodes and decodes one job; returns an explanation on failure, empty on success.
std::string RoundTrip(const Job& job) {
    test::EciScope eci(job.eci);
    PDF417EncodeArgs args = ArgsFor(job.message, job.level, job.columns, 2);
    args.truncate = job.truncate;
    const OwnedRaster raster = PDF417Raster(args);
    if (!raster) return "no symbol";
    const test::Decoded d =
        test::DecodeRaster(raster.bits(), raster.width(), raster.height(), test::Symbology::PDF417);
    if (!d.ok) return "not decoded: " + d.error;
    if (d.bytes != job.message)
        return "decoded to other bytes (" + std::to_string(d.bytes.size()) + ")";
    if (job.eci >= 0) {
        char marker[16];
        std::snprintf(marker, sizeof marker, "\\%06d", job.eci);
        if (!d.hasEci) return "ECI not reported";
        if (d.bytesEci.find(marker) == std::string::npos) return "ECI marker missing";
    }
    return {};
}

void ExpectRoundTrips(const std::vector<Job>& jobs, std::size_t minimum) {
    std::size_t passed = 0;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const std::string why = RoundTrip(jobs[i]);
        EXPECT_EQ(why, "") << "job " << i << " length " << jobs[i].message.size() << " level "
                           << jobs[i].level << " columns " << jobs[i].columns << " truncate "
                           << jobs[i].truncate << " eci " << jobs[i].eci;
        if (why.empty()) ++passed;
    }
    EXPECT_GE(passed, minimum);
}

TEST(PDF417RoundTrip, TextOfEveryCase) {
    const std::string upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ ";
    const std::string lower = "abcdefghijklmnopqrstuvwxyz ";
    const std::string mixed = upper + lower + "0123456789&\r\t,:#-.$/+%*=^;<>@[\\]_`~!\n\"|()?{}'";
    std::vector<Job> jobs;
    for (uint32_t i = 0; i < 60; ++i) {
        const std::string& alphabet = i % 3 == 0 ? upper : i % 3 == 1 ? lower : mixed;
        Job j{test::RandomBytes(100 + i, 1 + i * 7, alphabet)};
        j.level = static_cast<int32_t>(i % 9);
        j.columns = i % 4 == 0 ? kPDF417Auto : static_cast<int32_t>(1 + i % 30);
        if (j.columns != kPDF417Auto && j.columns < 4) j.columns = kPDF417Auto;
        if (j.level >= 6 && j.columns < 15) j.columns = 15;  // 128..512 check words need room
        j.truncate = i % 5 == 4;
        jobs.push_back(j);
    }
    ExpectRoundTrips(jobs, 60);
}

TEST(PDF417RoundTrip, DigitRunsOfEveryLength) {
    std::vector<Job> jobs;
    for (uint32_t n = 1; n <= 100; ++n) {
        Job j{test::RandomBytes(n, n, "0123456789")};
        if (n % 3 == 0) j.message = "ab" + j.message + "C";
        j.level = static_cast<int32_t>(n % 6);
        j.columns = static_cast<int32_t>(n % 8 == 0 ? kPDF417Auto : 3 + n % 6);
        jobs.push_back(j);
    }
    ExpectRoundTrips(jobs, 100);
}

TEST(PDF417RoundTrip, EveryByteValue) {
    std::vector<Job> jobs;
    for (int b = 0; b < 256; b += 2) {
        Job j;
        j.message = std::string("Ab") + static_cast<char>(b) + static_cast<char>(b + 1) + ";";
        j.columns = 3;
        jobs.push_back(j);
    }
    Job all;
    for (int b = 0; b < 256; ++b) all.message += static_cast<char>(b);
    jobs.push_back(all);
    ExpectRoundTrips(jobs, 129);
}

TEST(PDF417RoundTrip, MixturesUpToAThousandBytes) {
    std::vector<Job> jobs;
    for (uint32_t i = 0; i < 40; ++i) {
        Job j{test::RandomBytes(7000 + i, 1 + i * i * 25 / 40 + (i == 39 ? 24 : 0))};
        // Some long runs of one kind inside the random bytes.
        if (i % 4 == 1) j.message += std::string(40 + i, '7') + "xyz";
        if (i % 4 == 2) j.message = "Name: " + j.message + " END";
        if (i % 4 == 3) j.message += "1234567890123456789012345678901234567890123456789";
        j.level = static_cast<int32_t>(i % 5 == 0 ? kPDF417Auto : i % 4);
        j.truncate = i % 3 == 0;
        jobs.push_back(j);
    }
    Job thousand{test::RandomBytes(99, 1000, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -.")};
    thousand.level = 2;
    jobs.push_back(thousand);
    ExpectRoundTrips(jobs, 41);
}

TEST(PDF417RoundTrip, EveryLevelAndColumnCount) {
    std::vector<Job> jobs;
    for (int level = 0; level <= 8; ++level) {
        Job j{"Level " + std::to_string(level) + " check"};
        j.level = level;
        j.columns = 10;
        jobs.push_back(j);
    }
    for (int columns = 1; columns <= 30; ++columns) {
        Job j{test::RandomBytes(500u + static_cast<uint32_t>(columns), 30)};
        j.columns = columns;
        j.level = columns <= 2 ? 1 : 3;
        j.truncate = columns % 2 == 0;
        jobs.push_back(j);
    }
    ExpectRoundTrips(jobs, 39);
}

TEST(PDF417RoundTrip, EciDesignators) {
    std::vector<Job> jobs;
    for (int eci : {0, 1, 2, 3, 4, 7, 20, 26, 28, 100, 899}) {
        Job j{"ECI " + std::to_string(eci) + " text"};
        j.eci = eci;
        jobs.push_back(j);
    }
    ExpectRoundTrips(jobs, 11);
}

// 29 completes a half Punct codeword, and in Punct 29 latches to Alpha: the values after a
// Byte Shift must be reached by a new latch or they read as capitals.
TEST(PDF417RoundTrip, ByteShiftAfterOddPunctRun) {
    std::vector<Job> jobs;
    for (std::string m : {";;;\x80;;;", ";\x01;", "@@@\xFF@@@@", "A;;;\x80;;;B", "[]{\xC3;!'"})
        jobs.push_back(Job{m});
    for (uint32_t i = 0; i < 10; ++i)
        jobs.push_back(Job{test::RandomBytes(900 + i, 40, ";<>@[]!\"\x80\x81\xFE")});
    ExpectRoundTrips(jobs, 15);
}

}  // namespace
}  // namespace tsy::pdf417
