#include "core/formats/mht/Mht.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace orbisk::mht {
namespace {

// An archive as a browser saves it: folded headers, a quoted boundary, LF or
// CR LF line ends, a quoted-printable page in Latin-1 and a base64 picture
// found by its relative Content-Location.
std::string browserArchive(const std::string& eol) {
    std::string text = "From: <Saved by a browser>\n"
                       "Subject: A page\n"
                       "MIME-Version: 1.0\n"
                       "Content-Type: multipart/related;\n"
                       "\ttype=\"text/html\";\n"
                       "\tboundary=\"----=_NextPart_000_0000_01D0\"\n"
                       "\n"
                       "This is a multi-part message in MIME format.\n"
                       "\n"
                       "------=_NextPart_000_0000_01D0\n"
                       "Content-Type: text/html;\n"
                       "\tcharset=\"iso-8859-1\"\n"
                       "Content-Transfer-Encoding: quoted-printable\n"
                       "Content-Location: file:///C:/pages/question.htm\n"
                       "\n"
                       "<html><body><p>Caf=E9 cr=E8me: a very long line that the writer folded with a so=\n"
                       "ft line break, and an =3D sign.</p><img src=3D\"images/dot.gif\"></body></html>\n"
                       "\n"
                       "------=_NextPart_000_0000_01D0\n"
                       "Content-Type: image/gif\n"
                       "Content-Transfer-Encoding: base64\n"
                       "Content-Location: file:///C:/pages/images/dot.gif\n"
                       "\n"
                       "R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7\n"
                       "\n"
                       "------=_NextPart_000_0000_01D0--\n";
    std::string out;
    for (const char c : text) {
        out += c == '\n' ? eol : std::string(1, c);
    }
    return out;
}

class BrowserArchive : public ::testing::TestWithParam<std::string> {};

TEST_P(BrowserArchive, DecodesThePageAndFindsItsPicture) {
    const Archive archive = Read(browserArchive(GetParam()));
    ASSERT_EQ(archive.parts.size(), 2U);
    EXPECT_EQ(archive.Root().contentType, "text/html");
    EXPECT_EQ(archive.Root().charset, "iso-8859-1");
    const std::string text = archive.RootText();
    EXPECT_NE(text.find("Caf\xC3\xA9 cr\xC3\xA8me"), std::string::npos) << text;
    EXPECT_NE(text.find("with a soft line break, and an = sign."), std::string::npos) << text;
    const Part* picture = archive.Resolve("images/dot.gif");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->contentType, "image/gif");
    EXPECT_EQ(picture->body.substr(0, 6), "GIF89a");
    EXPECT_EQ(archive.Resolve("file:///C:/pages/images/dot.gif"), picture);
    EXPECT_EQ(archive.Resolve("./images/../images/dot.gif"), picture);
    EXPECT_EQ(archive.Resolve("images/missing.gif"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Mht, BrowserArchive, ::testing::Values("\n", "\r\n"),
                         [](const auto& test) { return test.param == "\n" ? "lf" : "crlf"; });

TEST(Mht, MailStyleArchiveWithStartPartAndCidReferences) {
    const std::string text = "MIME-Version: 1.0\r\n"
                             "Content-Type: multipart/related; boundary=simple; start=\"<page@x>\"\r\n"
                             "\r\n"
                             "--simple\r\n"
                             "Content-Type: image/png\r\n"
                             "Content-ID: <pic%201@x>\r\n"
                             "Content-Transfer-Encoding: base64\r\n"
                             "\r\n"
                             "iVBORw0KGgo=\r\n"
                             "--simple\r\n"
                             "Content-Type: text/html; charset=utf-8\r\n"
                             "Content-ID: <page@x>\r\n"
                             "\r\n"
                             "<img src=\"cid:pic%25201@x\"> \xE2\x82\xAC\r\n"
                             "--simple--\r\n";
    const Archive archive = Read(text);
    EXPECT_EQ(archive.root, 1U);
    EXPECT_EQ(archive.RootText(), "<img src=\"cid:pic%25201@x\"> \xE2\x82\xAC");
    const Part* picture = archive.Resolve("cid:pic%25201@x");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->body, "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(archive.Resolve("cid:other@x"), nullptr);
}

TEST(Mht, NestedAlternativePartsAreFlattened) {
    const std::string text = "Content-Type: multipart/related; boundary=\"outer\"\n\n"
                             "--outer\n"
                             "Content-Type: multipart/alternative; boundary=\"inner\"\n\n"
                             "--inner\nContent-Type: text/plain\n\nplain\n"
                             "--inner\nContent-Type: text/html\n\n<p>rich</p>\n"
                             "--inner--\n"
                             "--outer\nContent-Type: image/gif\nContent-Location: a.gif\n\nGIF\n"
                             "--outer--\n";
    const Archive archive = Read(text);
    ASSERT_EQ(archive.parts.size(), 3U);
    EXPECT_EQ(archive.RootText(), "<p>rich</p>");
    EXPECT_NE(archive.Resolve("a.gif"), nullptr);
}

struct Damage {
    const char* name;
    std::string text;
};

class Damaged : public ::testing::TestWithParam<Damage> {};

TEST_P(Damaged, ArchivesGiveAnErrorNotACrash) {
    EXPECT_THROW(Read(GetParam().text), MhtError);
}

const std::string kHead = "Content-Type: multipart/related; boundary=\"b\"\r\n\r\n";

INSTANTIATE_TEST_SUITE_P(
    Mht, Damaged,
    ::testing::Values(
        Damage{"truncated_part", kHead + "--b\r\nContent-Type: text/html\r\n\r\n<p>cut he"},
        Damage{"truncated_headers", kHead + "--b\r\nContent-Type: text/h"},
        Damage{"no_parts", kHead + "nothing here\r\n"},
        Damage{"no_boundary", "Content-Type: multipart/related\r\n\r\n--b\r\n\r\nx\r\n--b--\r\n"},
        Damage{"unknown_encoding",
               kHead + "--b\r\nContent-Transfer-Encoding: x-rot13\r\n\r\nabc\r\n--b--\r\n"},
        Damage{"bad_base64", kHead + "--b\r\nContent-Transfer-Encoding: base64\r\n\r\n@@@@\r\n--b--\r\n"},
        Damage{"base64_cut_short",
               kHead + "--b\r\nContent-Transfer-Encoding: base64\r\n\r\nQUJDR\r\n--b--\r\n"},
        Damage{"empty", ""}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Mht, QuotedPrintableKeepsWhatIsNotAnEscape) {
    EXPECT_EQ(DecodeQuotedPrintable("a=3Db=3db =ZZ end="), "a=b=b =ZZ end");
    EXPECT_EQ(DecodeQuotedPrintable("soft=  \r\nbreak=\nhere"), "softbreakhere");
}

TEST(Mht, WrittenArchivesReadBackWhole) {
    std::string html = "<html><body><p>Caf\xC3\xA9 = 100% ";
    html += std::string(300, 'x') + " end </p>\n<p>line two</p></body></html>\n";
    std::string binary;
    for (int i = 0; i < 256; ++i) {
        binary += static_cast<char>(i);
    }
    const std::string written = Write("Question 1", "file:///orbisk/question15001.html", html,
                                      {{"image/png", "file:///orbisk/product.png", "", binary},
                                       {"image/gif", "", "picture15001@orbisk.example", "GIF89a"}});
    for (std::size_t at = 0, end = 0; (end = written.find("\r\n", at)) != std::string::npos; at = end + 2) {
        EXPECT_LE(end - at, 76U) << written.substr(at, end - at);
    }
    const Archive archive = Read(written);
    ASSERT_EQ(archive.parts.size(), 3U);
    // Line breaks travel as CR LF; the last one belongs to the boundary that follows.
    std::string expected;
    for (const char c : html.substr(0, html.size() - 1)) {
        expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    EXPECT_EQ(archive.RootText(), expected);
    ASSERT_NE(archive.Resolve("product.png"), nullptr);
    EXPECT_EQ(archive.Resolve("product.png")->body, binary);
    ASSERT_NE(archive.Resolve("cid:picture15001@orbisk.example"), nullptr);
    EXPECT_EQ(archive.Resolve("cid:picture15001@orbisk.example")->body, "GIF89a");
}

struct CharsetCase {
    std::string bytes;
    std::string charset;
    std::string utf8;
};

class Charsets : public ::testing::TestWithParam<CharsetCase> {};

TEST_P(Charsets, ConvertToUtf8) {
    EXPECT_EQ(ToUtf8(GetParam().bytes, GetParam().charset), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Mht, Charsets,
                         ::testing::Values(CharsetCase{"caf\xE9", "ISO-8859-1", "caf\xC3\xA9"},
                                           CharsetCase{"caf\xE9", "latin1", "caf\xC3\xA9"},
                                           CharsetCase{"\x93quoted\x94", "windows-1252",
                                                       "\xE2\x80\x9Cquoted\xE2\x80\x9D"},
                                           CharsetCase{"caf\xC3\xA9", "utf-8", "caf\xC3\xA9"},
                                           CharsetCase{"bad \xFF byte", "UTF-8", "bad \xEF\xBF\xBD byte"},
                                           CharsetCase{"cut \xC3", "", "cut \xEF\xBF\xBD"}));

struct ReferenceCase {
    const char* base;
    const char* reference;
    const char* resolved;
};

class References : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(References, ResolveAgainstTheBase) {
    EXPECT_EQ(ResolveReference(GetParam().base, GetParam().reference), GetParam().resolved);
}

INSTANTIATE_TEST_SUITE_P(
    Mht, References,
    ::testing::Values(ReferenceCase{"file:///orbisk/page.html", "pic.png", "file:///orbisk/pic.png"},
                      ReferenceCase{"file:///orbisk/page.html", "../pic.png", "file:///pic.png"},
                      ReferenceCase{"http://host/a/b/c.htm", "/d/e.gif", "http://host/d/e.gif"},
                      ReferenceCase{"http://host/a/b/c.htm", "./x/./y.gif", "http://host/a/b/x/y.gif"},
                      ReferenceCase{"http://host/a/", "http://other/z.gif", "http://other/z.gif"},
                      ReferenceCase{"", "plain.gif", "plain.gif"}));

class Twins : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(Twins, NameThePictureWithTwiceThePixels) {
    EXPECT_EQ(TwinReference(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Mht, Twins,
    ::testing::Values(std::pair{"product.png", "product@2x.png"},
                      std::pair{"file:///orbisk/product.png", "file:///orbisk/product@2x.png"},
                      std::pair{"cid:picture15001@orbisk.example", "cid:picture15001-2x@orbisk.example"},
                      std::pair{"http://host/a.b/pic?x=1.5", "http://host/a.b/pic@2x?x=1.5"}));

// Mutated archives, bytes flipped, cut and repeated at random: the reader may
// refuse them but must not crash, hang or read outside its input.
TEST(Mht, SurvivesMutatedInput) {
    const std::string seed = Write("Q", "file:///orbisk/q.html", "<p>page =\n text</p>",
                                   {{"image/png", "file:///orbisk/p.png", "", std::string(200, '\x7f')}}) +
                             browserArchive("\n");
    std::mt19937 random(20261208);
    for (int round = 0; round < 3000; ++round) {
        std::string mutated = seed;
        const int edits = 1 + static_cast<int>(random() % 8);
        for (int e = 0; e < edits && !mutated.empty(); ++e) {
            const std::size_t at = random() % mutated.size();
            switch (random() % 4) {
            case 0:
                mutated[at] = static_cast<char>(random() % 256);
                break;
            case 1:
                mutated.erase(at, random() % 40);
                break;
            case 2:
                mutated.insert(at, mutated.substr(random() % mutated.size(), random() % 30));
                break;
            default:
                mutated.resize(at);
            }
        }
        try {
            const Archive archive = Read(mutated);
            (void)archive.RootText();
            (void)archive.Resolve("p.png");
        } catch (const MhtError&) {
        }
    }
}

} // namespace
} // namespace orbisk::mht
