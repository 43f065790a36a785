// Compound files (structured storage) holding one stream "Contents", through libgsf.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/class_id.h"

namespace tsy {

inline constexpr const char* kContentsStreamName = "Contents";

// True when bytes start with the compound-file signature D0 CF 11 E0 A1 B1 1A E1.
bool HasCompoundFileSignature(std::string_view bytes);

// The whole compound file: root class identifier and one stream "Contents". Empty on failure.
std::optional<std::string> BuildCompoundFile(const ClassId& classId, std::string_view contents);

struct CompoundFileRead {
    bool ok = false;
    bool foundContents = false;  // a "Contents" stream (any case) was present
    ClassId classId;
    std::string contents;
};

// Parses a compound file held in memory. ok is false when it is not a readable compound file;
// a stream larger than the file itself is treated as damage, never allocated.
CompoundFileRead ParseCompoundFile(std::string_view bytes);

}  // namespace tsy
