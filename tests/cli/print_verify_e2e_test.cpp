// /dpi, /verify and the vector formats on the command line: sizes at print resolution, the exit
// status of a symbol that does not read back, and files other programs read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/tessaly_run.h"
#include "symbologies/document_serialize.h"
#include "symbologies/qr/qr_doc.h"

namespace tsy {
namespace {

class PrintTest : public test::TessalyTest {};

// "*ABC*" at 10 mil: 5 characters of 3 wide and 7 narrow elements and 20 narrows of quiet zone;
// 500 mil of bars; the caption band half as high again as a 10-point em at that resolution.
TEST_F(PrintTest, DpiSizesBarsAndCaption) {
    struct {
        const char* dpi;  // nullptr: the screen's 96
        int narrow;
        int em;
    } cases[] = {{nullptr, 1, 13}, {"/dpi=300", 3, 42}, {"/dpi=600", 6, 83}, {"/dpi=72", 1, 10}};
    for (const auto& c : cases) {
        std::vector<std::string> args = {"/symbol=C39", "/message=ABC", "/xelement=10",
                                         "/ofile=c39.png", "/verify"};
        if (c.dpi) args.push_back(c.dpi);
        const auto r = Run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        const int dpi = c.dpi ? std::stoi(std::string(c.dpi).substr(5)) : 96;
        const int bars = (500 * dpi + 500) / 1000;
        EXPECT_EQ(ImageSize("c39.png"),
                  std::make_pair(5 * 16 * c.narrow + 20 * c.narrow, bars + c.em * 3 / 2))
            << (c.dpi ? c.dpi : "96");
        const auto d = Decode("c39.png", test::Symbology::Code39);
        EXPECT_EQ(d.bytes, "ABC") << d.error;
    }
}

TEST_F(PrintTest, BadResolutionIsAUsageError) {
    for (const std::string value : {"71", "2401", "abc", "-600"}) {
        const auto r = Run({"/symbol=QR", "/message=x", "/ofile=x.png", "/dpi=" + value});
        EXPECT_EQ(r.status, 2) << value;
        EXPECT_EQ(r.err,
                  "Resolution out of range: /dpi=" + value + " (72 to 2400 dots per inch).\n");
        EXPECT_FALSE(Exists("x.png"));
    }
    EXPECT_EQ(Run({"/symbol=QR", "/message=x", "/ofile=x.png", "/dpi"}).err,
              "Missing value for /dpi.\n");
    // Fine for the screen, beyond the picture limits at 2400 dpi: the message says which.
    const std::vector<std::string> big = {"/symbol=QR", "/qrmodel=2", "/xelement=50",
                                          "/message=" + std::string(1000, 'A'), "/ofile=big.png"};
    EXPECT_EQ(Run(big).status, 0);
    std::vector<std::string> print = big;
    print.push_back("/dpi=2400");
    const auto r = Run(print);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "The symbol could not be built: at 2400 dpi its picture would exceed 32767 pixels a "
              "side or 256 MB; a lower /dpi builds it.\n");
}

// The reader's verdict decides the status; the file is written either way.
TEST_F(PrintTest, VerifyStatus) {
    // A document whose undercut is as wide as its modules: the dark modules beside light ones
    // are thinned away.
    CQRDoc doc;
    doc.m_Model = CQRDoc::kIsoModel;
    doc.m_Message = u"undercut";
    doc.m_ElementWidth = 10;
    doc.m_Undercut = 1;
    ASSERT_TRUE(doc.BuildSymbol());
    std::string error;
    ASSERT_TRUE(SaveDocument(doc, dir_ / "thin.qr", &error)) << error;

    struct {
        std::vector<std::string> args;
        int status;
        std::string errStart;
    } cases[] = {
        {{"/symbol=QR", "/qrmodel=iso", "/message=fine", "/ofile=out.png", "/verify"}, 0, ""},
        {{"/symbol=AZTEC", "/message=fine", "/ofile=out.bmp", "/verify", "/dpi=1200"}, 0, ""},
        {{"thin.qr", "/ofile=out.png", "/verify"},
         4,
         "Not readable: the reader found no symbol. The file was written all the same.\n"},
        {{"thin.qr", "/ofile=out.png"}, 0, ""},
        // Undercut is in pixels: at 600 dpi one pixel no longer erases a module.
        {{"thin.qr", "/ofile=out.png", "/verify", "/dpi=600"}, 0, ""},
        {{"/symbol=QR", "/message=own", "/ofile=out.png", "/verify"},
         0,
         "Not checked: the reader does not read this QR structure, only ISO Model 2.\n"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(dir_ / "out.png");
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0] << " " << r.err;
        EXPECT_EQ(r.err, c.errStart) << c.args[0];
        EXPECT_TRUE(Exists(c.args[0] == "/symbol=AZTEC" ? "out.bmp" : "out.png"));
    }
}

}  // namespace
}  // namespace tsy
