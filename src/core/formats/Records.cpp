#include "core/formats/Records.h"

#include "core/Errors.h"
#include "core/io/FileIO.h"
#include "core/product/BankNumbers.h"
#include "core/text/TextForms.h"

#include <algorithm>
#include <string>

namespace orbisk::records {

namespace {

std::size_t countSeparators(std::string_view text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '>'));
}

void checkCapacity(int n, int capacity, const std::filesystem::path& source, std::string_view key) {
    if (n < 0 || n > capacity) {
        throw DataError(source, std::string(key),
                        std::to_string(n) + " values were asked for; at most " + std::to_string(capacity) +
                            " can be read");
    }
}

// Finds the next line at or after @p from holding the key; returns its index or lines.size().
std::size_t findFrom(const std::vector<std::string_view>& lines, std::size_t from, std::string_view key) {
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (LineHoldsKey(lines[i], key)) {
            return i;
        }
    }
    return lines.size();
}

} // namespace

std::size_t CountValues(std::string_view record, std::size_t keyLength) {
    // The character at the opening position starts the value list whatever it
    // is, as SplitRecordValues reads it: each ">" after it starts one more value.
    const std::size_t open = keyLength + 2;
    return open < record.size() ? 1 + countSeparators(record.substr(open + 1)) : 0;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + 2;
    }
    std::string content;
    content.reserve(size);
    for (const auto& line : lines) {
        content += line;
        content += "\r\n";
    }
    return content;
}

bool IsStorableValue(std::string_view text) {
    return text.find_first_of(">#\r\n") == std::string_view::npos;
}

bool LineHoldsKey(std::string_view line, std::string_view key) {
    const std::size_t needle = key.size() + 2;
    if (line.size() < needle) {
        return false;
    }
    for (std::size_t start = line.find('#'); start != std::string_view::npos && start + needle <= line.size();
         start = line.find('#', start + 1)) {
        if (line[start + needle - 1] != '#') {
            continue;
        }
        bool same = true;
        for (std::size_t k = 0; k < key.size(); ++k) {
            if (text::LowerAscii(line[start + 1 + k]) != text::LowerAscii(key[k])) {
                same = false;
                break;
            }
        }
        if (same) {
            return true;
        }
    }
    return false;
}

RecordText::RecordText(std::filesystem::path source, std::string text)
    : m_source(std::move(source)), m_text(std::move(text)) {
    std::string_view all(m_text);
    // The mark some editors put before a UTF-8 text is not part of its first record.
    if (constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF"; all.starts_with(kByteOrderMark)) {
        all.remove_prefix(kByteOrderMark.size());
    }
    std::size_t start = 0;
    while (start < all.size()) {
        const std::size_t end = all.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            m_lines.push_back(all.substr(start));
            break;
        }
        m_lines.push_back(all.substr(start, end - start));
        start = end + 1;
        if (all[end] == '\r' && start < all.size() && all[start] == '\n') {
            ++start;
        }
    }
}

RecordText RecordText::Load(const std::filesystem::path& path) {
    return {path, files::ReadWholeFile(path)};
}

std::string_view RecordText::FindRecord(std::string_view key) const {
    const std::size_t at = findFrom(m_lines, 0, key);
    return at < m_lines.size() ? m_lines[at] : std::string_view{};
}

std::string ReadRecordValue(const RecordText& text, std::string_view key) {
    const std::string_view record = text.FindRecord(key);
    const std::size_t start = key.size() + 3;
    if (record.size() <= start) {
        return {};
    }
    return std::string(record.substr(start));
}

std::string ReadRecordValue(const std::filesystem::path& path, std::string_view key) {
    return ReadRecordValue(RecordText::Load(path), key);
}

std::string ReadRecordLine(const RecordText& text, std::string_view key) {
    return std::string(text.FindRecord(key));
}

std::string ReadRecordLine(const std::filesystem::path& path, std::string_view key) {
    return ReadRecordLine(RecordText::Load(path), key);
}

std::vector<std::string> SplitRecordValues(std::string_view record, std::size_t keyLength, int n,
                                           const std::filesystem::path& source) {
    std::vector<std::string> values;
    if (n <= 0) {
        return values;
    }
    // Index of the ">" that opens the value list: character keyLength + 3, counted from 1.
    const std::size_t open = keyLength + 2;
    const std::string key = record.size() > 1 ? std::string(record.substr(1, keyLength)) : std::string();
    if (record.empty()) {
        throw DataError(source, key, "the record is missing");
    }
    const std::size_t held = CountValues(record, keyLength);
    if (held < static_cast<std::size_t>(n)) {
        throw DataError(source, key,
                        "the record holds " + std::to_string(held) + " values; " + std::to_string(n) +
                            " were expected");
    }
    values.reserve(static_cast<std::size_t>(n));
    std::size_t at = open;
    for (int i = 1; i < n; ++i) {
        const std::size_t next = record.find('>', at + 1);
        values.emplace_back(record.substr(at + 1, next - at - 1));
        at = next;
    }
    values.emplace_back(record.substr(at + 1));
    return values;
}

