// bankc as its users run it: what it refuses, what it writes, and that it
// fails loudly instead of writing a pack the program cannot use.
#include "Cli.h"

#include "TempFolder.h"
#include "core/formats/ResourcePack.h"
#include "core/io/FileIO.h"
#include "core/product/SkinTable.h"

#include <gtest/gtest.h>
#include <sstream>

namespace orbisk::bankc {
namespace {

namespace fs = std::filesystem;
using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;

struct Outcome {
    int code;
    std::string out, err;
};

Outcome run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = Run(args, out, err);
    return {code, out.str(), err.str()};
}

// A copy of the skin folder to spoil.
class SkinCopy {
public:
    SkinCopy() { fs::copy(ORBISK_SKIN_DIR, m_folder.path(), fs::copy_options::recursive); }
    fs::path path() const { return m_folder.path(); }

private:
    TempFolder m_folder;
};

TEST(Bankc, CompilesTheTestBankIntoAPack) {
    TempFolder out;
    const Outcome outcome = run({ORBISK_TESTBANK_DIR, out.path().string(), "--skin", ORBISK_SKIN_DIR});
    ASSERT_EQ(outcome.code, kCompiled) << outcome.err;
    const std::string bytes = files::ReadWholeFile(out / "resources.pack");
    const ResourcePack pack(bytes);
    EXPECT_TRUE(pack.Find(1) && pack.Find(92) && pack.Find(30000) && pack.Find(15001));
}

TEST(Bankc, ASkinFolderThatDoesNotExistIsARefusal) {
    TempFolder out;
    const Outcome outcome = run({ORBISK_TESTBANK_DIR, out.path().string(), "--skin", "/nonexistent/skin"});
    EXPECT_EQ(outcome.code, kRefused);
    EXPECT_NE(outcome.err.find("/nonexistent/skin"), std::string::npos) << outcome.err;
    EXPECT_FALSE(fs::exists(out / "resources.pack"));
}

// Each skin picture and its twin of twice the pixels (NAME@2x.EXT).
class SkinFile : public ::testing::TestWithParam<bool> {
protected:
    static std::string name(const char* picture) {
        return GetParam() ? skin::TwinFileName(picture) : std::string(picture);
    }
};

TEST_P(SkinFile, MissingIsARefusalNamingIt) {
    const SkinCopy skin;
    fs::remove(skin.path() / name("info_mark.gif"));
    TempFolder out;
    const Outcome outcome = run({ORBISK_TESTBANK_DIR, out.path().string(), "--skin", skin.path().string()});
    EXPECT_EQ(outcome.code, kRefused);
    EXPECT_NE(outcome.err.find(name("info_mark.gif") + ": the skin picture is missing"), std::string::npos)
        << outcome.err;
    EXPECT_FALSE(fs::exists(out / "resources.pack"));
}

TEST_P(SkinFile, OfTheWrongSizeIsARefusal) {
    const SkinCopy skin;
    fs::copy_file(skin.path() / name("close_off.bmp"), skin.path() / name("bullet.bmp"),
                  fs::copy_options::overwrite_existing);
    TempFolder out;
    const Outcome outcome = run({ORBISK_TESTBANK_DIR, out.path().string(), "--skin", skin.path().string()});
    EXPECT_EQ(outcome.code, kRefused);
    EXPECT_NE(outcome.err.find(name("bullet.bmp")), std::string::npos) << outcome.err;
}

INSTANTIATE_TEST_SUITE_P(Bankc, SkinFile, ::testing::Bool(),
                         [](const auto& test) { return test.param ? "twin" : "picture"; });

TEST(Bankc, AnOutputFolderThatCannotBeMadeIsARefusalNotACrash) {
    TempFolder out;
    WriteBytes(out / "file", "not a folder");
    const Outcome outcome =
        run({ORBISK_TESTBANK_DIR, (out / "file" / "below").string(), "--skin", ORBISK_SKIN_DIR});
    EXPECT_EQ(outcome.code, kRefused);
    EXPECT_NE(outcome.err.find("could not be written"), std::string::npos) << outcome.err;
}

TEST(Bankc, WrongArgumentsShowTheUsage) {
    for (const auto& args : std::vector<std::vector<std::string>>{{}, {"bank"}, {"a", "b", "--skins", "c"}}) {
        const Outcome outcome = run(args);
        EXPECT_EQ(outcome.code, kUsage);
        EXPECT_NE(outcome.err.find("usage:"), std::string::npos);
    }
}

TEST(Bankc, InspectingSomethingThatIsNotAnArchiveIsARefusal) {
    TempFolder folder;
    WriteBytes(folder / "page.mht", "hello");
    EXPECT_EQ(run({"inspect", (folder / "page.mht").string()}).code, kRefused);
    EXPECT_EQ(run({"inspect", (folder / "missing.mht").string()}).code, kRefused);
}

} // namespace
} // namespace orbisk::bankc
