#include "core/practice/QuestionPageFile.h"

#include "core/formats/Extract.h"
#include "core/io/FileIO.h"
#include "core/text/TextForms.h"

#include <cerrno>

namespace orbisk::practice {

std::string QuestionPageName(int questionId) {
    return "temppaper" + std::to_string(questionId) + ".mht";
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
        m_current.path = m_folder / ("temppaper" + std::string(questionId) + ".mht");
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
