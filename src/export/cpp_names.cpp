#include "export/cpp_export_detail.h"

namespace tsy::cpp_export {
namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t pos = 0;
    for (std::size_t hit; (hit = text.find(from, pos)) != std::string::npos;
         pos = hit + from.size()) {
        out.append(text, pos, hit - pos);
        out.append(to);
    }
    out.append(text, pos);
    text = std::move(out);
}

bool IdentifierChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Length of the UTF-8 sequence at text[i], or 1 for a byte that starts none.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<uint8_t>(text[i]);
    const std::size_t n = lead >= 0xF0 && lead <= 0xF4 ? 4
                          : lead >= 0xE0               ? 3
                          : lead >= 0xC2               ? 2
                                                       : 1;
    if (lead >= 0xF5 || i + n > text.size()) return 1;
    for (std::size_t k = 1; k < n; ++k) {
        if ((static_cast<uint8_t>(text[i + k]) & 0xC0) != 0x80) return 1;
    }
    return n;
}

}  // namespace

std::string MakeIdentifier(std::string_view stem) {
    std::string id(stem);
    if (!id.empty() && id[0] >= '0' && id[0] <= '9') id = std::string("_") + id;
    for (char c : std::string_view("^!*+-&%/.;:,<>(){}[]=|\"'#~ ")) {
        for (char& ch : id) {
            if (ch == c) ch = '_';
        }
    }
    ReplaceAll(id, "___", "_");
    ReplaceAll(id, "__", "_");
    // Whatever else is left (other punctuation, characters beyond ASCII) would not compile.
    std::string out;
    for (std::size_t i = 0; i < id.size();) {
        if (IdentifierChar(id[i])) {
            out.push_back(id[i++]);
        } else {
            out.push_back('_');
            i += SequenceLength(id, i);
        }
    }
    return out;
}

CppNames DeriveCppNames(const std::filesystem::path& output) {
    const std::string name = output.filename().string();
    const std::size_t dot = name.rfind('.');
    const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    CppNames names;
    names.includeName = stem + ".h";
    names.headerPath = output.parent_path() / names.includeName;
    names.identifier = MakeIdentifier(stem);
    return names;
}

}  // namespace tsy::cpp_export
