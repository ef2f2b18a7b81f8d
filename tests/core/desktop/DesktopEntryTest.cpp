#include "core/desktop/DesktopEntry.h"

#include <gtest/gtest.h>

namespace orbisk::desktop {
namespace {

using Args = std::vector<std::string>;
constexpr std::string_view kAddress = "http://www.orbisk.example/eduprog.html";
const std::string A(kAddress);

struct ExecCase {
    const char* name;
    const char* exec;
    std::optional<Args> command;
};

class Exec : public ::testing::TestWithParam<ExecCase> {};

TEST_P(Exec, ExpandsToTheCommandForTheAddress) {
    const ExecCase& c = GetParam();
    EXPECT_EQ(ExpandExecLine(c.exec, kAddress), c.command);
}

INSTANTIATE_TEST_SUITE_P(
    DesktopEntry, Exec,
    ::testing::Values(
        ExecCase{"single_url", "firefox %u", Args{"firefox", A}},
        ExecCase{"url_list", "/usr/bin/chromium --new-window %U",
                 Args{"/usr/bin/chromium", "--new-window", A}},
        ExecCase{"single_file", "viewer %f", Args{"viewer", A}},
        ExecCase{"file_list", "viewer -x %F", Args{"viewer", "-x", A}},
        ExecCase{"no_field_code_appends_the_address", "browser --private", Args{"browser", "--private", A}},
        ExecCase{"code_inside_an_argument", "browser --url=%u", Args{"browser", "--url=" + A}},
        ExecCase{"quoted_program_with_a_blank", "\"/opt/My Browser/run\" %u", Args{"/opt/My Browser/run", A}},
        ExecCase{"escapes_inside_quotes", R"(sh -c "echo \"\$1\\\`" %u)",
                 Args{"sh", "-c", R"(echo "$1\`)", A}},
        ExecCase{"empty_quoted_argument_kept", "browser \"\" %u", Args{"browser", "", A}},
        ExecCase{"double_percent_is_literal", "browser --zoom=100%% %u", Args{"browser", "--zoom=100%", A}},
        ExecCase{"percent_alone_still_appends", "browser 50%%", Args{"browser", "50%", A}},
        ExecCase{"icon_name_and_location_dropped", "browser %i %c %k %u", Args{"browser", A}},
        ExecCase{"deprecated_codes_dropped", "browser %d %D %n %N %v %m %u", Args{"browser", A}},
        ExecCase{"runs_of_blanks_and_tabs", "  browser \t  %u  ", Args{"browser", A}},
        ExecCase{"unclosed_quote_refused", "\"browser %u", std::nullopt},
        ExecCase{"blank_line_refused", "   ", std::nullopt},
        ExecCase{"only_dropped_codes_refused", "%i %c", std::nullopt},
        ExecCase{"empty_program_refused", "\"\" %u", std::nullopt}),
    [](const auto& test) { return std::string(test.param.name); });

struct EntryCase {
    const char* name;
    const char* file;
    std::optional<std::string> exec;
};

class Entry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(Entry, GivesTheExecOfTheDesktopEntryGroup) {
    EXPECT_EQ(ExecLine(GetParam().file), GetParam().exec);
}

INSTANTIATE_TEST_SUITE_P(
    DesktopEntry, Entry,
    ::testing::Values(EntryCase{"plain", "[Desktop Entry]\nName=Web\nExec=web %u\n", "web %u"},
                      EntryCase{"crlf_and_blanks", "[Desktop Entry]\r\nExec = web %u \r\n", "web %u"},
                      EntryCase{"action_group_ignored",
                                "[Desktop Action new]\nExec=web --new %u\n[Desktop Entry]\nExec=web %u\n",
                                "web %u"},
                      EntryCase{"group_after_entry_ignored",
                                "[Desktop Entry]\nName=Web\n[Desktop Action x]\nExec=web -x\n", std::nullopt},
                      EntryCase{"similar_keys_ignored",
                                "[Desktop Entry]\nTryExec=web\nExecX=no\n# Exec=no\nExec=web\n", "web"},
                      EntryCase{"value_escapes_undone",
                                "[Desktop Entry]\nExec=web\\s--a \\\\\\$ \"\\\\\"\"\n",
                                "web --a \\\\$ \"\\\"\""},
                      EntryCase{"blank_value", "[Desktop Entry]\nExec=  \n", std::nullopt},
                      EntryCase{"no_entry_group", "Exec=web %u\n", std::nullopt}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(DesktopEntry, ApplicationFoldersFollowTheXdgDefaultsAndSkipRelativeOnes) {
    using Paths = std::vector<std::filesystem::path>;
    EXPECT_EQ(ApplicationFolders("", "", "/home/kim"),
              (Paths{"/home/kim/.local/share/applications", "/usr/local/share/applications",
                     "/usr/share/applications"}));
    EXPECT_EQ(ApplicationFolders("/data", "/a:relative/b::/c", "/home/kim"),
              (Paths{"/data/applications", "/a/applications", "/c/applications"}));
    EXPECT_EQ(ApplicationFolders("relative", "/a", ""), (Paths{"/a/applications"}));
}

TEST(DesktopEntry, IdsFromTheAnswerOfTheDesktop) {
    EXPECT_EQ(DesktopIds("firefox.desktop\n"), (std::vector<std::string>{"firefox.desktop"}));
    EXPECT_EQ(DesktopIds(" a.desktop; b.desktop;\n"), (std::vector<std::string>{"a.desktop", "b.desktop"}));
    EXPECT_TRUE(DesktopIds("").empty());
    EXPECT_TRUE(DesktopIds("\n").empty());
    EXPECT_TRUE(DesktopIds("no default\n").empty());
}

TEST(DesktopEntry, CandidatesTakeDashesAsFolderLevelsAndRefuseOtherPaths) {
    using Paths = std::vector<std::filesystem::path>;
    EXPECT_EQ(DesktopFileCandidates("/apps", "web.desktop"), (Paths{"/apps/web.desktop"}));
    EXPECT_EQ(DesktopFileCandidates("/apps", "kde4-my-web.desktop"),
              (Paths{"/apps/kde4-my-web.desktop", "/apps/kde4/my-web.desktop", "/apps/kde4/my/web.desktop"}));
    EXPECT_TRUE(DesktopFileCandidates("/apps", "../evil.desktop").empty());
    EXPECT_TRUE(DesktopFileCandidates("/apps", "sub/web.desktop").empty());
}

} // namespace
} // namespace orbisk::desktop
