#pragma once

#include <filesystem>
#include <string>

/// How failures travel out of the core.
///
/// Every failure a core function reports is an exception derived from
/// orbisk::Error. An Error names the file it concerns (empty when none) and its
/// what() is a technical one-line description, fit for a log or a "Details" line.
/// The windows never show what() as the sentence a learner reads: they say in
/// plain words what happened and what was kept, with the file's full path, and
/// put what() on the details line.
///
/// Only two kinds of function keep a number instead of throwing: ExtractResource,
/// whose contract is 0 or a system error number (errno values only), and the
/// checks that return a report (EnsureResultsFiles, ResetResults), which collect
/// one FileProblem per file so that one bad file does not stop the others.
/// Programming errors (a broken invariant of the caller) are not Errors: they
/// are std::logic_error and friends and end the program at the top of main.
namespace orbisk {

class Error : public std::runtime_error {
public:
    Error(std::filesystem::path file, const std::string& what);

    /// The file concerned, or empty.
    const std::filesystem::path& file() const { return m_file; }

private:
    std::filesystem::path m_file;
};

/// A keyed text file that does not hold what its reader needs: the file is
/// missing or unreadable, a record is absent, or a record holds too few values.
/// Carries the key concerned (empty when the whole file is at fault) and what
/// was wrong.
class DataError : public Error {
public:
    DataError(std::filesystem::path file, std::string key, std::string problem);

    const std::string& key() const { return m_key; }
    const std::string& problem() const { return m_problem; }

private:
    std::string m_key;
    std::string m_problem;
};

/// A DataError in a table of the program's own question bank (named
/// "resource N"), not in the learner's files: a fault of the install, which
/// installing again puts right.
class BankDataError final : public DataError {
public:
    using DataError::DataError;
};

/// A file could not be written. The file on disk is left as it was before the
/// write started (see WriteFileAtomically).
class WriteError : public Error {
public:
    /// @param code the system's error number, when one is known
    WriteError(std::filesystem::path file, std::string problem, int code = 0);

    const std::string& problem() const { return m_problem; }
    int code() const { return m_code; }

private:
    std::string m_problem;
    int m_code;
};

/// A resource pack that cannot be read: wrong signature, a table that runs
/// past the end, an entry outside the data.
class PackError : public Error {
public:
    explicit PackError(const std::string& what) : Error({}, what) {}
};

/// A web archive (question page) that cannot be read: no parts, a part cut
/// short, an unknown transfer encoding, a body that does not decode.
class MhtError : public Error {
public:
    explicit MhtError(const std::string& what) : Error({}, what) {}
};

/// A resource the program itself carries does not fit its configuration (a
/// results template with the wrong number of papers): a fault of the build,
/// not of the learner's files.
class TemplateError : public Error {
public:
    TemplateError(std::filesystem::path file, const std::string& what) : Error(std::move(file), what) {}
};

} // namespace orbisk
