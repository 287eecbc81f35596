#pragma once

#include <filesystem>
#include <string>

namespace morvane::test {

std::filesystem::path sourceDir();
std::filesystem::path examplesDir();
std::filesystem::path fixturesDir();

// Whole contents of a file as bytes; empty when it cannot be read.
std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

} // namespace morvane::test
