#pragma once

#include "core/formats/ResourceSource.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace orbisk::practice {

/// The page of one question as written for the question view.
struct PageOutcome {
    int question = 0;           ///< 1..Q; 0 before any page was asked for
    std::string questionId;     ///< the question's id as the paper table lists it
    std::filesystem::path path; ///< application folder / "temppaper" + id + ".mht"
    int error = 0;              ///< 0 when the file was written, else a system error number

    /// True when the view can be pointed at @p path. When false, the view shows
    /// an error page naming question @p question, never the previous page.
    bool ok() const { return question > 0 && error == 0; }
};

/// The name of a question's page file: "temppaper" + id + ".mht".
std::string QuestionPageName(int questionId);

/// Removes the page files a program that did not end normally left in
/// @p appFolder (files named as QuestionPageName makes them; nothing else).
/// Only the copy that holds the folder's one-copy lock may call it, before it
/// opens a paper.
void RemoveLeftoverPageFiles(const std::filesystem::path& appFolder);

/// The one question page file of an open paper: the page on show, extracted
/// from the program's resources into the application folder. Showing another
/// question removes the previous file first, so at most one page file exists;
/// the destructor removes the last one.
class QuestionPageFile final {
public:
    QuestionPageFile(const ResourceSource& resources, std::filesystem::path appFolder);
    ~QuestionPageFile();
    QuestionPageFile(QuestionPageFile&& other) noexcept;
    QuestionPageFile& operator=(QuestionPageFile&& other) noexcept;
    QuestionPageFile(const QuestionPageFile&) = delete;
    QuestionPageFile& operator=(const QuestionPageFile&) = delete;

    /// Removes the page on show (a file already gone is no error) and writes the
    /// page whose resource number is @p questionId read as a number. Never throws.
    /// @returns what became of the new page; EINVAL when the id is not a number,
    /// ENOENT when the program holds no such page.
    const PageOutcome& Show(int question, std::string_view questionId);

    /// Removes the page file on show, if any.
    void Remove() noexcept;

    /// The page last asked for (its file is gone after Remove).
    const PageOutcome& current() const { return m_current; }

private:
    const ResourceSource* m_resources;
    std::filesystem::path m_folder;
    PageOutcome m_current;
    bool m_onDisk = false;
};

} // namespace orbisk::practice
