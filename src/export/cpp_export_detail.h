// Pieces of the C++ source export, apart so they can be checked one by one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tsy::cpp_export {

struct CppNames {
    std::filesystem::path headerPath;  // the output with its extension replaced by "h"
    std::string includeName;           // the header's file name
    std::string identifier;            // prefix of every name in both files
};

CppNames DeriveCppNames(const std::filesystem::path& output);

// The header's file name without extension made into a C++ identifier.
std::string MakeIdentifier(std::string_view stem);

// The caption as the text between the quotes of L"...": one wide literal per run of plain
// characters, one per escaped character.
std::string EscapeCaption(std::u16string_view caption);

char PreviewChar(uint8_t grey);

// One line of the contents table for up to 16 bytes starting at offset.
void AppendContentsLine(std::string& out, std::string_view bytes, std::size_t offset);

// Two's complement of the 8-bit sum of the row number's bytes, the low byte of x and the values.
uint8_t RowChecksum(int rowNumber, int x, const uint8_t* values);

void AppendImageRow(std::string& out, int rowNumber, const uint8_t* values, int x);

}  // namespace tsy::cpp_export
