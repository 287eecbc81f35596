#include "cli/Command.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <sstream>

namespace morvane {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::dispatch(args, out, err);
    return {code, out.str(), err.str()};
}

std::vector<fs::path> exampleAndFixtureFiles() {
    std::vector<fs::path> files;
    for (const fs::path& folder :
         {test::examplesDir(), test::fixturesDir() / "files", test::fixturesDir() / "nasty"}) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            files.push_back(entry.path());
        }
    }
    return files;
}

} // namespace

TEST(ListCommand, PrintsHeadingsAndRowsAsTheDataWindow) {
    const Outcome raw = run({"list", (test::examplesDir() / "gesteine.txt").string()});
    ASSERT_EQ(raw.code, 0) << raw.err;
    EXPECT_EQ(raw.out.substr(0, raw.out.find('\n')), "Anr\tSiO2\tAl2O3\tFeO\tMgO\tFarbe");
    EXPECT_NE(raw.out.find("\n101\t56,38\t16,29\t6,69\t3,25\t5\n"), std::string::npos);

    const Outcome normalised =
        run({"list", (test::examplesDir() / "gesteine.txt").string(), "--normalised"});
    ASSERT_EQ(normalised.code, 0);
    EXPECT_EQ(normalised.out.substr(0, normalised.out.find('\n')),
              "Anr\tSiO2\tAl2O3\tFeO\tMgO\tFarbe\tnSiO2\tnAl2O3\tnFeO\tnMgO\tSumme");
    // 56.38 / 82.61 = 68.25 %.
    EXPECT_NE(
        normalised.out.find("\n101\t56,38\t16,29\t6,69\t3,25\t5\t68,2\t19,7\t8,1\t3,9\t100\n"),
        std::string::npos);
}

TEST(ListCommand, MissingFilesAndBadArgumentsGiveOneErrorLine) {
    const Outcome missing = run({"list", "/nonexistent/daten.txt"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err,
              "morvane list: cannot read /nonexistent/daten.txt: No such file or directory\n");
    EXPECT_EQ(run({"list"}).code, 2);
    EXPECT_EQ(run({"list", "a", "--bogus"}).code, 2);
    EXPECT_EQ(run({"--bogus"}).code, 2);
    EXPECT_EQ(run({}).code, -1);
    EXPECT_EQ(run({"some-file.txt"}).code, -1);
}

TEST(ConvertCommand, ConvertedFilesListExactlyAsTheOriginals) {
    test::TemporaryFolder folder;
    for (const fs::path& file : exampleAndFixtureFiles()) {
        const fs::path converted = folder / (file.filename().string() + ".converted");
        const Outcome conversion = run({"convert", file.string(), converted.string()});
        ASSERT_EQ(conversion.code, 0) << file << conversion.err;
        for (const char* option : {"", "--normalised"}) {
            std::vector<std::string> original{"list", file.string()};
            std::vector<std::string> copy{"list", converted.string()};
            if (*option) {
                original.emplace_back(option);
                copy.emplace_back(option);
            }
            EXPECT_EQ(run(copy).out, run(original).out) << file << option;
        }
    }
}

TEST(ConvertCommand, UnwritableTargetFailsClearly) {
    const Outcome result = run({"convert", (test::examplesDir() / "gesteine.txt").string(),
                                "/nonexistent/folder/out.txt"});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err,
              "morvane convert: cannot write /nonexistent/folder/out.txt: No such file or "
              "directory\n");
    EXPECT_EQ(run({"convert", "only-one"}).code, 2);
}

TEST(Help, DescribesEveryCommand) {
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const cli::Command& command : cli::commands()) {
        EXPECT_NE(help.out.find(std::string(command.usage)), std::string::npos) << command.name;
    }
}

} // namespace morvane
