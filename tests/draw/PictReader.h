#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvane::test {

// A reader of the QuickDraw picture opcodes the recorder writes, for checking its bytes. It
// knows each opcode's payload length from Apple's format, so a misplaced byte shows up as an
// unknown opcode or a truncated picture.
struct PictOpcode {
    std::size_t offset = 0; // of the opcode word, from the picture's start
    std::uint16_t op = 0;
    std::string payload; // the bytes after the opcode word, without padding
};

struct ParsedPict {
    std::uint16_t sizeField = 0;
    int frameTop = 0, frameLeft = 0, frameBottom = 0, frameRight = 0;
    std::vector<PictOpcode> opcodes; // from the version opcode to OpEndPic inclusive
    std::string error;               // empty when the picture read cleanly
};

// Reads a picture without the 512-byte file header.
ParsedPict parsePict(const std::string& picture);

// Big-endian helpers over a payload.
int int16At(const std::string& bytes, std::size_t offset);
unsigned uint16At(const std::string& bytes, std::size_t offset);

} // namespace morvane::test
