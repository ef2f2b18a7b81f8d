#include "core/formats/ResourcePack.h"

#include "TempFolder.h"
#include "core/formats/Extract.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace orbisk {
namespace {

using orbisk::testing::ReadBytes;
using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;

std::map<int, std::string> sample() {
    return {{1, "about"}, {92, std::string("gif\0bytes", 9)}, {15001, "page"}, {30000, ""}, {30126, "#TRD#"}};
}

TEST(ResourcePack, FindsEveryResourceByNumberAndNothingElse) {
    const std::string bytes = BuildResourcePack(sample());
    const ResourcePack pack(bytes);
    EXPECT_EQ(pack.Ids(), (std::vector<int>{1, 92, 15001, 30000, 30126}));
    for (const auto& [id, content] : sample()) {
        ASSERT_TRUE(pack.Find(id).has_value()) << id;
        EXPECT_EQ(*pack.Find(id), content);
    }
    for (const int absent : {0, 2, 38, 15002, 30001, 65535, -1}) {
        EXPECT_FALSE(pack.Find(absent).has_value()) << absent;
    }
}

TEST(ResourcePack, LaysTheBytesInPlacementOrderAndStillFindsEachByNumber) {
    // The page and the template first, the pictures last; the table stays in id order.
    const std::string bytes = BuildResourcePack(sample(), [](int id) { return id >= 15000 ? 0 : 1; });
    EXPECT_LT(bytes.find("page"), bytes.find("about"));
    EXPECT_LT(bytes.find("#TRD#"), bytes.find("about"));
    const ResourcePack pack(bytes);
    EXPECT_EQ(pack.Ids(), (std::vector<int>{1, 92, 15001, 30000, 30126}));
    for (const auto& [id, content] : sample()) {
        ASSERT_TRUE(pack.Find(id).has_value()) << id;
        EXPECT_EQ(*pack.Find(id), content);
    }
}

struct BrokenPack {
    const char* name;
    std::string bytes;
};

class Broken : public ::testing::TestWithParam<BrokenPack> {};

TEST_P(Broken, PacksAreRefused) {
    EXPECT_THROW(ResourcePack{GetParam().bytes}, PackError);
}

std::string cut(std::size_t keep) {
    return BuildResourcePack(sample()).substr(0, keep);
}

std::string withEntryOffset(std::uint64_t offset) {
    std::string bytes = BuildResourcePack({{1, "abc"}});
    for (int i = 0; i < 8; ++i) {
        bytes[16 + 8 + static_cast<std::size_t>(i)] = static_cast<char>((offset >> (8 * i)) & 0xFF);
    }
    return bytes;
}

std::string outOfOrder() {
    std::string bytes = BuildResourcePack({{1, "a"}, {2, "b"}});
    bytes[16] = 5; // the first entry now claims id 5, ahead of 2
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(ResourcePack, Broken,
                         ::testing::Values(BrokenPack{"empty", ""},
                                           BrokenPack{"wrong_signature", "NOTAPACK" + std::string(8, '\0')},
                                           BrokenPack{"table_cut_short", cut(30)},
                                           BrokenPack{"data_cut_short",
                                                      cut(BuildResourcePack(sample()).size() - 3)},
                                           BrokenPack{"offset_past_the_end", withEntryOffset(1u << 20)},
                                           BrokenPack{"offset_overflows", withEntryOffset(~0ULL)},
                                           BrokenPack{"ids_out_of_order", outOfOrder()}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(ExtractResource, WritesTheBytesAndCutsALongerFileToLength) {
    TempFolder folder;
    MapResourceSource source;
    source.Set(30121, "#TRD#");
    const auto path = folder / "marks2ENG.txt";
    WriteBytes(path, std::string(2048, 'x'));
    EXPECT_EQ(ExtractResource(source, 30121, "Custom", path), 0);
    EXPECT_EQ(ReadBytes(path), "#TRD#");
}

TEST(ExtractResource, FailuresReturnANumberAndCreateNothing) {
    TempFolder folder;
    MapResourceSource source;
    source.Set(7, "x");
    const auto missingFolder = folder / "absent" / "file.bmp";
    EXPECT_NE(ExtractResource(source, 7, "Custom", missingFolder), 0);
    EXPECT_FALSE(std::filesystem::exists(missingFolder.parent_path()));
    EXPECT_EQ(ExtractResource(source, 8, "Custom", folder / "a"), ENOENT);
    EXPECT_EQ(ExtractResource(source, 7, "Bitmap", folder / "a"), EINVAL);
    EXPECT_FALSE(std::filesystem::exists(folder / "a"));
}

} // namespace
} // namespace orbisk
