#include "data/MeasurementFile.h"

#include "data/MeasurementParser.h"
#include "data/NumberText.h"
#include "data/TextCodec.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace morvane::MeasurementFile {
namespace {

constexpr std::size_t readChunkSize = 1 << 20;

std::string systemReason(int error) {
    return std::strerror(error);
}

std::string_view lineEndText(LineEnd lineEnd) {
    switch (lineEnd) {
    case LineEnd::CRLF:
        return "\r\n";
    case LineEnd::CR:
        return "\r";
    case LineEnd::LF:
        break;
    }
    return "\n";
}

// Text saved as UTF-16 (a spreadsheet's "Unicode text") has a NUL byte beside every character:
// read byte by byte it would give no rows and names full of NULs, so it is refused with a reason.
bool startsWithUtf16Mark(std::string_view bytes) {
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

// Closes a POSIX file descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Where the bytes really go: a symbolic link is followed so that saving keeps the link.
std::filesystem::path resolvedTarget(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        const std::filesystem::path target = std::filesystem::canonical(path, error);
        if (!error) {
            return target;
        }
    }
    return path;
}

// The permissions of a new file: read and write for all, less the umask (mkstemp gives 0600).
// The umask can only be read by setting it; it is 077 for that moment, so that a file another
// thread creates meanwhile comes out private rather than open.
mode_t newFileMode() {
    const mode_t mask = ::umask(077);
    ::umask(mask);
    return 0666 & ~mask;
}

void appendInteger(std::string& out, std::int32_t value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

// Produces the file's bytes in blocks of about a megabyte and hands each to `flush`, which
// returns false to stop on a write error.
template <typename Flush>
bool writeLines(const Dataset& data, Flush&& flush) {
    constexpr std::size_t blockSize = 1 << 20;
    const std::string_view lineEnd = lineEndText(data.format.lineEnd);
    std::string block;
    block.reserve(blockSize + 256 + data.headline.size());
    if (data.format.encoding == TextEncoding::Utf8WithBom) {
        block += "\xEF\xBB\xBF";
    }
    block += TextCodec::encode(data.headline, data.format.encoding);
    block += lineEnd;
    for (std::int32_t i = 1; i <= data.anzahl(); ++i) {
        const datarow& row = data.row(i);
        appendInteger(block, row.anr);
        for (double value : {row.a, row.b, row.c, row.d}) {
            char text[NumberText::maxFormattedValueLength + 1];
            text[0] = '\t';
            block.append(text, NumberText::formatValue(value, text + 1));
        }
        block += '\t';
        appendInteger(block, row.farbe);
        block += lineEnd;
        if (block.size() >= blockSize) {
            if (!flush(std::string_view(block))) {
                return false;
            }
            block.clear();
        }
    }
    return block.empty() || flush(std::string_view(block));
}

} // namespace

std::shared_ptr<Dataset> parse(std::string_view bytes) {
    MeasurementParser parser(bytes.size());
    parser.feed(bytes);
    return parser.finish();
}

LoadResult load(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return {nullptr, "is a folder, not a measurement file"};
    }
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        return {nullptr, systemReason(errno)};
    }
    struct stat info {};
    const std::size_t sizeHint =
        ::fstat(fd.get(), &info) == 0 ? static_cast<std::size_t>(info.st_size) : 0;
    MeasurementParser parser(sizeHint);
    std::string buffer(readChunkSize, '\0');
    for (bool first = true;; first = false) {
        const ssize_t count = ::read(fd.get(), buffer.data(), buffer.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {nullptr, systemReason(errno)};
        }
        if (count == 0) {
            break;
        }
        const std::string_view chunk(buffer.data(), static_cast<std::size_t>(count));
        if (first && startsWithUtf16Mark(chunk)) {
            return {nullptr, "UTF-16 text, which is not read: save the file as UTF-8 or Windows "
                             "text (tab-separated)"};
        }
        parser.feed(chunk);
    }
    std::shared_ptr<Dataset> data = parser.finish();
    data->file = path;
    return {std::move(data), {}};
}

std::string serialise(const Dataset& data) {
    std::string out;
    writeLines(data, [&](std::string_view block) {
        out += block;
        return true;
    });
    return out;
}

SaveResult save(Dataset& data, const std::filesystem::path& path) {
    const std::filesystem::path target = resolvedTarget(path);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    // Renaming over a file needs no right to write it: refuse a write-protected file as writing
    // into it would.
    if (replacing && ::access(target.c_str(), W_OK) != 0) {
        return {false, systemReason(errno)};
    }
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    // Built step by step: GCC 12 warns falsely (-Wrestrict) on the chained concatenation.
    std::string name = ".";
    name += target.filename().string();
    name += ".XXXXXX";
    std::string temporary = (folder / name).string();
    FileDescriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0) {
        return {false, systemReason(errno)};
    }
    ::fchmod(fd.get(), replacing ? (old.st_mode & 07777) : newFileMode());

    const bool written =
        writeLines(data, [&](std::string_view block) { return writeAll(fd.get(), block); });
    if (!written || ::fsync(fd.get()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return {false, systemReason(error)};
    }
    if (::close(fd.release()) != 0 || ::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return {false, systemReason(error)};
    }
    data.changed = 0;
    data.file = path;
    return {true, {}};
}

} // namespace morvane::MeasurementFile
