#include "core/setup/FolderSetup.h"

#include "core/Errors.h"
#include "core/formats/Extract.h"
#include "core/io/FileIO.h"
#include "core/io/Folders.h"
#include "core/product/ResourceIds.h"
#include "core/product/SkinTable.h"
#include "core/results/ResultsStore.h"

#include <system_error>

namespace orbisk::setup {

namespace {

// Whether the picture file at @p file may stand for @p bytes: a file of their
// size. A start stats each picture rather than reading it back: a missing,
// cut-short or replaced file is found by its size; an edit that keeps the size
// is not, and the windows take their pictures from the program's resources,
// so it never changes what they show.
bool holds(const std::filesystem::path& file, std::string_view bytes) {
    std::error_code ec;
    // One stat; a folder or anything else that is not a file gives an error.
    return std::filesystem::file_size(file, ec) == bytes.size() && !ec;
}

} // namespace

std::filesystem::path GraphicsFolder(const std::filesystem::path& appFolder) {
    return files::PathIgnoringCase(appFolder, "Graphics");
}

GraphicsReport InstallGraphics(const std::filesystem::path& appFolder, const ResourceSource& resources) {
    GraphicsReport report;
    const std::filesystem::path folder = GraphicsFolder(appFolder);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const files::FolderListing listing(folder);
    for (const skin::SkinPicture& picture : skin::SkinPictures()) {
        // A picture is written under the name it already has in any letter
        // case, and left as it is when it is of the program's picture's size
        // (the windows draw from the program's own bytes, not from the file).
        const std::filesystem::path path = listing.PathFor(picture.name);
        const auto bytes = resources.Find(picture.id);
        // A link in a picture's place is replaced, not written through: the
        // file it leads to is not the program's.
        if (std::filesystem::is_symlink(path, ec)) {
            if (std::error_code removal; !std::filesystem::remove(path, removal)) {
                report.failed.push_back(
                    {std::string(picture.name),
                     "a link stands in its place and could not be removed (" + removal.message() + ")"});
                continue;
            }
        } else if (bytes && holds(path, *bytes)) {
            ++report.written;
            continue;
        }
        const int error = ExtractResource(resources, picture.id, "Custom", path, files::Sync::NoWait);
        if (error == 0) {
            ++report.written;
        } else {
            report.failed.push_back(
                {std::string(picture.name),
                 bytes ? std::generic_category().message(error)
                       : "the program holds no such picture (resource " + std::to_string(picture.id) + ")"});
        }
    }
    return report;
}

StartupFiles PrepareApplicationFolder(const std::filesystem::path& appFolder, const ResourceSource& resources,
                                      const std::string& copyStamp, PictureInstall pictures) {
    StartupFiles files;
    for (const std::filesystem::path& folder : {appFolder, GraphicsFolder(appFolder)}) {
        for (std::filesystem::path& removed : orbisk::files::RemoveStaleTemporaryFiles(folder)) {
            files.staleRemoved.push_back(std::move(removed));
        }
    }
    files.marking =
        orbisk::files::CompleteInterruptedReplacement(results::MarkingJournalPath(appFolder), copyStamp);
    if (pictures == PictureInstall::Now) {
        files.graphics = InstallGraphics(appFolder, resources);
    }

    const auto configuration = resources.Find(ids::kConfiguration);
    if (!configuration) {
        files.configProblem = "the program holds no configuration";
        return files;
    }
    try {
        files.config = config::ReadProductConfig(records::RecordText(
            "resource " + std::to_string(ids::kConfiguration), std::string(*configuration)));
    } catch (const DataError& error) {
        files.configProblem = error.what();
    }
    if (!files.config) {
        return files;
    }
    if (files.config->ExistingSections().empty()) {
        files.configProblem = "it names no section";
        files.config.reset();
        return files;
    }
    std::vector<results::SectionShape> shapes;
    for (const int number : files.config->ExistingSections()) {
        shapes.push_back({number, files.config->Section(number).paperCount});
    }
    files.results = results::EnsureResultsFiles(appFolder, files.config->code, shapes, resources, copyStamp);
    return files;
}

} // namespace orbisk::setup
