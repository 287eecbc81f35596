#include "support/TestPaths.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

namespace morvane::test {

std::filesystem::path sourceDir() {
    if (const char* fromEnvironment = std::getenv("MORVANE_SOURCE_DIR")) {
        return fromEnvironment;
    }
    return MORVANE_SOURCE_DIR;
}

std::filesystem::path examplesDir() {
    return sourceDir() / "examples";
}
std::filesystem::path fixturesDir() {
    return sourceDir() / "tests" / "fixtures";
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

TemporaryFolder::TemporaryFolder() {
    std::random_device random;
    m_path = std::filesystem::temp_directory_path() /
             ("morvane-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(m_path);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

} // namespace morvane::test
