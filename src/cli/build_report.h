// What the command line tells about a build: why it failed, and what the code page lost.
#pragma once

#include <cstddef>
#include <string>

namespace tsy {

class CEncoderDoc;

// The reason a build of doc failed, as the end of "The symbol could not be built: ...".
std::string BuildFailureReason(const CEncoderDoc& doc);

// The characters of the parsed message that the document's code page cannot hold (each one
// translated on its own and back).
std::size_t LostCharacters(const CEncoderDoc& doc);

// "Data loss: N characters ..." for a document built with Accurate false.
std::string DataLossText(const CEncoderDoc& doc);

}  // namespace tsy
