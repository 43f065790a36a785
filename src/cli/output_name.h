// Output file names: derived from the caption, and the extension rules shared with the
// animated sequence.
#pragma once

#include <string>

namespace tsy {

// True when the last path component (after the last '\' or '/') contains a '.'.
bool HasExtension(const std::u16string& name);
// The extension of the last component from its last '.' on, or empty.
std::u16string ExtensionOf(const std::u16string& name);
// Appends '.' (unless ext starts with one) and ext.
std::u16string AppendExtension(const std::u16string& name, const std::u16string& ext);
// Adds ext only when the name has no extension yet.
std::u16string EnsureExtension(const std::u16string& name, const std::u16string& ext);

// The name used when /ofile is absent: the caption with path and wildcard characters replaced,
// underscores collapsed twice, blanks and '_' trimmed, then defext added if there is no extension.
std::u16string DeriveOutputName(const std::u16string& caption, const std::u16string& defext);

}  // namespace tsy
