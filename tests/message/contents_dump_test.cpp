#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "message/codepage_table.h"
#include "message/contents_dump.h"

namespace tsy {
namespace {

using namespace std::string_view_literals;

TEST(ContentsDump, BytesWithTheirCodepageCharacters) {
    struct Row {
        const char* name;
        std::string_view bytes;
        std::uint32_t codePage;
        std::u16string_view dump;
    };
    const Row rows[] = {
        {"empty", "", CP_ASCII, u""},
        {"ABC fills the line", "ABC", CP_ASCII,
         u"41 42 43 .. .. .. .. ..  .. .. .. .. .. .. .. ..  ABC\r\n"},
        {"line ends are dots", "A\r\n", CP_ASCII,
         u"41 0D 0A .. .. .. .. ..  .. .. .. .. .. .. .. ..  A..\r\n"},
        {"UTF-8 shows ASCII only", "\xC3\xA9z", CP_UTF8,
         u"C3 A9 7A .. .. .. .. ..  .. .. .. .. .. .. .. ..  ..z\r\n"},
        {"one byte of UTF-16 is nothing", "AB", CP_UTF16BE,
         u"41 42 .. .. .. .. .. ..  .. .. .. .. .. .. .. ..  ..\r\n"},
        {"Latin-1 beyond ASCII", "\xE9", CP_ISO8859_1,
         u"E9 .. .. .. .. .. .. ..  .. .. .. .. .. .. .. ..  \u00E9\r\n"},
        {"seventeen bytes, two lines", "0123456789abcdefg", CP_ASCII,
         u"30 31 32 33 34 35 36 37  38 39 61 62 63 64 65 66  0123456789abcdef\r\n"
         u"67 .. .. .. .. .. .. ..  .. .. .. .. .. .. .. ..  g\r\n"},
    };
    // The column of U+00E9 depends on the locale's classification of Latin-1 letters.
    const std::string old = std::setlocale(LC_CTYPE, nullptr);
    std::setlocale(LC_CTYPE, "C.UTF-8");
    for (const Row& row : rows) EXPECT_EQ(ByteDump(row.bytes, row.codePage), row.dump) << row.name;
    std::setlocale(LC_CTYPE, old.c_str());
}

TEST(ContentsDump, TextUnits) {
    struct Row {
        const char* name;
        std::u16string_view text;
        std::u16string_view dump;
    };
    const Row rows[] = {
        {"empty", u"", u""},
        {"markup", u"[ CR]", u"005B 0020 0043 0052  005D .... .... ....  [ CR]\r\n"},
        {"controls and wide", u"\u0001\u20AC\u00000123456"sv,
         u"0001 20AC 0000 0030  0031 0032 0033 0034  .\u20AC.01234\r\n"
         u"0035 0036 .... ....  .... .... .... ....  56\r\n"},
    };
    for (const Row& row : rows) EXPECT_EQ(TextDump(row.text), row.dump) << row.name;
}

}  // namespace
}  // namespace tsy
