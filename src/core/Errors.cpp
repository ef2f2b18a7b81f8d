#include "core/Errors.h"

#include <utility>

namespace orbisk {

namespace {

std::string describe(const std::filesystem::path& file, const std::string& key, const std::string& problem) {
    std::string text = file.string();
    if (!key.empty()) {
        text += ", record " + key;
    }
    text += ": " + problem;
    return text;
}

} // namespace

Error::Error(std::filesystem::path file, const std::string& what)
    : std::runtime_error(what), m_file(std::move(file)) {}

DataError::DataError(std::filesystem::path file, std::string key, std::string problem)
    : Error(file, describe(file, key, problem)), m_key(std::move(key)), m_problem(std::move(problem)) {}

WriteError::WriteError(std::filesystem::path file, std::string problem, int code)
    : Error(file, file.string() + " could not be written: " + problem), m_problem(std::move(problem)),
      m_code(code) {}

} // namespace orbisk
