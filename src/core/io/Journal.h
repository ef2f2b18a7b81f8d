#pragma once

#include <filesystem>
#include <string>
#include <vector>

/// Several files replaced as one change: a journal of their new contents is
/// written first, so that a program killed half way through can be completed
/// at its next start instead of leaving some files new and some old.
namespace orbisk::files {

/// One file's new contents.
struct FileReplacement {
    std::filesystem::path path; ///< a file in the journal's folder
    std::string bytes;
};

/// Replaces every file in @p replacements with its new bytes as one change:
/// 1. the new contents of all of them go to the journal @p journal, atomically
///    and to disk (see WriteFileAtomically);
/// 2. each file is replaced atomically, in the order given;
/// 3. the journal is removed.
/// A journal already there (a change a start could not complete) is neither
/// overwritten nor acted on: the call throws and changes nothing.
/// A process killed after step 1 leaves the journal, and
/// CompleteInterruptedReplacement writes every file again from it at the next
/// start; killed before, it leaves every file as it was.
///
/// A write that fails in step 2 puts back the files already replaced (from
/// their contents read before step 1), removes the journal and throws, so the
/// change is undone as far as the disk allows; @p undone says whether every
/// file is as it was. The journal is never left behind by a call that returns
/// or throws: only a process killed between steps 1 and 3 leaves it.
/// @throws WriteError (or DataError for a file that cannot be read first)
/// naming the file that failed.
void ReplaceFilesTogether(const std::filesystem::path& journal,
                          const std::vector<FileReplacement>& replacements, bool* undone = nullptr);

/// What completing an interrupted change did.
struct JournalRecovery {
    enum class Outcome {
        None,      ///< there was no journal
        Completed, ///< every file was written from the journal, which is gone
        Failed,    ///< a file could not be written; the journal stays for the next start
        Damaged,   ///< the journal could not be read; it was set aside, the files left as they are
    };
    Outcome outcome = Outcome::None;
    std::filesystem::path file; ///< Failed: the file that failed; Damaged: the copy set aside
    std::string problem;        ///< technical detail
};

/// At start-up, before anything reads the files a journal names: writes every
/// file of an interrupted ReplaceFilesTogether from @p journal and removes it.
/// A journal that cannot be read (it was written atomically, so only something
/// outside the program could have spoilt it) is renamed to
/// "<journal>-damaged-<copyStamp>" and the files are left as they are. Names
/// in a journal are plain file names in its own folder; any other name makes
/// it damaged. Call it only while holding the folder's one-copy lock.
JournalRecovery CompleteInterruptedReplacement(const std::filesystem::path& journal,
                                               const std::string& copyStamp);

/// Removes @p journal without completing it: the files it names are about to
/// be rewritten from scratch (erasing every result). No journal is no fault.
/// @throws WriteError when it exists and cannot be removed.
void DiscardJournal(const std::filesystem::path& journal);

/// The journal format, for tests and tools: the text of a journal holding
/// @p replacements (file names only), and its reader.
std::string ComposeJournal(const std::vector<FileReplacement>& replacements);
/// @throws DataError naming @p source when @p text is not a whole journal.
std::vector<FileReplacement> ParseJournal(std::string_view text, const std::filesystem::path& source);

} // namespace orbisk::files
