#include "PageHtml.h"

#include "Gaps.h"
#include "core/practice/TextSize.h"
#include "core/product/AnswerKinds.h"

namespace orbisk::bankc {

namespace {

std::string escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

constexpr const char* kGap = "<span class=\"gap\">__________</span>";

// Escaped text with every run of three or more underscores shown as a gap.
std::string withGaps(std::string_view text) {
    const std::string escaped = escape(text);
    std::string out;
    std::size_t from = 0;
    for (const auto& [at, length] : FindUnderscoreRuns(escaped)) {
        out.append(escaped, from, at - from);
        out += kGap;
        from = at + length;
    }
    out.append(escaped, from);
    return out;
}

std::string letter(std::size_t index) {
    return "(" + std::string(1, static_cast<char>('a' + index)) + ")";
}

// Paragraphs of a passage: lines joined, a blank line starting a new paragraph.
std::vector<std::string> paragraphs(std::string_view text) {
    std::vector<std::string> out;
    std::string current;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = text.find('\n', at);
        std::string_view line =
            text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
            line.remove_suffix(1);
        }
        while (!line.empty() && line.front() == ' ') {
            line.remove_prefix(1);
        }
        if (line.empty()) {
            if (!current.empty()) {
                out.push_back(current);
                current.clear();
            }
        } else {
            current += (current.empty() ? "" : " ") + std::string(line);
        }
        if (end == std::string_view::npos) {
            break;
        }
        at = end + 1;
    }
    if (!current.empty()) {
        out.push_back(current);
    }
    return out;
}

// The options, numbered from 1; with @p answer (from 1) each is also a link
// that answers it: "answer:K:N".
std::string optionsTable(const std::vector<std::string>& options, std::size_t answer) {
    std::string html = "<table class=\"options\" cellspacing=\"6\" cellpadding=\"3\">\n";
    for (std::size_t i = 0; i < options.size(); ++i) {
        std::string number = std::to_string(i + 1);
        std::string text = escape(options[i]);
        if (answer > 0) {
            const std::string link =
                "<a class=\"pick\" href=\"answer:" + std::to_string(answer) + ":" + number + "\">";
            number = link + number + "</a>";
            text = link + text + "</a>";
        }
        html += "<tr><td class=\"num\" width=\"26\" align=\"center\">" + number +
                "</td><td class=\"option\">" + text + "</td></tr>\n";
    }
    return html + "</table>\n";
}

// The answer (from 1) the options of slot @p slot answer, or 0 when they are not links.
std::size_t pickedAnswer(const Question& question, std::size_t slot) {
    return OptionsShown(question, slot) > 0 ? slot + 1 : 0;
}

std::string passageBox(std::string_view passage, bool cloze) {
    std::string html = "<table class=\"passage\" width=\"100%\" cellpadding=\"10\"><tr><td>\n";
    for (const std::string& paragraph : paragraphs(passage)) {
        std::string text = escape(paragraph);
        if (cloze) {
            // The checks have made every gap's number 1 to its answer count.
            std::string replaced;
            std::size_t from = 0;
            for (const Gap& gap : FindGaps(text)) {
                replaced.append(text, from, gap.offset - from);
                replaced += "<b class=\"gapmark\">" +
                            letter(static_cast<std::size_t>(gap.number.value_or(1) - 1)) + "</b>&nbsp;" +
                            kGap;
                from = gap.offset + gap.length;
            }
            replaced.append(text, from);
            text = replaced;
        } else {
            text = withGaps(paragraph);
        }
        html += "<p>" + text + "</p>\n";
    }
    return html + "</td></tr></table>\n";
}

// The words to put in order, as tiles that wrap onto more lines between them and never inside one:
// each tile is a run of non-breaking text (its padding and its own spaces too), and a plain space
// stands between two tiles. A table's cells would shrink below their words on a narrow page.
std::string wordBox(const std::vector<std::string>& words) {
    std::string html = "<p class=\"words\">";
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string tile;
        for (const char c : escape(words[i])) {
            tile += c == ' ' ? std::string("&nbsp;") : std::string(1, c);
        }
        html += (i > 0 ? " " : "") + std::string("<span class=\"word\">&nbsp;") + tile + "&nbsp;</span>";
    }
    return html + "</p>\n";
}

// The mark the learner's sentence must end with, named and shown.
std::string endMark(const std::string& sentence) {
    const char mark = sentence.empty() ? '.' : sentence.back();
    const char* name = mark == '?' ? "a question mark" : mark == '!' ? "an exclamation mark" : "a full stop";
    return std::string("<p class=\"endmark\">End your sentence with ") + name + ": <b>" + mark + "</b></p>\n";
}

} // namespace

int OptionsShown(const Question& question, std::size_t slot) {
    if (slot >= question.slots.size() || !kinds::TakesOneCharacter(question.slots[slot].kind)) {
        return 0;
    }
    if (question.shape == Shape::Choice) {
        return static_cast<int>(question.options.size());
    }
    if (question.shape == Shape::Comprehension && slot < question.items.size()) {
        return static_cast<int>(question.items[slot].options.size());
    }
    return 0;
}

