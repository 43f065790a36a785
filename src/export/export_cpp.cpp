#include "export/export_cpp.h"

#include <cstdarg>
#include <cstdio>

#include "export/image_writers.h"
#include "platform/error_text.h"
#include "platform/format_text.h"
#include "platform/safe_file.h"
#include "platform/utf8_text.h"
#include "platform/version.h"

namespace tsy {
namespace {

using namespace cpp_export;

constexpr auto Format = FormatText;

std::string Banner() {
    return "\n/*" + std::string(78, '-') + "\n  Written by Tessaly V" +
           std::string(kVersionRecord) + "\n  " + std::string(78, '-') + "*/\n\n";
}

}  // namespace

bool CExportCpp::Prepare(const std::filesystem::path& output, const ExportSource& source,
                         std::string* error) {
    names_ = DeriveCppNames(output);
    if (names_.headerPath.lexically_normal() == output.lexically_normal()) {
        return Fail(error, output.string() + ": the header file would replace the source file");
    }
    grey_ = GreyImage{};
    if (source.picture) {
        if (!CheckPicture(*source.picture, error)) return false;
        grey_ = ToGrey(*source.picture, kMargin);
    }
    return true;
}

std::string CExportCpp::HeaderText(const ExportSource& source) const {
    const char* id = names_.identifier.c_str();
    const std::string cpName =
        source.codepageName.empty() ? "not_supported" : Utf16ToUtf8Text(source.codepageName);
    std::string h = Banner();
    h += Format("#ifndef _TSY_%s_H_\n", id);
    h += Format("#define _TSY_%s_H_ 1\n\n", id);
    h += "#ifndef TSY_CONST\n#define TSY_CONST const\n#endif\n\n";
    h += Format("TSY_CONST unsigned int %s_X = %d;\n", id, X());
    h += Format("TSY_CONST unsigned int %s_Y = %d;\n", id, Y());
    h += Format("TSY_CONST unsigned int %s_Bpp = %d;\n\n", id, Bpp());
    h += Format("TSY_CONST int %s_Codepage = %d;\t// %s\n", id, source.codepage, cpName.c_str());
    h += Format("TSY_CONST int %s_Eci = %d;\n", id, source.useEci ? source.eci : -1);
    h += Format("TSY_CONST bool %s_UseEci = %s;\n\n", id, source.useEci ? "true" : "false");
    h += Format("TSY_CONST unsigned int %s_ImageSize = 0x%X;\n", id,
                static_cast<unsigned>(X()) * static_cast<unsigned>(Y()));
    h += Format("TSY_CONST unsigned int %s_ContentsSize = 0x%zX;\n\n", id,
                source.messageBytes.size());
    h += Format("extern TSY_CONST wchar_t* %s_Caption; // zero terminated\n", id);
    h += Format("extern TSY_CONST unsigned char %s_Contents[%s_ContentsSize];\n", id, id);
    h += "\n";
    h += Format("extern TSY_CONST unsigned char %s_Image[%s_ImageSize];\n", id, id);
    h += "\n";
    for (int y = 0; y < Y(); ++y) {
        h += "// ";
        const uint8_t* row = grey_.row(y);
        for (int x = 0; x < X(); ++x) h.push_back(PreviewChar(row[x]));
        h += "\n";
    }
    h += Format("\n#endif /* _TSY_%s_H_ */\n", id);
    h += "\n";
    return h;
}

std::string CExportCpp::SourceText(const ExportSource& source) const {
    const char* id = names_.identifier.c_str();
    std::string s = Banner();
    s.reserve(s.size() + source.messageBytes.size() * 7 +
              static_cast<std::size_t>(X() + 8) * static_cast<std::size_t>(Y()) * 5 + 4096);
    s += "#include \"stdafx.h\"\n";
    s += Format("#include \"%s\"\n", names_.includeName.c_str());
    s += "\n";
    s += Format("extern TSY_CONST wchar_t* %s_Caption = L\"%s\";\n\n", id,
                EscapeCaption(source.caption).c_str());
    s += Format("extern TSY_CONST unsigned char %s_Contents[%s_ContentsSize] =\n{\n", id, id);
    const std::string& bytes = source.messageBytes;
    std::size_t offset = 0;
    do {
        AppendContentsLine(s, bytes, offset);
        offset += 16;
    } while (offset < bytes.size());
    s += "};\n";
    s += "\n";
    s += Format("TSY_CONST unsigned char %s_Image[%s_ImageSize] =\n", id, id);
    s += "{\n";
    s += "\t/* address count\t";
    for (int i = 0; i < X(); ++i) s += Format("%4d,", i);
    s += " checksum*/\n";
    for (int y = 0; y < Y(); ++y) AppendImageRow(s, Y() - 1 - y, grey_.row(y), X());
    s += "};\n";
    s += "\n";
    return s;
}

bool CExportCpp::ExportCpp(const std::filesystem::path& output, const ExportSource& source,
                           std::string* error) {
    if (!Prepare(output, source, error)) return false;
    const std::string header = HeaderText(source);
    const std::string text = SourceText(source);
    const FileBytes pair[] = {{names_.headerPath, header}, {output, text}};
    return SaveFilesTogether(pair, error, Durability::Atomic);
}

}  // namespace tsy