ValuesAndRest SplitRecordKeepingRest(std::string_view record, std::size_t keyLength, int n,
                                     const std::filesystem::path& source) {
    ValuesAndRest split{SplitRecordValues(record, keyLength, n, source), {}};
    if (split.values.empty()) {
        const std::size_t open = keyLength + 2;
        split.rest = open < record.size() ? std::string(record.substr(open)) : std::string();
        return split;
    }
    std::string& last = split.values.back();
    if (const std::size_t end = last.find('>'); end != std::string::npos) {
        split.rest = last.substr(end);
        last.resize(end);
    }
    return split;
}

std::vector<std::string> SplitRecord(std::string_view record, int n, int capacity,
                                     const std::filesystem::path& source) {
    checkCapacity(n, capacity, source, record.size() >= 4 ? record.substr(1, 3) : record);
    return SplitRecordValues(record, 3, n, source);
}

std::vector<std::string> ReadRecordValues(const RecordText& text, std::string_view key, int n, int capacity) {
    checkCapacity(n, capacity, text.source(), key);
    const std::string_view record = text.FindRecord(key);
    if (record.empty()) {
        throw DataError(text.source(), std::string(key), "the record is missing");
    }
    return SplitRecordValues(record, key.size(), n, text.source());
}

std::vector<std::string> ReadRecordValues(const std::filesystem::path& path, std::string_view key, int n,
                                          int capacity) {
    return ReadRecordValues(RecordText::Load(path), key, n, capacity);
}

std::vector<std::string> ReadRecordAllValues(const RecordText& text, std::string_view key) {
    const std::string_view record = text.FindRecord(key);
    if (record.empty()) {
        throw DataError(text.source(), std::string(key), "the record is missing");
    }
    return SplitRecordValues(record, key.size(), static_cast<int>(countSeparators(record)), text.source());
}

std::vector<std::string> ReadRecordAllValues(const std::filesystem::path& path, std::string_view key) {
    return ReadRecordAllValues(RecordText::Load(path), key);
}

std::vector<std::string> ReadPaperRecords(const RecordText& text, int n) {
    checkCapacity(n, kPapersCapacity, text.source(), "");
    std::vector<std::string> records(static_cast<std::size_t>(std::max(n, 0)));
    const auto& lines = text.lines();
    std::size_t from = 0;
    for (int i = 1; i <= n; ++i) {
        const std::size_t at = findFrom(lines, from, std::to_string(bank::PaperOfSlot(i)));
        if (at == lines.size()) {
            break;
        }
        records[static_cast<std::size_t>(i - 1)] = std::string(lines[at]);
        from = at + 1;
    }
    return records;
}

std::vector<std::string> ReadPaperRecords(const std::filesystem::path& path, int n) {
    return ReadPaperRecords(RecordText::Load(path), n);
}

namespace {

// Visits the record of every id in order, scanning forward only.
template <typename Visit>
void forEachQuestionRecord(const RecordText& text, const std::vector<std::string>& ids, Visit visit) {
    const auto& lines = text.lines();
    std::size_t from = 0;
    for (const std::string& id : ids) {
        const std::size_t at = findFrom(lines, from, id);
        if (at == lines.size()) {
            throw DataError(text.source(), id, "the question's record is missing or out of order");
        }
        visit(id, lines[at]);
        from = at + 1;
    }
}

} // namespace

std::vector<int> CountQuestionValues(const RecordText& text, const std::vector<std::string>& ids) {
    std::vector<int> counts;
    counts.reserve(ids.size());
    forEachQuestionRecord(text, ids, [&](const std::string&, std::string_view record) {
        counts.push_back(static_cast<int>(countSeparators(record)));
    });
    return counts;
}

std::vector<int> CountQuestionValues(const std::filesystem::path& path, const std::vector<std::string>& ids) {
    return CountQuestionValues(RecordText::Load(path), ids);
}

std::vector<std::string> ReadQuestionValues(const RecordText& text, const std::vector<std::string>& ids) {
    std::vector<std::string> values;
    forEachQuestionRecord(text, ids, [&](const std::string& id, std::string_view record) {
        auto own =
            SplitRecordValues(record, id.size(), static_cast<int>(countSeparators(record)), text.source());
        values.insert(values.end(), std::make_move_iterator(own.begin()), std::make_move_iterator(own.end()));
    });
    return values;
}

std::vector<std::string> ReadQuestionValues(const std::filesystem::path& path,
                                            const std::vector<std::string>& ids) {
    return ReadQuestionValues(RecordText::Load(path), ids);
}

std::string BuildRecord(std::string_view key, const std::vector<std::string>& values, int n,
                        const std::filesystem::path& target) {
    if (n < 0 || static_cast<std::size_t>(n) > values.size()) {
        throw DataError(target, std::string(key),
                        std::to_string(n) + " values were to be written but only " +
                            std::to_string(values.size()) + " are known");
    }
    std::string record = "#" + std::string(key) + "#";
    for (int i = 0; i < n; ++i) {
        const std::string& value = values[static_cast<std::size_t>(i)];
        if (!IsStorableValue(value)) {
            throw DataError(target, std::string(key),
                            "value " + std::to_string(i + 1) +
                                " holds a character the file cannot store (\">\", \"#\" or a line break)");
        }
        record += '>';
        record += value;
    }
    return record;
}

