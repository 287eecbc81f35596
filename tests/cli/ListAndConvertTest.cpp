#include "CommandRun.h"
#include "cli/Command.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <sstream>

namespace morvane {
namespace {

namespace fs = std::filesystem;

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
    const test::Outcome raw =
        test::runMorvane({"list", (test::examplesDir() / "gesteine.txt").string()});
    ASSERT_EQ(raw.code, 0) << raw.err;
    EXPECT_EQ(raw.out.substr(0, raw.out.find('\n')), "Anr\tSiO2\tAl2O3\tFeO\tMgO\tFarbe");
    EXPECT_NE(raw.out.find("\n101\t56,38\t16,29\t6,69\t3,25\t5\n"), std::string::npos);

    const test::Outcome normalised =
        test::runMorvane({"list", (test::examplesDir() / "gesteine.txt").string(), "--normalised"});
    ASSERT_EQ(normalised.code, 0);
    EXPECT_EQ(normalised.out.substr(0, normalised.out.find('\n')),
              "Anr\tSiO2\tAl2O3\tFeO\tMgO\tFarbe\tnSiO2\tnAl2O3\tnFeO\tnMgO\tSumme");
    // 56.38 / 82.61 = 68.25 %.
    EXPECT_NE(
        normalised.out.find("\n101\t56,38\t16,29\t6,69\t3,25\t5\t68,2\t19,7\t8,1\t3,9\t100\n"),
        std::string::npos);
}

TEST(ListCommand, MissingFilesAndBadArgumentsGiveOneErrorLine) {
    const test::Outcome missing = test::runMorvane({"list", "/nonexistent/daten.txt"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err,
              "morvane list: cannot read /nonexistent/daten.txt: No such file or directory\n");
    EXPECT_EQ(test::runMorvane({"list"}).code, 2);
    EXPECT_EQ(test::runMorvane({"list", "a", "--bogus"}).code, 2);
    EXPECT_EQ(test::runMorvane({"--bogus"}).code, 2);
    EXPECT_EQ(test::runMorvane({}).code, -1);
    EXPECT_EQ(test::runMorvane({"some-file.txt"}).code, -1);
}

TEST(ConvertCommand, ConvertedFilesListExactlyAsTheOriginals) {
    test::TemporaryFolder folder;
    for (const fs::path& file : exampleAndFixtureFiles()) {
        const fs::path converted = folder / (file.filename().string() + ".converted");
        const test::Outcome conversion =
            test::runMorvane({"convert", file.string(), converted.string()});
        ASSERT_EQ(conversion.code, 0) << file << conversion.err;
        for (const char* option : {"", "--normalised"}) {
            std::vector<std::string> original{"list", file.string()};
            std::vector<std::string> copy{"list", converted.string()};
            if (*option) {
                original.emplace_back(option);
                copy.emplace_back(option);
            }
            EXPECT_EQ(test::runMorvane(copy).out, test::runMorvane(original).out) << file << option;
        }
    }
}

TEST(ConvertCommand, UnwritableTargetFailsClearly) {
    const test::Outcome result =
        test::runMorvane({"convert", (test::examplesDir() / "gesteine.txt").string(),
                          "/nonexistent/folder/out.txt"});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err,
              "morvane convert: cannot write /nonexistent/folder/out.txt: No such file or "
              "directory\n");
    EXPECT_EQ(test::runMorvane({"convert", "only-one"}).code, 2);
}

TEST(Help, DescribesEveryCommand) {
    const test::Outcome help = test::runMorvane({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const cli::Command& command : cli::commands()) {
        EXPECT_NE(help.out.find(std::string(command.usage)), std::string::npos) << command.name;
    }
}

} // namespace morvane
