#include "core/formats/PictureDecoding.h"

#include "core/formats/LittleEndian.h"

#include <gtest/gtest.h>

namespace orbisk::pictures {
namespace {

using endian::WriteLittle;

// The LZW codes of @p indices, each written as a code of its own (a valid
// stream: a reader builds its table, the writer just never uses it).
std::string literalCodes(const std::vector<std::uint8_t>& indices, unsigned minimumCodeSize) {
    const unsigned clear = 1U << minimumCodeSize;
    unsigned codeSize = minimumCodeSize + 1;
    unsigned next = clear + 2;
    bool first = true;
    std::string out;
    std::uint32_t bits = 0;
    unsigned count = 0;
    const auto put = [&](unsigned code) {
        bits |= code << count;
        count += codeSize;
        while (count >= 8) {
            out += static_cast<char>(bits & 0xFF);
            bits >>= 8;
            count -= 8;
        }
    };
    put(clear);
    for (const std::uint8_t index : indices) {
        put(index);
        if (!first && next < 4096 && ++next == (1U << codeSize) && codeSize < 12) {
            ++codeSize;
        }
        first = false;
    }
    put(clear + 1);
    if (count > 0) {
        out += static_cast<char>(bits & 0xFF);
    }
    return out;
}

struct GifPicture {
    int width = 2;
    int height = 2;
    std::vector<std::uint32_t> colours{0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    std::vector<std::uint8_t> indices{0, 1, 2, 3};
    int transparentIndex = -1;
    bool interlaced = false;
};

std::string gifOf(const GifPicture& picture) {
    std::string out = "GIF89a";
    WriteLittle(out, static_cast<std::uint64_t>(picture.width), 2);
    WriteLittle(out, static_cast<std::uint64_t>(picture.height), 2);
    unsigned tableBits = 1;
    while ((2U << (tableBits - 1)) < picture.colours.size()) {
        ++tableBits;
    }
    out += static_cast<char>(0x80 | (tableBits - 1));
    out += std::string(2, '\0');
    for (std::size_t i = 0; i < (std::size_t{1} << tableBits); ++i) {
        const std::uint32_t colour = i < picture.colours.size() ? picture.colours[i] : 0;
        out += static_cast<char>((colour >> 16) & 0xFF);
        out += static_cast<char>((colour >> 8) & 0xFF);
        out += static_cast<char>(colour & 0xFF);
    }
    if (picture.transparentIndex >= 0) {
        out += std::string("\x21\xF9\x04\x01\x00\x00", 6);
        out += static_cast<char>(picture.transparentIndex);
        out += '\0';
    }
    out += '\x2C';
    WriteLittle(out, 0, 4);
    WriteLittle(out, static_cast<std::uint64_t>(picture.width), 2);
    WriteLittle(out, static_cast<std::uint64_t>(picture.height), 2);
    out += static_cast<char>(picture.interlaced ? 0x40 : 0);
    const unsigned minimumCodeSize = std::max(2U, tableBits);
    out += static_cast<char>(minimumCodeSize);
    const std::string codes = literalCodes(picture.indices, minimumCodeSize);
    for (std::size_t at = 0; at < codes.size(); at += 255) {
        const std::string block = codes.substr(at, 255);
        out += static_cast<char>(block.size());
        out += block;
    }
    out += '\0';
    out += ';';
    return out;
}

TEST(GifPictures, ColoursComeFromTheTableRowByRow) {
    const auto pixels = DecodeGif(gifOf({}));
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->width, 2);
    EXPECT_FALSE(pixels->transparent);
    EXPECT_EQ(pixels->argb, (std::vector<std::uint32_t>{0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF}));
}

// Long enough for the codes to outgrow every width up to twelve bits and the
// table to fill.
TEST(GifPictures, ALargePictureReadsThroughEveryCodeWidth) {
    GifPicture picture;
    picture.width = 100;
    picture.height = 60;
    picture.colours.assign(256, 0);
    for (std::size_t i = 0; i < 256; ++i) {
        picture.colours[i] = static_cast<std::uint32_t>(i * 0x010101);
    }
    picture.indices.resize(6000);
    for (std::size_t i = 0; i < picture.indices.size(); ++i) {
        picture.indices[i] = static_cast<std::uint8_t>((i * 7) % 251);
    }
    const auto pixels = DecodeGif(gifOf(picture));
    ASSERT_TRUE(pixels);
    for (std::size_t i = 0; i < picture.indices.size(); ++i) {
        ASSERT_EQ(pixels->argb[i], 0xFF000000U | picture.colours[picture.indices[i]]) << i;
    }
}

TEST(GifPictures, TheTransparentColourKeepsItsColourWithNoAlpha) {
    GifPicture picture;
    picture.transparentIndex = 1;
    const auto pixels = DecodeGif(gifOf(picture));
    ASSERT_TRUE(pixels);
    EXPECT_TRUE(pixels->transparent);
    EXPECT_EQ(pixels->argb[1], 0x00FF0000U);
    EXPECT_EQ(pixels->argb[2], 0xFF00FF00U);
}

// Stored rows 0, 8 | 4 | 2, 6 | 1, 3, 5, 7 of a picture nine rows high.
TEST(GifPictures, AnInterlacedPictureFillsItsRowsInTheirPlaces) {
    GifPicture picture;
    picture.width = 1;
    picture.height = 9;
    picture.interlaced = true;
    picture.colours.assign(16, 0);
    for (std::uint32_t row = 0; row < 9; ++row) {
        picture.colours[row] = row;
    }
    picture.indices = {0, 8, 4, 2, 6, 1, 3, 5, 7};
    const auto pixels = DecodeGif(gifOf(picture));
    ASSERT_TRUE(pixels);
    for (std::uint32_t row = 0; row < 9; ++row) {
        EXPECT_EQ(pixels->argb[row], 0xFF000000U | row) << row;
    }
}

// Whatever this reader does not read whole is left to a general reader,
// never read half-way.
TEST(GifPictures, WhatItCannotReadWholeItLeaves) {
    const std::string whole = gifOf({});
    for (std::size_t cut = 0; cut + 2 < whole.size(); ++cut) { // the end code and trailer may go
        EXPECT_FALSE(DecodeGif(whole.substr(0, cut))) << "cut at " << cut;
    }
    GifPicture outOfTable;
    outOfTable.colours = {0, 1}; // a table of two colours, read with codes for four
    outOfTable.indices = {0, 1, 2, 3};
    EXPECT_FALSE(DecodeGif(gifOf(outOfTable)));
    std::string smallerImage = whole;
    smallerImage[6] = 3; // the picture area is wider than its image
    EXPECT_FALSE(DecodeGif(smallerImage));
    EXPECT_FALSE(DecodeGif("GIF89b" + whole.substr(6)));
}

std::string iconOf(int width, int height, int bits, const std::vector<std::uint32_t>& bottomUpArgb) {
    std::string image;
    WriteLittle(image, 40, 4);
    WriteLittle(image, static_cast<std::uint64_t>(width), 4);
    WriteLittle(image, static_cast<std::uint64_t>(height * 2), 4);
    WriteLittle(image, 1, 2);
    WriteLittle(image, static_cast<std::uint64_t>(bits), 2);
    image += std::string(24, '\0');
    for (const std::uint32_t pixel : bottomUpArgb) {
        WriteLittle(image, pixel, 4);
    }
    image += std::string(static_cast<std::size_t>(4 * height), '\0'); // the mask, unused at 32 bits
    std::string out;
    WriteLittle(out, 0, 2);
    WriteLittle(out, 1, 2);
    WriteLittle(out, 1, 2);
    out += static_cast<char>(width);
    out += static_cast<char>(height);
    out += std::string(2, '\0');
    WriteLittle(out, 1, 2);
    WriteLittle(out, static_cast<std::uint64_t>(bits), 2);
    WriteLittle(out, image.size(), 4);
    WriteLittle(out, 22, 4);
    return out + image;
}

TEST(IconPictures, PixelsAreStoredFromTheBottomRowUpWithTheirAlpha) {
    const auto pixels = DecodeIcon(iconOf(2, 2, 32, {0x80102030, 0xFF405060, 0x00708090, 0x11A0B0C0}));
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->argb, (std::vector<std::uint32_t>{0x00708090, 0x11A0B0C0, 0x80102030, 0xFF405060}));
}

TEST(IconPictures, OtherKindsAndShortFilesAreLeft) {
    const std::string whole = iconOf(2, 2, 32, {1, 2, 3, 4});
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        EXPECT_FALSE(DecodeIcon(whole.substr(0, cut))) << "cut at " << cut;
    }
    EXPECT_FALSE(DecodeIcon(iconOf(2, 2, 24, {1, 2, 3, 4})));
    std::string png = whole;
    png.replace(22, 8, "\x89PNG\r\n\x1A\n");
    EXPECT_FALSE(DecodeIcon(png));
    std::string beyond = whole;
    beyond[18] = '\x7F'; // the image said to lie past the end
    EXPECT_FALSE(DecodeIcon(beyond));
}

} // namespace
} // namespace orbisk::pictures