void WriteLines(const std::vector<std::string>& lines, const std::filesystem::path& path) {
    files::WriteFileAtomically(path, JoinLines(lines));
}

namespace {

// The paper number of the last record a results file may hold: keys have three characters.
constexpr int kLastPaperKey = 999;

// The records of the papers after the first @p count that the file holds, in
// order: an install with more papers wrote them, and finds them again.
std::vector<std::string> laterPaperRecords(const RecordText& text, int count) {
    std::vector<std::string> later;
    std::size_t from = 0;
    for (int paper = 101 + count; paper <= kLastPaperKey; ++paper) {
        from = findFrom(text.lines(), from, std::to_string(paper));
        if (from == text.lines().size()) {
            break;
        }
        later.emplace_back(text.lines()[from++]);
    }
    return later;
}

std::vector<std::string> laterPaperRecords(const std::filesystem::path& path, int count) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return {};
    }
    try {
        return laterPaperRecords(RecordText::Load(path), count);
    } catch (const DataError&) {
        // Unreadable: there is nothing to keep, and the write itself will say what is wrong.
        return {};
    }
}

bool isStorableRest(std::string_view rest) {
    return rest.empty() || (rest.front() == '>' && rest.find_first_of("#\r\n") == std::string_view::npos);
}

} // namespace

void WritePaperRecord(std::vector<std::string>& lines, const std::vector<std::string>& values, int slot,
                      std::string_view key, int count, int n, const std::filesystem::path& path,
                      std::string_view rest) {
    if (slot < 1 || slot > count) {
        throw DataError(path, std::string(key),
                        "paper slot " + std::to_string(slot) + " lies outside 1.." + std::to_string(count));
    }
    if (!isStorableRest(rest)) {
        throw DataError(path, std::string(key),
                        "the values kept past value " + std::to_string(n) +
                            " hold a character the file cannot store");
    }
    std::string record = BuildRecord(key, values, n, path) + std::string(rest);
    if (lines.size() < static_cast<std::size_t>(count)) {
        lines.resize(static_cast<std::size_t>(count));
    }
    lines[static_cast<std::size_t>(slot - 1)] = std::move(record);
    std::vector<std::string> out(lines.begin(), lines.begin() + count);
    for (std::string& later : laterPaperRecords(path, count)) {
        out.push_back(std::move(later));
    }
    WriteLines(out, path);
}

std::string ReplacePaperRecordText(const std::filesystem::path& path, int slot, std::string_view key,
                                   int count, int n, const std::vector<std::string>& values) {
    if (slot < 1 || slot > count) {
        throw DataError(path, std::string(key),
                        "paper slot " + std::to_string(slot) + " lies outside 1.." + std::to_string(count));
    }
    const RecordText text = RecordText::Load(path);
    std::vector<std::string> lines = ReadPaperRecords(text, count);
    for (int i = 1; i <= count; ++i) {
        if (lines[static_cast<std::size_t>(i - 1)].empty()) {
            throw DataError(path, std::to_string(bank::PaperOfSlot(i)), "the paper's record is missing");
        }
    }
    std::string& own = lines[static_cast<std::size_t>(slot - 1)];
    // The paper's values past n stay, as an install with more answers wrote them.
    std::string rest;
    if (CountValues(own, key.size()) > static_cast<std::size_t>(n)) {
        rest = SplitRecordKeepingRest(own, key.size(), n, path).rest;
    }
    if (!isStorableRest(rest)) {
        rest.clear();
    }
    own = BuildRecord(key, values, n, path) + rest;
    for (std::string& later : laterPaperRecords(text, count)) {
        lines.push_back(std::move(later));
    }
    return JoinLines(lines);
}

std::string MarksFileText(const std::array<std::vector<std::string>, 6>& lists,
                          const std::array<std::string_view, 6>& keys, int n,
                          const std::filesystem::path& path, const std::array<std::string, 6>& rests) {
    std::vector<std::string> records;
    records.reserve(6);
    for (std::size_t k = 0; k < 6; ++k) {
        if (!isStorableRest(rests[k])) {
            throw DataError(path, std::string(keys[k]),
                            "the values kept past value " + std::to_string(n) +
                                " hold a character the file cannot store");
        }
        records.push_back(BuildRecord(keys[k], lists[k], n, path) + rests[k]);
    }
    return JoinLines(records);
}

void WriteMarksFile(const std::array<std::vector<std::string>, 6>& lists,
                    const std::array<std::string_view, 6>& keys, int n, const std::filesystem::path& path,
                    const std::array<std::string, 6>& rests) {
    files::WriteFileAtomically(path, MarksFileText(lists, keys, n, path, rests));
}

} // namespace orbisk::records
