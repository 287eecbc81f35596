#include "data/TextCodec.h"

#include <gtest/gtest.h>

namespace morvane {

TEST(TextCodec, RecognisesWellFormedUtf8Only) {
    EXPECT_TRUE(TextCodec::isValidUtf8("plain ascii text, long enough for blocks"));
    EXPECT_TRUE(TextCodec::isValidUtf8("Fe\xC3\xB6 \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_FALSE(TextCodec::isValidUtf8("Fe\xF6"));           // Latin-1 o umlaut
    EXPECT_FALSE(TextCodec::isValidUtf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(TextCodec::isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(TextCodec::isValidUtf8("\xE2\x82"));         // truncated
    EXPECT_FALSE(TextCodec::isValidUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
}

TEST(TextCodec, LegacyEncodingsRoundTripEveryByte) {
    std::string allBytes;
    for (int byte = 1; byte < 256; ++byte) {
        allBytes.push_back(static_cast<char>(byte));
    }
    for (TextEncoding encoding : {TextEncoding::Windows1252, TextEncoding::MacRoman}) {
        const std::string text = TextCodec::decode(allBytes, encoding);
        EXPECT_TRUE(TextCodec::isValidUtf8(text));
        EXPECT_EQ(TextCodec::encode(text, encoding), allBytes);
    }
}

TEST(TextCodec, DecodesTheUsualLetters) {
    EXPECT_EQ(TextCodec::decode("Gl\xE4ttung \x80", TextEncoding::Windows1252),
              "Gl\xC3\xA4ttung \xE2\x82\xAC");
    EXPECT_EQ(TextCodec::decode("Gl\x8Atten", TextEncoding::MacRoman), "Gl\xC3\xA4tten");
    EXPECT_EQ(TextCodec::encode("\xE2\x98\x83", TextEncoding::MacRoman), "?");
}

} // namespace morvane
