#include "core/io/Journal.h"

#include "core/Errors.h"
#include "core/io/FileIO.h"

#include <cerrno>
#include <charconv>
#include <optional>
#include <stdexcept>
#include <system_error>

namespace orbisk::files {

namespace {

// A journal: this line, then for each file "file NAME", its size in bytes on a
// line of its own, its bytes and a line break; then "end".
constexpr std::string_view kHeader = "orbisk journal 1\n";
constexpr std::string_view kFileTag = "file ";
constexpr std::string_view kEnd = "end\n";

bool isPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\0\n\r", 5)) == std::string_view::npos;
}

// Reads up to the next line break from @p at; nothing when there is none.
std::optional<std::string_view> takeLine(std::string_view text, std::size_t& at) {
    const std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view line = text.substr(at, end - at);
    at = end + 1;
    return line;
}

std::optional<std::string> readIfPresent(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        return std::nullopt;
    }
    return ReadWholeFile(path);
}

void removeJournal(const std::filesystem::path& journal) {
    std::error_code ec;
    std::filesystem::remove(journal, ec);
}

} // namespace

std::string ComposeJournal(const std::vector<FileReplacement>& replacements) {
    std::string text(kHeader);
    for (const FileReplacement& replacement : replacements) {
        text += kFileTag;
        text += replacement.path.filename().string();
        text += '\n';
        text += std::to_string(replacement.bytes.size());
        text += '\n';
        text += replacement.bytes;
        text += '\n';
    }
    text += kEnd;
    return text;
}

std::vector<FileReplacement> ParseJournal(std::string_view text, const std::filesystem::path& source) {
    auto damaged = [&](const std::string& problem) { return DataError(source, "", problem); };
    if (text.substr(0, kHeader.size()) != kHeader) {
        throw damaged("the journal does not start with its header");
    }
    std::vector<FileReplacement> replacements;
    std::size_t at = kHeader.size();
    while (true) {
        if (text.substr(at) == kEnd) {
            return replacements;
        }
        const auto nameLine = takeLine(text, at);
        if (!nameLine || nameLine->substr(0, kFileTag.size()) != kFileTag) {
            throw damaged("the journal is cut short or holds something other than a file");
        }
        const std::string_view name = nameLine->substr(kFileTag.size());
        if (!isPlainName(name)) {
            throw damaged("the journal names a file outside its own folder");
        }
        const auto sizeLine = takeLine(text, at);
        std::size_t size = 0;
        if (!sizeLine || sizeLine->empty() ||
            std::from_chars(sizeLine->data(), sizeLine->data() + sizeLine->size(), size).ptr !=
                sizeLine->data() + sizeLine->size()) {
            throw damaged("the journal gives no size for " + std::string(name));
        }
        if (size > text.size() - at || text.size() - at - size < 1 || text[at + size] != '\n') {
            throw damaged("the journal's contents of " + std::string(name) + " are cut short");
        }
        replacements.push_back(
            {std::filesystem::path(std::string(name)), std::string(text.substr(at, size))});
        at += size + 1;
    }
}

void ReplaceFilesTogether(const std::filesystem::path& journal,
                          const std::vector<FileReplacement>& replacements, bool* undone) {
    if (undone != nullptr) {
        *undone = true;
    }
    // A journal already there holds a change a start could not complete: it
    // stays for the next start, and the files it names are not changed before.
    std::error_code ec;
    if (std::filesystem::exists(journal, ec) || std::filesystem::is_symlink(journal, ec)) {
        throw WriteError(
            journal, "it holds an earlier change that could not be completed; the next start completes it",
            EEXIST);
    }
    std::vector<std::optional<std::string>> before;
    before.reserve(replacements.size());
    // The journal holds the files' new bytes: it is as private as the most
    // private of them, and stays readable and removable by its owner.
    auto permissions = std::filesystem::perms::all;
    for (const FileReplacement& replacement : replacements) {
        if (replacement.path.parent_path() != journal.parent_path()) {
            throw std::invalid_argument(replacement.path.string() + " lies outside the journal's folder");
        }
        before.push_back(readIfPresent(replacement.path));
        if (const auto status = std::filesystem::status(replacement.path, ec); !ec && exists(status)) {
            permissions &= status.permissions();
        }
    }
    const auto owner = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    WriteFileAtomically(journal, ComposeJournal(replacements), Sync::ToDisk,
                        permissions == std::filesystem::perms::all ? std::nullopt
                                                                   : std::optional(permissions | owner));
    for (std::size_t i = 0; i < replacements.size(); ++i) {
        try {
            WriteFileAtomically(replacements[i].path, replacements[i].bytes);
        } catch (const Error&) {
            // Put back what was replaced, latest first, as far as the disk allows.
            bool restored = true;
            for (std::size_t j = i; j-- > 0;) {
                try {
                    if (before[j]) {
                        WriteFileAtomically(replacements[j].path, *before[j]);
                    } else {
                        std::filesystem::remove(replacements[j].path);
                    }
                } catch (const std::exception&) {
                    restored = false;
                }
            }
            if (undone != nullptr) {
                *undone = restored;
            }
            removeJournal(journal);
            throw;
        }
    }
    removeJournal(journal);
}

JournalRecovery CompleteInterruptedReplacement(const std::filesystem::path& journal,
                                               const std::string& copyStamp) {
    JournalRecovery recovery;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(journal, ec)) {
        return recovery;
    }
    std::vector<FileReplacement> replacements;
    try {
        replacements = ParseJournal(ReadWholeFile(journal), journal);
    } catch (const DataError& error) {
        std::filesystem::path aside = journal;
        aside += "-damaged-" + copyStamp;
        std::filesystem::rename(journal, aside, ec);
        recovery.outcome = JournalRecovery::Outcome::Damaged;
        recovery.file = ec ? journal : aside;
        recovery.problem = error.what();
        return recovery;
    }
    const std::filesystem::path folder = journal.parent_path();
    for (const FileReplacement& replacement : replacements) {
        const std::filesystem::path target = folder / replacement.path;
        try {
            WriteFileAtomically(target, replacement.bytes);
        } catch (const WriteError& error) {
            recovery.outcome = JournalRecovery::Outcome::Failed;
            recovery.file = target;
            recovery.problem = error.what();
            return recovery;
        }
    }
    removeJournal(journal);
    recovery.outcome = JournalRecovery::Outcome::Completed;
    return recovery;
}

void DiscardJournal(const std::filesystem::path& journal) {
    std::error_code ec;
    std::filesystem::remove(journal, ec);
    if (ec) {
        throw WriteError(journal, "the unfinished change it holds could not be removed: " + ec.message(),
                         ec.value());
    }
}

} // namespace orbisk::files
