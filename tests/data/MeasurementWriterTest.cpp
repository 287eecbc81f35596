#include "data/MeasurementFile.h"
#include "support/TestPaths.h"

#include <csignal>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace morvane {
namespace {

namespace fs = std::filesystem;

// Every field that the file carries, compared bit for bit (NaN equals NaN).
void expectSameData(const Dataset& left, const Dataset& right, const std::string& context) {
    EXPECT_EQ(left.headline, right.headline) << context;
    EXPECT_EQ(left.format, right.format) << context;
    ASSERT_EQ(left.anzahl(), right.anzahl()) << context;
    for (int i = 1; i <= left.anzahl(); ++i) {
        const datarow& l = left.row(i);
        const datarow& r = right.row(i);
        EXPECT_EQ(l.anr, r.anr) << context << " row " << i;
        EXPECT_EQ(l.farbe, r.farbe) << context << " row " << i;
        const double lv[] = {l.a, l.b, l.c, l.d};
        const double rv[] = {r.a, r.b, r.c, r.d};
        EXPECT_EQ(std::memcmp(lv, rv, sizeof lv), 0) << context << " row " << i;
    }
}

std::vector<fs::path> exampleAndFixtureFiles() {
    std::vector<fs::path> files;
    for (const fs::path& folder : {test::examplesDir(), test::fixturesDir() / "files"}) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    }
    return files;
}

