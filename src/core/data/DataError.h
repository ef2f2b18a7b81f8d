#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace orbisk {

/// A keyed text file that does not hold what its reader needs: the file is
/// missing or unreadable, a record is absent, or a record holds too few values.
/// Carries the file, the key concerned (empty when the whole file is at fault)
/// and what was wrong, so the window can name the file to the learner.
class DataError : public std::runtime_error {
public:
    DataError(std::filesystem::path file, std::string key, std::string problem);

    const std::filesystem::path& file() const { return m_file; }
    const std::string& key() const { return m_key; }
    const std::string& problem() const { return m_problem; }

private:
    std::filesystem::path m_file;
    std::string m_key;
    std::string m_problem;
};

/// A file could not be written. The file on disk is left as it was before the
/// write started (see WriteFileAtomically).
class WriteError : public std::runtime_error {
public:
    /// @param code the system's error number, when one is known
    WriteError(std::filesystem::path file, std::string problem, int code = 0);

    const std::filesystem::path& file() const { return m_file; }
    const std::string& problem() const { return m_problem; }
    int code() const { return m_code; }

private:
    std::filesystem::path m_file;
    std::string m_problem;
    int m_code;
};

} // namespace orbisk
