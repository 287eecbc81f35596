#include "base/FileTypes.h"

#include <gtest/gtest.h>

namespace morvane {

TEST(FileTypes, TextFilesOfferEveryExtensionInTheDialogFilter) {
    const std::string filter = FileTypes::pTextFilesTxt.dialogFilter();
    EXPECT_EQ(filter.rfind("Text files (*.txt) (*.asc *.ascii *.bas", 0), 0u);
    EXPECT_NE(filter.find("*.text *.txt)"), std::string::npos);
    EXPECT_EQ(FileTypes::pPref.dialogFilter(), "pref");
}

TEST(FileTypes, MatchesExtensionsIgnoringCase) {
    EXPECT_TRUE(FileTypes::pTextFilesTxt.matches("Daten.TXT"));
    EXPECT_TRUE(FileTypes::pImagePict.matches("bild.pct"));
    EXPECT_FALSE(FileTypes::pImagePict.matches("bild.png"));
    EXPECT_FALSE(FileTypes::pTextFilesTxt.matches("txt"));
}

TEST(FileTypes, RegisteredInTableOrderWithTheirCodes) {
    ASSERT_EQ(FileTypes::all().size(), 5u);
    EXPECT_EQ(FileTypes::all()[0]->type, "TEXT");
    EXPECT_EQ(FileTypes::all()[4]->creator, "TVOD");
    EXPECT_EQ(FileTypes::pVideoQuicktime.extensions.size(), 3u);
}

} // namespace morvane