// Runs `check` with the rights of an ordinary user and returns its answer. Root may write any
// file, so a test run as root asks a child process that has given up root (for the user nobody).
bool asOrdinaryUser(const std::function<bool()>& check) {
    if (::geteuid() != 0) {
        return check();
    }
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ordinary = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        ::_exit(ordinary && check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

} // namespace

TEST(MeasurementWriter, WritesSixFieldsPerRowWithDecimalComma) {
    auto data = MeasurementFile::parse("Nr\tA\tB\tC\tD\n"
                                       "1\t1,50\t2\t3\t4\t5\t6\t7\n"
                                       "0\t1\t1\t1\t1\n"
                                       "2\t0,1\t1e3\t-0\t1e-7\n");
    EXPECT_EQ(MeasurementFile::serialise(*data), "Nr\tA\tB\tC\tD\n"
                                                 "1\t1,5\t2\t3\t4\t5\n"
                                                 "2\t0,1\t1000\t-0\t1e-07\t0\n");
}

TEST(MeasurementWriter, KeepsLineEndsAndHeaderBytes) {
    for (const std::string& bytes :
         {std::string("Nr\tW\x8Arme\r1\t1\t1\t1\t1\t2\r"),
          std::string("Nr\tW\xE4rme\x81\r\n1\t1\t1\t1\t1\t2\r\n"),
          std::string("\xEF\xBB\xBFNr\tW\xC3\xA4rme\n1\t1\t1\t1\t1\t2\n")}) {
        EXPECT_EQ(MeasurementFile::serialise(*MeasurementFile::parse(bytes)), bytes);
    }
}

TEST(MeasurementWriter, SavedRowsFollowTheCurrentOrder) {
    auto data = MeasurementFile::parse("h\n1\t1\t1\t1\t1\t1\n2\t1\t1\t1\t1\t1\n");
    data->row(1).y = 5;
    data->row(2).y = -5;
    data->sorty();
    EXPECT_EQ(MeasurementFile::serialise(*data), "h\n2\t1\t1\t1\t1\t1\n1\t1\t1\t1\t1\t1\n");
}

TEST(MeasurementWriter, RoundTripOfEveryExampleAndFixtureGivesTheSameData) {
    test::TemporaryFolder folder;
    for (const fs::path& file : exampleAndFixtureFiles()) {
        const auto original = MeasurementFile::load(file);
        ASSERT_TRUE(original) << file;
        const fs::path copy = folder / file.filename().string();
        ASSERT_TRUE(MeasurementFile::save(*original.dataset, copy)) << file;
        const auto reread = MeasurementFile::load(copy);
        ASSERT_TRUE(reread) << copy;
        expectSameData(*original.dataset, *reread.dataset, file.string());
        // Writing again changes nothing at all.
        EXPECT_EQ(MeasurementFile::serialise(*reread.dataset), test::readBytes(copy)) << file;
    }
}

TEST(MeasurementWriter, SuccessfulSaveMarksTheSetUnchangedAndRemembersTheFile) {
    test::TemporaryFolder folder;
    auto data = MeasurementFile::parse("h\n1\t1\t1\t1\t1\t1\n");
    data->changed = 2;
    const fs::path target = folder / "neu.txt";
    ASSERT_TRUE(MeasurementFile::save(*data, target));
    EXPECT_EQ(data->changed, 0);
    EXPECT_EQ(data->file, target);
    EXPECT_EQ(test::readBytes(target), "h\n1\t1\t1\t1\t1\t1\n");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(MeasurementWriter, FailedWriteKeepsTheOldFileAndTheChangeState) {
    // A file size limit makes the write fail half-way, as a full disk would (also for root).
    test::TemporaryFolder folder;
    const fs::path target = folder / "alt.txt";
    test::writeBytes(target, "old contents\n");
    auto data = MeasurementFile::parse("h\n");
    for (int i = 1; i <= 5000; ++i) {
        datarow row;
        row.anr = i;
        row.a = i * 0.125;
        data->addrow(row);
    }
    data->changed = 2;
    data->file = folder / "elsewhere.txt";

    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limited);
    const auto result = MeasurementFile::save(*data, target);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, "File too large");
    EXPECT_EQ(test::readBytes(target), "old contents\n");
    EXPECT_EQ(data->changed, 2);
    EXPECT_EQ(data->file, folder / "elsewhere.txt");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(MeasurementWriter, AFolderInTheWayIsReportedAndLeftAlone) {
    test::TemporaryFolder folder;
    const fs::path target = folder / "ordner.txt";
    fs::create_directories(target / "inhalt");
    auto data = MeasurementFile::parse("h\n");
    const auto result = MeasurementFile::save(*data, target);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(fs::is_directory(target / "inhalt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(MeasurementWriter, SaveIntoAMissingFolderFailsWithAReason) {
    test::TemporaryFolder folder;
    auto data = MeasurementFile::parse("h\n");
    data->changed = 1;
    const auto result = MeasurementFile::save(*data, folder / "gone" / "x.txt");
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, "No such file or directory");
    EXPECT_EQ(data->changed, 1);
}

TEST(MeasurementWriter, AWriteProtectedFileIsNotReplaced) {
    test::TemporaryFolder folder;
    fs::permissions(folder.path(), fs::perms::all); // the folder itself is open to everyone
    const fs::path target = folder / "geschuetzt.txt";
    test::writeBytes(target, "old\n");
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    const bool refused = asOrdinaryUser([&] {
        auto data = MeasurementFile::parse("h\n1\t1\t1\t1\t1\t1\n");
        data->changed = 2;
        const auto result = MeasurementFile::save(*data, target);
        return !result && result.error == "Permission denied" && data->changed == 2 &&
               !data->file.has_value();
    });
    EXPECT_TRUE(refused);
    EXPECT_EQ(test::readBytes(target), "old\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(MeasurementWriter, ANewFileGetsThePermissionsTheUmaskAllows) {
    test::TemporaryFolder folder;
    auto data = MeasurementFile::parse("h\n");
    const mode_t previous = ::umask(027);
    const auto result = MeasurementFile::save(*data, folder / "privat.txt");
    ::umask(previous);
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(fs::status(folder / "privat.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(MeasurementWriter, SaveKeepsPermissionsAndFollowsSymbolicLinks) {
    test::TemporaryFolder folder;
    const fs::path real = folder / "real.txt";
    test::writeBytes(real, "old\n");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::path link = folder / "link.txt";
    fs::create_symlink(real, link);

    auto data = MeasurementFile::parse("h\n");
    ASSERT_TRUE(MeasurementFile::save(*data, link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::readBytes(real), "h\n");
    EXPECT_EQ(fs::status(real).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

} // namespace morvane
