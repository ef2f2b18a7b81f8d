#include "data/DataError.h"

#include <utility>

namespace orbisk {

namespace {

std::string describe(const std::filesystem::path& file, const std::string& key, const std::string& problem) {
    std::string text = file.filename().string();
    if (!key.empty()) {
        text += ", record " + key;
    }
    text += ": " + problem;
    return text;
}

} // namespace

DataError::DataError(std::filesystem::path file, std::string key, std::string problem)
    : std::runtime_error(describe(file, key, problem)), m_file(std::move(file)), m_key(std::move(key)),
      m_problem(std::move(problem)) {}

WriteError::WriteError(std::filesystem::path file, std::string problem, int code)
    : std::runtime_error(file.filename().string() + " could not be written: " + problem),
      m_file(std::move(file)), m_problem(std::move(problem)), m_code(code) {}

} // namespace orbisk
