#include "core/practice/QuestionPageFile.h"

#include "core/formats/Extract.h"
#include "core/io/FileIO.h"
#include "core/io/Folders.h"
#include "core/text/TextForms.h"

#include <algorithm>
#include <cerrno>
#include <string>

namespace orbisk::practice {

namespace {

constexpr std::string_view kPagePrefix = "temppaper";
constexpr std::string_view kPageSuffix = ".mht";

// Named so in any letter case: a page file a copy of the program left behind
// may have had its name's case changed since (by a copy between file systems).
bool isPageName(std::string_view shown) {
    std::string folded(shown);
    std::transform(folded.begin(), folded.end(), folded.begin(), text::LowerAscii);
    const std::string_view name = folded;
    if (name.size() <= kPagePrefix.size() + kPageSuffix.size() || !name.starts_with(kPagePrefix) ||
        !name.ends_with(kPageSuffix)) {
        return false;
    }
    const std::string_view id =
        name.substr(kPagePrefix.size(), name.size() - kPagePrefix.size() - kPageSuffix.size());
    return std::all_of(id.begin(), id.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string pageName(std::string_view questionId) {
    return std::string(kPagePrefix) + std::string(questionId) + std::string(kPageSuffix);
}

} // namespace

std::string QuestionPageName(int questionId) {
    return pageName(std::to_string(questionId));
}

void RemoveLeftoverPageFiles(const std::filesystem::path& appFolder) {
    std::error_code ignored;
    for (const files::FolderEntry& entry : files::ListFolder(appFolder)) {
        if (entry.fileOrLink && isPageName(entry.name)) {
            std::filesystem::remove(appFolder / entry.name, ignored);
        }
    }
}

QuestionPageFile::QuestionPageFile(const ResourceSource& resources, std::filesystem::path appFolder)
    : m_resources(&resources), m_folder(std::move(appFolder)) {}

QuestionPageFile::~QuestionPageFile() {
    Remove();
}

QuestionPageFile::QuestionPageFile(QuestionPageFile&& other) noexcept
    : m_resources(other.m_resources), m_folder(std::move(other.m_folder)),
      m_current(std::move(other.m_current)), m_onDisk(other.m_onDisk) {
    other.m_onDisk = false;
}

QuestionPageFile& QuestionPageFile::operator=(QuestionPageFile&& other) noexcept {
    if (this != &other) {
        Remove();
        m_resources = other.m_resources;
        m_folder = std::move(other.m_folder);
        m_current = std::move(other.m_current);
        m_onDisk = other.m_onDisk;
        other.m_onDisk = false;
    }
    return *this;
}

const PageOutcome& QuestionPageFile::Show(int question, std::string_view questionId) {
    Remove();
    m_current = PageOutcome{question, std::string(questionId), {}, 0};
    const auto id = text::ParseWholeNumber(questionId);
    if (!id || *id <= 0 || *id > 999999) {
        m_current.path = m_folder / pageName(questionId);
        m_current.error = EINVAL;
        return m_current;
    }
    m_current.path = m_folder / QuestionPageName(static_cast<int>(*id));
    // The page is scratch, written anew on every visit: no need to wait for the
    // disk, and a leftover of an earlier run goes first (a read-only one would be refused).
    files::RemoveLeftoverFile(m_current.path);
    m_current.error =
        ExtractResource(*m_resources, static_cast<int>(*id), "Custom", m_current.path, files::Sync::NoWait);
    m_onDisk = m_current.error == 0;
    return m_current;
}

void QuestionPageFile::Remove() noexcept {
    if (m_onDisk) {
        std::error_code ignored;
        std::filesystem::remove(m_current.path, ignored);
        m_onDisk = false;
    }
}

} // namespace orbisk::practice
