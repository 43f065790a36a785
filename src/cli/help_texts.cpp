#include "cli/help_texts.h"

#include <span>

#include "cli/utf8.h"
#include "message/codepage_table.h"

namespace tsy {
namespace {

// Typos are kept: users and scripts have seen these texts for years.
constexpr const char* kOverview[] = {
    "Command line options:",
    "/symbol=[C128|C128M|C39|PDF|ACTEC|AZTECM|QR]",
    "  Note: C128M and AZTECM do create menu codes.",
    "/message=barcode contents",
    "/caption=bacode caption",
    "/addcaption use message as caption",
    "/defext=EXT Use EXT as default extension",
    "/xelement=size in mil",
    "/ysize=hight in mil",
    "/ofile=name. If ommitted, create name from message",
    "/ifile=name. Use file contents as message.",
    "/eci Add ECI info in Barcode",
    "/codepage=Depends on Symbology",
    "  For 2D: [CP125x|CP437|Iso8859_x|UTF8|UTF16BE|ASCII|Binary]",
    "  For 1D: [ASCII|ASCII_INVARIANT|Iso2022_IRxx|Country]",
};

constexpr const char* kSymbologies[] = {
    "Restrictions:",
    "QR encoder does not support codepages and ECI.",
    "AZTECM and C128M are used to create configuration barcodesfor many Corvanta readers.",
    "",
    "Code 128:",
    "/fnc3trail=1 add a trailing FNC3",
    "/fnc3lead=1 add a leading FNC3",
    // Newer than the texts above: the one line of the standard QR option.
    "/qrmodel=2 (or iso) QR as standard ISO 18004 Model 2, which every QR reader reads",
    "",
    "Ziggur:",
    "/symbol=ZIGGUR stacked symbol on a linear host",
    "/host=[C39|EAN|ITF|ITFB|C93|C128] host symbology (default C39)",
    "/hostmessage=text of the host symbol",
    "/symmetry=[0|1|2] none, top and bottom, even layers (default 2)",
    "/barrier=[0|1] barrier rows (default 0)",
    "",
};

constexpr const char* kEci[] = {
    "Restrictions:",
    "QR encoder does not support codepages and ECI.",
    "The ECI is automatically derived fornt he codepage selection.",
    "",
};

constexpr const char* k1D[] = {
    "The linear codes support 7Bit codepages. Default is ASCII (Iso646).",
    "You need to pass a sufficiently unique part of the listed codepage name.",
    "Compare is not case sensitive, '_','-','.' are treated the same.",
    "Example: Iso_IR21_Germany or ir21 or germany are all valid names.",
    "Note: Details about the IR21 encoding in the above example can be found in the",
    "Iso 2375 registration.",
    "Codepages:",
};

constexpr const char* k2D[] = {
    "The 2D codes support 8Bit codepages. Default depends on the symbology:",
    "Aztec uses Iso 8859.1, PDF417 the CP437.",
    "You need to pass a sufficiently unique part of the listed codepage name.",
    "Compare is not case sensitive, '_','-','.' are treated the same.",
    "Example: Iso8859-1 or iso8859_1 or ISO8859.1 or 8859-1 are all valid names.",
    "Codepages:",
};

// The batch page's work without a window, for scripts.
constexpr const char* kBatch[] = {
    "/batch=LIST one symbol per line of LIST; /ofile is the file name mask",
    "/namemode=0 mask and number, 1 message as file name (default)",
    "/threads=N symbols built at once (default: one per core)",
    "The log (the mask with the extension .log) lists lossy and skipped lines.",
    "With /verify it also lists the lines whose symbol does not read back.",
};

// Printing and checking, newer than the texts above.
constexpr const char* kPrint[] = {
    "/dpi=N build the picture at N dots per inch, 72 to 2400 (default: the screen's)",
    "/verify read the written symbol back; exit status 4 when it does not read",
    "/ofile=name.svg, .pdf or .eps writes vectors at the symbol's size in mil",
};

// The window program shows no status; a shell script needs it.
constexpr const char* kExitStatus[] = {
    "0  the symbol file was written",
    "1  the symbol could not be built, or the file not written",
    "2  usage error: unknown option, symbology or code page, no message, unreadable /ifile",
    "3  the file was written, but characters of the message are not in the code page",
    "   (/batch: 1 also when a line was too long, 3 when a line lost characters)",
    "4  /verify: the file was written, but the reader did not read the symbol back",
};

// The tables are plain text, so a run that shows no help builds no strings at start-up.
std::vector<std::string> Lines(std::span<const char* const> lines) {
    return {lines.begin(), lines.end()};
}

std::vector<std::string> WithCodepages(std::vector<std::string> lines, unsigned mask) {
    const std::string names = Utf16ToUtf8(ListCodepages(mask));
    std::size_t start = 0;
    while (start < names.size()) {
        auto end = names.find("\r\n", start);
        if (end == std::string::npos) end = names.size();
        lines.push_back(names.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace

const char* HelpTopicTitle(HelpTopic topic) {
    switch (topic) {
        case HelpTopic::Overview:
            return "Overview";
        case HelpTopic::Symbologies:
            return "Symbologies";
        case HelpTopic::Eci:
            return "ECI";
        case HelpTopic::Codepages1D:
            return "1D Codepages";
        case HelpTopic::Codepages2D:
            return "2D Codepages";
    }
    return "";
}

std::vector<std::string> HelpTextLines(HelpTopic topic) {
    switch (topic) {
        case HelpTopic::Overview:
            return Lines(kOverview);
        case HelpTopic::Symbologies:
            return Lines(kSymbologies);
        case HelpTopic::Eci:
            return Lines(kEci);
        case HelpTopic::Codepages1D:
            return WithCodepages(Lines(k1D), 9);
        case HelpTopic::Codepages2D:
            return WithCodepages(Lines(k2D), 14);
    }
    return {};
}

std::string FullHelpText() {
    std::string out;
    for (HelpTopic topic : kHelpTopics) {
        if (!out.empty()) out += "\n";
        out += std::string("== ") + HelpTopicTitle(topic) + " ==\n";
        for (const auto& line : HelpTextLines(topic)) out += line + "\n";
    }
    out += "\n== Many symbols ==\n";
    for (const char* line : kBatch) out += std::string(line) + "\n";
    out += "\n== Print and check ==\n";
    for (const char* line : kPrint) out += std::string(line) + "\n";
    out += "\n== Exit status ==\n";
    for (const char* line : kExitStatus) out += std::string(line) + "\n";
    return out;
}

}  // namespace tsy
