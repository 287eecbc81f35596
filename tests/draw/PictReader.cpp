#include "PictReader.h"

namespace morvane::test {
namespace {

// Payload length of an opcode at `at` (pointing just after the opcode word), or -1 if unknown.
long payloadLength(std::uint16_t op, const std::string& bytes, std::size_t at) {
    auto byteAt = [&](std::size_t offset) -> long {
        return offset < bytes.size() ? static_cast<unsigned char>(bytes[offset]) : -1;
    };
    switch (op) {
    case 0x0001:
        return static_cast<long>(uint16At(bytes, at)); // region, size includes itself
    case 0x0003:
        return 2;
    case 0x0007:
        return 4;
    case 0x000D:
        return 2;
    case 0x0011:
        return 2;
    case 0x001A:
        return 6;
    case 0x001E:
        return 0;
    case 0x0020:
        return 8;
    case 0x0028:
        return byteAt(at + 4) < 0 ? -1 : 5 + byteAt(at + 4);
    case 0x0029:
    case 0x002A:
        return byteAt(at + 1) < 0 ? -1 : 2 + byteAt(at + 1);
    case 0x002C:
        return 2 + static_cast<long>(uint16At(bytes, at));
    case 0x0050:
    case 0x0051:
        return 8;
    case 0x00FF:
        return 0;
    case 0x0C00:
        return 24;
    default:
        return -1;
    }
}

} // namespace

int int16At(const std::string& bytes, std::size_t offset) {
    return static_cast<std::int16_t>(uint16At(bytes, offset));
}

unsigned uint16At(const std::string& bytes, std::size_t offset) {
    if (offset + 1 >= bytes.size()) {
        return 0;
    }
    return (static_cast<unsigned char>(bytes[offset]) << 8) |
           static_cast<unsigned char>(bytes[offset + 1]);
}

ParsedPict parsePict(const std::string& picture) {
    ParsedPict parsed;
    if (picture.size() < 10) {
        parsed.error = "shorter than its size and frame fields";
        return parsed;
    }
    parsed.sizeField = static_cast<std::uint16_t>(uint16At(picture, 0));
    parsed.frameTop = int16At(picture, 2);
    parsed.frameLeft = int16At(picture, 4);
    parsed.frameBottom = int16At(picture, 6);
    parsed.frameRight = int16At(picture, 8);
    std::size_t at = 10;
    while (true) {
        if (at % 2 != 0) {
            parsed.error = "opcode at odd offset " + std::to_string(at);
            return parsed;
        }
        if (at + 2 > picture.size()) {
            parsed.error = "picture ends without OpEndPic";
            return parsed;
        }
        const auto op = static_cast<std::uint16_t>(uint16At(picture, at));
        const long length = payloadLength(op, picture, at + 2);
        if (length < 0 || at + 2 + static_cast<std::size_t>(length) > picture.size()) {
            parsed.error =
                "unknown or truncated opcode " + std::to_string(op) + " at " + std::to_string(at);
            return parsed;
        }
        parsed.opcodes.push_back(
            {at, op, picture.substr(at + 2, static_cast<std::size_t>(length))});
        at += 2 + static_cast<std::size_t>(length);
        if (op == 0x00FF) {
            if (at != picture.size()) {
                parsed.error = "bytes after OpEndPic";
            }
            return parsed;
        }
        if (at % 2 != 0) {
            if (picture[at] != '\0') {
                parsed.error = "padding byte is not zero at " + std::to_string(at);
                return parsed;
            }
            ++at;
        }
    }
}

} // namespace morvane::test
