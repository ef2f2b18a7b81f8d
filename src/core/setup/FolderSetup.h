#pragma once

#include "core/formats/ResourceSource.h"
#include "core/io/Journal.h"
#include "core/product/Config.h"
#include "core/results/ResultsCheck.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

/// The work start-up does on the application folder before the home window shows.
namespace orbisk::setup {

/// A skin picture that could not be written, and why.
struct PictureProblem {
    std::string name;    ///< its file name in the Graphics folder
    std::string problem; ///< the system's reason
};

/// What installing the pictures did; a picture that failed shows blank.
struct GraphicsReport {
    int written = 0;
    std::vector<PictureProblem> failed;
};

/// Creates the "Graphics" folder and writes every skin picture into it under
/// its table name, in ascending resource number: on every start, each picture
/// that is missing there or whose file is not of the picture's size (the files
/// are not read back).
GraphicsReport InstallGraphics(const std::filesystem::path& appFolder, const ResourceSource& resources);

/// The folder the skin pictures are installed in: "Graphics" in whatever
/// letter case the application folder already has it.
std::filesystem::path GraphicsFolder(const std::filesystem::path& appFolder);

struct StartupFiles {
    /// Temporary files of writes that were cut short (the program killed
    /// mid-save), removed without a word: the file they were to replace is whole.
    std::vector<std::filesystem::path> staleRemoved;
    /// A marking the program's end cut short, completed before anything reads the results.
    files::JournalRecovery marking;
    GraphicsReport graphics;
    std::optional<config::ProductConfig> config; ///< empty when it could not be read
    std::string configProblem;                   ///< why, for the learner
    results::EnsureReport results;
};

/// When PrepareApplicationFolder installs the skin pictures.
enum class PictureInstall {
    Now,   ///< before it returns
    Later, ///< not at all: the caller runs InstallGraphics once the window shows
};

/// Removes the temporary files interrupted writes left in the application
/// folder and its Graphics folder, completes a marking cut short by the
/// program's end (see results::MarkingJournalPath), installs the graphics
/// (unless @p pictures is Later; nothing at start-up reads the files, the
/// windows decode the pictures from the resources), reads the configuration from the program's resources (no
/// file is written for it), and makes sure every results file of every existing section can be read (see
/// EnsureResultsFiles; @p copyStamp names the copies of damaged files). Call it only while holding the
/// folder's one-copy lock.
StartupFiles PrepareApplicationFolder(const std::filesystem::path& appFolder, const ResourceSource& resources,
                                      const std::string& copyStamp,
                                      PictureInstall pictures = PictureInstall::Now);

} // namespace orbisk::setup
