#include "core/product/SkinTable.h"

#include "core/formats/PictureHeader.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <set>

namespace orbisk::skin {
namespace {

TEST(SkinTable, HoldsPictures1To37And41To92) {
    std::set<int> ids;
    for (const SkinPicture& picture : SkinPictures()) {
        ids.insert(picture.id);
    }
    EXPECT_EQ(ids.size(), 89U);
    for (int id = 1; id <= 92; ++id) {
        EXPECT_EQ(ids.count(id), (id >= 38 && id <= 40) ? 0U : 1U) << id;
    }
}

TEST(SkinTable, NamesMatchWithoutRegardToCase) {
    ASSERT_NE(FindSkinPicture("Pencil.ico"), nullptr);
    EXPECT_EQ(FindSkinPicture("Pencil.ico")->id, 86);
    EXPECT_EQ(FindSkinPicture("LOGO.GIF")->name, "Logo.gif");
    EXPECT_EQ(FindSkinPicture("handle.bmp")->id, 82);
    EXPECT_EQ(FindSkinPicture("pencil.icon"), nullptr);
}

std::string bmpHeader(int width, std::int32_t height, int bits) {
    std::string bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    bytes[18] = static_cast<char>(width);
    const auto rows = static_cast<std::uint32_t>(height);
    for (int i = 0; i < 4; ++i) {
        bytes[static_cast<std::size_t>(22 + i)] = static_cast<char>((rows >> (8 * i)) & 0xFF);
    }
    bytes[28] = static_cast<char>(bits);
    return bytes;
}

struct HeightCase {
    const char* name;
    std::int32_t stored;
    std::int64_t rows;
    bool matchesTab; // the 79 x 26 tab picture
};

class BmpHeight : public ::testing::TestWithParam<HeightCase> {};

TEST_P(BmpHeight, IsTheNumberOfRowsWhicheverWayTheyAreStored) {
    const auto info = ReadPictureHeader(bmpHeader(79, GetParam().stored, 8));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->height, GetParam().rows);
    EXPECT_EQ(MatchesTable(bmpHeader(79, GetParam().stored, 8), *FindSkinPicture(41)), GetParam().matchesTab);
}

INSTANTIATE_TEST_SUITE_P(
    PictureHeader, BmpHeight,
    ::testing::Values(HeightCase{"bottom_up", 26, 26, true}, HeightCase{"top_down", -26, 26, true},
                      // Once negated in 32 bits: undefined behaviour on a hostile picture.
                      HeightCase{"most_negative", INT32_MIN, 2147483648LL, false},
                      HeightCase{"largest", INT32_MAX, INT32_MAX, false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(PictureHeader, ReadsTheSizeOfAPagePicture) {
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x01\x04\0\0\0\x50", 24); // 260 x 80
    EXPECT_EQ(ReadPageImageSize(png), (PixelSize{260, 80}));
    // A JPEG's size is in its frame header, after the segments before it.
    const std::string jpeg("\xFF\xD8\xFF\xE0\0\x04"
                           "ab\xFF\xC2\0\x0b\x08\0\x30\x01\x02",
                           17);
    EXPECT_EQ(ReadPageImageSize(jpeg), (PixelSize{258, 48}));
    for (std::size_t cut : {4U, 10U, 16U}) {
        EXPECT_EQ(ReadPageImageSize(jpeg.substr(0, cut)), std::nullopt) << cut;
    }
    EXPECT_EQ(ReadPageImageSize(png.substr(0, 20)), std::nullopt);
}

TEST(PictureHeader, ChecksFormatSizeAndDepthAgainstTheTable) {
    const SkinPicture& tab = *FindSkinPicture(41); // 79 x 26, 8 bits
    EXPECT_TRUE(MatchesTable(bmpHeader(79, 26, 8), tab));
    EXPECT_FALSE(MatchesTable(bmpHeader(79, 26, 24), tab));
    EXPECT_FALSE(MatchesTable(bmpHeader(79, 27, 8), tab));
    std::string gif = "GIF89a";
    gif += std::string("\xCC\x00\x17\x00", 4); // 204 x 23
    EXPECT_TRUE(MatchesTable(gif, *FindSkinPicture(89)));
    EXPECT_FALSE(MatchesTable(gif, *FindSkinPicture(88)));
    std::string ico("\0\0\1\0\1\0\x10\x10", 8);
    ico += std::string(14, '\0');
    EXPECT_TRUE(MatchesTable(ico, *FindSkinPicture(86)));
    ico[4] = 2; // two images
    EXPECT_FALSE(MatchesTable(ico, *FindSkinPicture(86)));
    EXPECT_FALSE(ReadPictureHeader("not a picture").has_value());
}

} // namespace
} // namespace orbisk::skin