std::string RenderPageHtml(const PageContext& page, const Question& question) {
    std::string html;
    html += "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n";
    html += "<title>" + escape(page.productName) + " - Question " + std::to_string(page.questionNumber) +
            "</title>\n";
    // The body's size is the one the practice window's answer boxes follow.
    html +=
        "<style>\nbody { font-family: \"Trebuchet MS\", \"Liberation Sans\", \"DejaVu Sans\", sans-serif; "
        "font-size: " +
        std::to_string(static_cast<int>(practice::kPageBodyPoints)) +
        "pt; color: #1f2d3d; background-color: #ffffff; }\n";
    html += R"(p { margin-top: 4px; margin-bottom: 8px; }
.paper { color: #5a6b7d; font-size: 10pt; white-space: nowrap; }
.number { font-size: 15pt; font-weight: bold; color: #1c4f8c; margin-top: 10px; }
.instruction { color: #4a5a6a; font-style: italic; }
.stem { font-size: 13pt; margin-top: 10px; margin-bottom: 12px; }
.gap { color: #1c4f8c; font-weight: bold; }
.gapmark { color: #1c4f8c; }
td.num { color: #ffffff; background-color: #2f6fb5; font-weight: bold; }
td.option { font-size: 12pt; }
a.pick { text-decoration: none; }
td.num a.pick { color: #ffffff; }
td.option a.pick { color: #1f2d3d; }
table.passage { background-color: #f4f5eb; }
table.passage p { line-height: 150%; }
p.words { line-height: 170%; margin-top: 8px; }
span.word { background-color: #e8f0fa; color: #1c4f8c; font-weight: bold; }
td.wordbank { background-color: #eef5e8; }
.part { font-weight: bold; color: #1c4f8c; }
.item { margin-top: 12px; }
.endmark { color: #4a5a6a; margin-top: 12px; }
.endmark b { color: #1c4f8c; font-size: 15pt; }
</style>
</head>
<body>
)";
    html += "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr><td><img src=\"" +
            escape(page.productPicture) + "\" alt=\"" + escape(page.productName) +
            "\"></td><td align=\"right\" valign=\"middle\" class=\"paper\">" + escape(page.topicName) +
            " &middot; Paper " + std::to_string(page.paperInTopic) + "</td></tr></table>\n";
    html += "<hr>\n";
    html += "<p class=\"number\">Question " + std::to_string(page.questionNumber) + "</p>\n";
    if (!page.instruction.empty()) {
        html += "<p class=\"instruction\">" + escape(page.instruction) + "</p>\n";
    }
    if (!page.questionPicture.empty()) {
        html += "<p><img src=\"" + escape(page.questionPicture) + "\" alt=\"Picture for question " +
                std::to_string(page.questionNumber) + "\"></p>\n";
    }
    switch (question.shape) {
    case Shape::Choice:
        html += "<p class=\"stem\">" + withGaps(question.stem) + "</p>\n";
        html += optionsTable(question.options, pickedAnswer(question, 0));
        break;
    case Shape::Cloze:
        if (!question.stem.empty()) {
            html += "<p class=\"stem\">" + withGaps(question.stem) + "</p>\n";
        }
        if (!question.wordbank.empty()) {
            html += "<table cellpadding=\"8\"><tr><td class=\"wordbank\"><b>Words to use:</b> ";
            for (std::size_t i = 0; i < question.wordbank.size(); ++i) {
                html += (i > 0 ? " &middot; " : "") + escape(question.wordbank[i]);
            }
            html += "</td></tr></table>\n";
        }
        html += passageBox(question.passage, true);
        break;
    case Shape::WordOrder:
        if (!question.stem.empty()) {
            html += "<p class=\"stem\">" + withGaps(question.stem) + "</p>\n";
        }
        html += wordBox(question.words);
        if (!question.slots.empty()) {
            html += endMark(question.slots.front().key);
        }
        break;
    case Shape::Comprehension:
        if (!question.stem.empty()) {
            html += "<p class=\"stem\">" + withGaps(question.stem) + "</p>\n";
        }
        html += passageBox(question.passage, false);
        for (std::size_t i = 0; i < question.items.size(); ++i) {
            html += "<p class=\"item\"><span class=\"part\">" + letter(i) + "</span> " +
                    withGaps(question.items[i].stem) + "</p>\n";
            html += optionsTable(question.items[i].options, pickedAnswer(question, i));
        }
        break;
    case Shape::Free:
        html += "<p class=\"stem\">" + withGaps(question.stem) + "</p>\n";
        if (!question.passage.empty()) {
            html += passageBox(question.passage, false);
        }
        for (std::size_t i = 0; i < question.parts.size(); ++i) {
            html +=
                "<p><span class=\"part\">" + letter(i) + "</span> " + withGaps(question.parts[i]) + "</p>\n";
        }
        break;
    }
    html += "</body>\n</html>\n";
    return html;
}

} // namespace orbisk::bankc
