// Spoils one bank source file the way a hostile author or a bad editor might,
// for the mutation test (scripts/mutation-test.sh):
//
//   bank_mutator SEED FILE
//
// applies one to three random mutations chosen by SEED to FILE in place and
// prints what it did. The same seed always gives the same mutations.
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Random = std::mt19937;

std::size_t below(Random& random, std::size_t bound) {
    return bound == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find('\n', at);
        lines.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end + 1 - at));
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
    }
    return text;
}

// Characters that look harmless or are not characters at all.
const std::vector<std::string> kOddUnicode{
    "\xEF\xBB\xBF",         // byte order mark
    "\xE2\x80\x8B",         // zero-width space
    "\xE2\x80\xAE",         // right-to-left override
    "\xEF\xBF\xBD",         // replacement character
    "\xC2\x85",             // next line (a C1 control)
    "\xE2\x80\xA8",         // line separator
    "\xF0\x9F\x98\x80",     // an emoji, four bytes
    "\xC0\xAF",             // an overlong "/"
    "\xED\xA0\x80",         // a lone surrogate
    "\x80",                 // a lone continuation byte
    "\xFE",                 // never in UTF-8
    "\xF8\x88\x80\x80\x80", // a five-byte form
    "\xC3",                 // a character cut short
    std::string(1, '\0'),   // NUL
    "\x1B[31m",             // a terminal escape
};

const std::vector<std::string> kHugeNumbers{"99999999999999999999",
                                            "-1",
                                            "2147483648",
                                            "-2147483649",
                                            "1e999",
                                            "0x7FFFFFFF",
                                            "000000000000000000000000000101",
                                            std::string(300, '9'),
                                            "1.5",
                                            "NaN",
                                            ".inf"};

const std::vector<std::string> kYamlPunctuation{
    "&a ", "*a", "!!binary ", "? ", "- ", ": ",          "[",     "]",     "{",        "}",
    "#",   "|",  ">",         "'",  "\"", "%YAML 1.2\n", "---\n", "...\n", "<<: *a\n", "!<tag:x> "};

std::string mutate(std::string& text, Random& random) {
    std::vector<std::string> lines = splitLines(text);
    const std::size_t line = below(random, lines.size());
    switch (below(random, 11)) {
    case 0:
        if (!lines.empty()) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(line));
        }
        text = joinLines(lines);
        return "deleted line " + std::to_string(line + 1);
    case 1:
        if (!lines.empty()) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(line), lines[line]);
        }
        text = joinLines(lines);
        return "duplicated line " + std::to_string(line + 1);
    case 2: {
        const std::size_t other = below(random, lines.size());
        if (!lines.empty()) {
            std::swap(lines[line], lines[other]);
        }
        text = joinLines(lines);
        return "swapped lines " + std::to_string(line + 1) + " and " + std::to_string(other + 1);
    }
    case 3: {
        const std::size_t at = below(random, text.size());
        if (!text.empty()) {
            text[at] = static_cast<char>(text[at] ^ (1 << below(random, 8)));
        }
        return "flipped a bit at byte " + std::to_string(at);
    }
    case 4: {
        const std::size_t at = below(random, text.size() + 1);
        const std::size_t count = 1 + below(random, 4);
        std::string bytes;
        for (std::size_t i = 0; i < count; ++i) {
            bytes += static_cast<char>(below(random, 256));
        }
        text.insert(at, bytes);
        return "inserted " + std::to_string(count) + " random byte(s) at byte " + std::to_string(at);
    }
    case 5: {
        const std::size_t at = below(random, text.size() + 1);
        text.resize(at);
        return "cut the file at byte " + std::to_string(at);
    }
    case 6: {
        const std::size_t at = below(random, text.size() + 1);
        text.insert(at, kOddUnicode[below(random, kOddUnicode.size())]);
        return "inserted odd Unicode at byte " + std::to_string(at);
    }
    case 7: {
        const std::size_t digit = text.find_first_of("0123456789", below(random, text.size() + 1));
        const std::string& number = kHugeNumbers[below(random, kHugeNumbers.size())];
        if (digit == std::string::npos) {
            text += number;
            return "appended a huge number";
        }
        const std::size_t end = text.find_first_not_of("0123456789", digit);
        text.replace(digit, (end == std::string::npos ? text.size() : end) - digit, number);
        return "replaced the number at byte " + std::to_string(digit) + " by " + number.substr(0, 24);
    }
    case 8: {
        if (lines.empty()) {
            return "no line for a tab";
        }
        std::string& target = lines[line];
        const std::size_t indent = target.find_first_not_of(' ');
        if (indent != std::string::npos && indent > 0 && below(random, 2) == 0) {
            target.replace(0, indent, "\t");
        } else {
            target.insert(below(random, target.size() + 1), "\t");
        }
        text = joinLines(lines);
        return "put a tab into line " + std::to_string(line + 1);
    }
    case 9: {
        const std::size_t at = below(random, text.size() + 1);
        text.insert(at, kYamlPunctuation[below(random, kYamlPunctuation.size())]);
        return "inserted YAML punctuation at byte " + std::to_string(at);
    }
    default: {
        // A line moved deeper or shallower, as a careless indent would.
        if (lines.empty()) {
            return "no line to indent";
        }
        std::string& target = lines[line];
        if (below(random, 2) == 0) {
            target.insert(0, "  ");
        } else if (target.rfind("  ", 0) == 0) {
            target.erase(0, 2);
        }
        text = joinLines(lines);
        return "changed the indent of line " + std::to_string(line + 1);
    }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: bank_mutator SEED FILE\n";
        return 2;
    }
    Random random(static_cast<Random::result_type>(std::stoul(argv[1])));
    std::string text;
    {
        std::ifstream in(argv[2], std::ios::binary);
        if (!in) {
            std::cerr << "bank_mutator: cannot read " << argv[2] << "\n";
            return 1;
        }
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const std::size_t count = 1 + below(random, 3);
    std::string done;
    for (std::size_t i = 0; i < count; ++i) {
        done += (i > 0 ? "; " : "") + mutate(text, random);
    }
    std::ofstream(argv[2], std::ios::binary | std::ios::trunc) << text;
    std::cout << done << "\n";
    return 0;
}
