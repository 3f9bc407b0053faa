#include "language/catalogue.h"
#include "language/compiled_catalogues.h"
#include "language/formatted_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

TEST(Catalogue, TranslatesARomanianTextAndLeavesRomanianAndUnknownTextsAsTheyAre) {
    const char* romanian = "Pas simulare = %d\n";
    EXPECT_STREQ(translated(Language::English, romanian), "Simulation step = %d\n");
    EXPECT_EQ(translated(Language::Romanian, romanian), romanian);
    const char* unknown = "Pas simulare = %d"; // a text the catalogue does not hold
    EXPECT_EQ(translated(Language::English, unknown), unknown);
    EXPECT_STREQ(translated(Language::English, ""), ""); // never the catalogue's header
}

// Every cut of the catalogue, and the catalogue with any one byte changed, is read without a fault: a lookup
// then gives a NUL-terminated text inside the bytes, or none. Under the sanitizers a read outside fails.
TEST(Catalogue, ReadsACutOrDamagedCatalogueWithoutReadingOutsideIt) {
    const MessageCatalogue whole = englishCatalogue();
    const std::vector<unsigned char> bytes(whole.bytes, whole.bytes + whole.size);
    ASSERT_GT(bytes.size(), 20u);
    for (std::size_t size = 0; size < bytes.size(); size += 7) {
        const std::vector<unsigned char> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        const char* found = catalogueTranslation({cut.data(), cut.size()}, "Bloc");
        if (found != nullptr) {
            const auto* start = reinterpret_cast<const char*>(cut.data());
            ASSERT_GE(found, start);
            ASSERT_LT(found + std::strlen(found), start + cut.size());
        }
    }
    for (std::size_t at = 0; at < 64 && at < bytes.size(); ++at) {
        std::vector<unsigned char> damaged = bytes;
        damaged[at] = static_cast<unsigned char>(damaged[at] ^ 0xa5);
        catalogueTranslation({damaged.data(), damaged.size()}, "Bloc");
    }
    EXPECT_STREQ(catalogueTranslation(whole, "Bloc"), "Block");
}

// A sentence filled with a long list (a link naming many fields, a dialog with every field wrong) is kept whole.
TEST(Catalogue, AFilledPatternKeepsAllOfAValueHoweverLong) {
    const std::string names(5000, 'x');
    EXPECT_EQ(formattedText("Campurile %s nu tin numere.", names.c_str()), "Campurile " + names + " nu tin numere.");
    EXPECT_EQ(formattedText("%s", ""), "");
}

} // namespace
