#include "data/MeasurementFile.h"
#include "data/MeasurementParser.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

namespace morvane {

namespace {

std::shared_ptr<Dataset> parse(const std::string& bytes) {
    return MeasurementFile::parse(bytes);
}

std::vector<int> sampleNumbers(const Dataset& data) {
    std::vector<int> numbers;
    for (int i = 1; i <= data.anzahl(); ++i) {
        numbers.push_back(data.row(i).anr);
    }
    return numbers;
}

} // namespace

TEST(MeasurementReader, ReadsHeaderNamesAndRows) {
    const auto data = parse("Nr\tSiO2\tAl2O3\tFeO\tMgO\tFarbe\n"
                            "1\t49,5\t15\t10,5\t7,5\t9\n"
                            "2\t72,0\t14,0\t2,2\t0,6\t12\n");
    EXPECT_EQ(data->headline, "Nr\tSiO2\tAl2O3\tFeO\tMgO\tFarbe");
    EXPECT_EQ(data->a, "SiO2");
    EXPECT_EQ(data->d, "MgO");
    ASSERT_EQ(data->anzahl(), 2);
    EXPECT_EQ(data->row(1).a, 49.5);
    EXPECT_EQ(data->row(1).farbe, 9);
    EXPECT_EQ(data->row(2).RelA, 72.0 / (((72.0 + 14.0) + 2.2) + 0.6));
    EXPECT_EQ(data->changed, 0);
    EXPECT_FALSE(data->file.has_value());
}

TEST(MeasurementReader, FieldCountsDecideWhichLinesAreRows) {
    const auto data = parse("header\n"
                            "1\t1\t2\t3\t4\n"           // five fields: colour 0
                            "2\t1\t2\t3\n"              // four fields: skipped
                            "\n"                        // blank: skipped
                            "3\t1\t2\t3\t4\t5\t6\t7\n"  // eight fields: read
                            "0\t1\t1\t1\t1\t1\n"        // sample number 0: dropped
                            "-4\t1\t1\t1\t1\t1\n"       // negative: dropped
                            "x\t1\t1\t1\t1\t1\n"        // no number: 0, dropped
                            "5,9\t1\t1\t1\t1\t15,7\n"); // truncated: 5 and colour 15
    EXPECT_EQ(sampleNumbers(*data), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(data->row(1).farbe, 0);
    EXPECT_EQ(data->row(2).farbe, 5);
    EXPECT_EQ(data->row(3).farbe, 15);
}

TEST(MeasurementReader, HugeSampleNumbersDropTheRowAndHugeColoursSaturate) {
    const auto data = parse("h\n1e10\t1\t1\t1\t1\t1\nnan\t1\t1\t1\t1\t1\n"
                            "2\t1\t1\t1\t1\t99999999999\n3\t1\t1\t1\t1\t-1e300\n");
    EXPECT_EQ(sampleNumbers(*data), (std::vector<int>{2, 3}));
    EXPECT_EQ(data->row(1).farbe, 2147483647);
    EXPECT_EQ(data->row(2).farbe, -2147483647 - 1);
}

TEST(MeasurementReader, HeaderOnlyAndEmptyFiles) {
    const auto headerOnly = parse("Nr\tSi");
    EXPECT_EQ(headerOnly->anzahl(), 0);
    EXPECT_EQ(headerOnly->headline, "Nr\tSi");
    EXPECT_EQ(headerOnly->a, "Si");
    EXPECT_EQ(headerOnly->b, "B");

    const auto empty = parse("");
    EXPECT_EQ(empty->anzahl(), 0);
    EXPECT_EQ(empty->headline, "");
    EXPECT_EQ(empty->a, "A");
}

struct LineEndCase {
    const char* name;
    std::string bytes;
    LineEnd expected;
};

void PrintTo(const LineEndCase& lineEndCase, std::ostream* out) {
    *out << lineEndCase.name;
}

class LineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEnds, AreAllReadAndTheFirstIsRemembered) {
    const auto data = parse(GetParam().bytes);
    EXPECT_EQ(data->headline, "h");
    EXPECT_EQ(sampleNumbers(*data), (std::vector<int>{1, 2}));
    EXPECT_EQ(data->row(2).d, 4.5);
    EXPECT_EQ(data->format.lineEnd, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, LineEnds,
    ::testing::Values(LineEndCase{"LF", "h\n1\t1\t2\t3\t4\n2\t1\t2\t3\t4,5\n", LineEnd::LF},
                      LineEndCase{"CRLF", "h\r\n1\t1\t2\t3\t4\r\n2\t1\t2\t3\t4,5\r\n",
                                  LineEnd::CRLF},
                      LineEndCase{"CR", "h\r1\t1\t2\t3\t4\r2\t1\t2\t3\t4,5", LineEnd::CR},
                      LineEndCase{"Mixed", "h\r\n1\t1\t2\t3\t4\r2\t1\t2\t3\t4,5\n", LineEnd::CRLF}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(MeasurementReader, ChunkBoundariesDoNotMatter) {
    const std::string bytes = "Nr\tA\tB\tC\tD\r\n1\t1,25\t2\t3\t4\t7\r\n\r\n"
                              "22\t5\t6\t7\t8,5\t3\r33\t1\t1\t1\t1\n44\t2\t2\t2\t2\t2\r";
    const auto whole = parse(bytes);
    for (std::size_t chunk = 1; chunk <= 7; ++chunk) {
        MeasurementParser parser;
        for (std::size_t at = 0; at < bytes.size(); at += chunk) {
            parser.feed(std::string_view(bytes).substr(at, chunk));
        }
        const auto pieces = parser.finish();
        EXPECT_EQ(MeasurementFile::serialise(*pieces), MeasurementFile::serialise(*whole))
            << "chunk size " << chunk;
        EXPECT_EQ(pieces->format, whole->format);
    }
    EXPECT_EQ(sampleNumbers(*whole), (std::vector<int>{1, 22, 33, 44}));
}

TEST(MeasurementReader, EncodingFollowsTheBytes) {
    const auto utf8 = parse("Nr\tSiO\xE2\x82\x82\tB\tC\tD\n");
    EXPECT_EQ(utf8->format.encoding, TextEncoding::Utf8);
    EXPECT_EQ(utf8->a, "SiO\xE2\x82\x82");

    const auto bom = parse("\xEF\xBB\xBFNr\tW\xC3\xA4rme\n1\t1\t1\t1\t1\n");
    EXPECT_EQ(bom->format.encoding, TextEncoding::Utf8WithBom);
    EXPECT_EQ(bom->headline, "Nr\tW\xC3\xA4rme");

    const auto windows = parse("Nr\tW\xE4rme\r\n1\t1\t1\t1\t1\r\n");
    EXPECT_EQ(windows->format.encoding, TextEncoding::Windows1252);
    EXPECT_EQ(windows->a, "W\xC3\xA4rme");

    const auto mac = parse("Nr\tW\x8Arme\r1\t1\t1\t1\t1\r");
    EXPECT_EQ(mac->format.encoding, TextEncoding::MacRoman);
    EXPECT_EQ(mac->a, "W\xC3\xA4rme");
}

TEST(MeasurementReader, Utf16TextIsRefusedWithAReason) {
    test::TemporaryFolder folder;
    const std::string text = "Nr\tSiO2\tAl2O3\tFeO\tMgO\r\n1\t1\t1\t1\t1\r\n";
    std::string littleEndian = "\xFF\xFE";
    std::string bigEndian = "\xFE\xFF";
    for (const char c : text) {
        littleEndian += {c, '\0'};
        bigEndian += {'\0', c};
    }
    for (const std::string& bytes : {littleEndian, bigEndian}) {
        test::writeBytes(folder / "unicode.txt", bytes);
        const auto loaded = MeasurementFile::load(folder / "unicode.txt");
        EXPECT_FALSE(loaded);
        EXPECT_EQ(loaded.error, "UTF-16 text, which is not read: save the file as UTF-8 or "
                                "Windows text (tab-separated)");
    }
}

TEST(MeasurementReader, LoadSetsTheFileAndReportsUnreadableFiles) {
    test::TemporaryFolder folder;
    const auto path = folder / "daten.txt";
    test::writeBytes(path, "h\n1\t1\t1\t1\t1\t1\n");
    const auto loaded = MeasurementFile::load(path);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded.dataset->file, path);

    const auto missing = MeasurementFile::load(folder / "missing.txt");
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.error, "No such file or directory");
    EXPECT_FALSE(MeasurementFile::load(folder.path()));
}

} // namespace morvane
