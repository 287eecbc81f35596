#include "data/MeasurementFile.h"
#include "support/TestPaths.h"

#include <cstring>
#include <gtest/gtest.h>

namespace morvane {
namespace {

namespace fs = std::filesystem;

// What every read must give, whatever the bytes: only positive sample numbers, normalised
// values that follow from the components, and a text that reads back to the same rows.
void expectSane(const Dataset& data, const std::string& context) {
    for (int i = 1; i <= data.anzahl(); ++i) {
        const datarow& row = data.row(i);
        ASSERT_GT(row.anr, 0) << context;
        datarow recomputed = row;
        recomputed.calc();
        ASSERT_EQ(std::memcmp(&recomputed.RelA, &row.RelA, 4 * sizeof(double)), 0) << context;
    }
    const std::string text = MeasurementFile::serialise(data);
    const auto again = MeasurementFile::parse(text);
    ASSERT_EQ(again->anzahl(), data.anzahl()) << context;
    EXPECT_EQ(MeasurementFile::serialise(*again), text) << context;
}

int rowsOf(const std::string& name) {
    const auto loaded = MeasurementFile::load(test::fixturesDir() / "nasty" / name);
    return loaded ? loaded.dataset->anzahl() : -1;
}

} // namespace

TEST(NastyFiles, EveryCorpusFileReadsSanely) {
    int files = 0;
    for (const auto& entry : fs::directory_iterator(test::fixturesDir() / "nasty")) {
        const auto loaded = MeasurementFile::load(entry.path());
        ASSERT_TRUE(loaded) << entry.path();
        expectSane(*loaded.dataset, entry.path().filename().string());
        ++files;
    }
    EXPECT_GE(files, 7);
}

TEST(NastyFiles, KnownCorpusFilesGiveTheirRows) {
    EXPECT_EQ(rowsOf("lone_cr.txt"), 1);
    EXPECT_EQ(rowsOf("mixed_line_ends.txt"), 3);
    EXPECT_EQ(rowsOf("nul_bytes.txt"), 2);
    EXPECT_EQ(rowsOf("only_separators.txt"), 0);
    EXPECT_EQ(rowsOf("numbers_everywhere.txt"), 2); // the first line is the header
}

TEST(NastyFiles, ATenMegabyteLineIsOneRowOrNone) {
    std::string bytes = "Nr\tA\tB\tC\tD\n1\t2\t3\t4\t5\t6\t";
    bytes.append(10 * 1024 * 1024, 'x');
    bytes += "\n2\t1\t1\t1\t1\n";
    bytes += std::string(10 * 1024 * 1024, '7'); // one huge number-like line, no tabs
    const auto data = MeasurementFile::parse(bytes);
    ASSERT_EQ(data->anzahl(), 2);
    EXPECT_EQ(data->row(1).farbe, 6);
    expectSane(*data, "long lines");
}

TEST(NastyFiles, RandomBytesNeverBreakTheReader) {
    std::uint64_t state = 42;
    const auto next = [&] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<unsigned char>(state >> 56);
    };
    const char alphabet[] = "0123456789,.-+eE\t\r\n abc\x00\xff\xc3\xa4";
    for (int round = 0; round < 300; ++round) {
        std::string bytes(static_cast<std::size_t>(next()) * 8, '\0');
        for (char& c : bytes) {
            c = alphabet[next() % (sizeof alphabet - 1)];
        }
        expectSane(*MeasurementFile::parse(bytes), "round " + std::to_string(round));
    }
}

} // namespace morvane
