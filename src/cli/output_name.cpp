#include "cli/output_name.h"

namespace tsy {
namespace {

std::size_t LastComponentStart(const std::u16string& name) {
    const auto slash = name.find_last_of(u"\\/");
    return slash == std::u16string::npos ? 0 : slash + 1;
}

void ReplaceAll(std::u16string& s, std::u16string_view from, std::u16string_view to) {
    std::size_t pos = 0;
    while ((pos = s.find(from, pos)) != std::u16string::npos) {
        s.replace(pos, from.size(), to);
        pos += to.size();
    }
}

bool IsTrimmed(char16_t c) {
    return c == u' ' || c == u'_';
}

}  // namespace

bool HasExtension(const std::u16string& name) {
    return name.find(u'.', LastComponentStart(name)) != std::u16string::npos;
}

std::u16string ExtensionOf(const std::u16string& name) {
    const auto start = LastComponentStart(name);
    const auto dot = name.rfind(u'.');
    if (dot == std::u16string::npos || dot < start) return {};
    return name.substr(dot);
}

std::u16string AppendExtension(const std::u16string& name, const std::u16string& ext) {
    if (!ext.empty() && ext.front() == u'.') return name + ext;
    return name + u"." + ext;
}

std::u16string EnsureExtension(const std::u16string& name, const std::u16string& ext) {
    return HasExtension(name) ? name : AppendExtension(name, ext);
}

std::u16string DeriveOutputName(const std::u16string& caption, const std::u16string& defext) {
    std::u16string name = caption;
    for (char16_t c : std::u16string_view(u":\\/.,*?"))
        for (auto& ch : name)
            if (ch == c) ch = u'_';
    // Twice, as the name has always been derived: runs longer than four shrink but stay runs.
    ReplaceAll(name, u"__", u"_");
    ReplaceAll(name, u"__", u"_");
    while (!name.empty() && IsTrimmed(name.back())) name.pop_back();
    std::size_t lead = 0;
    while (lead < name.size() && IsTrimmed(name[lead])) ++lead;
    name.erase(0, lead);
    return EnsureExtension(name, defext);
}

}  // namespace tsy
