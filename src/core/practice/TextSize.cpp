#include "core/practice/TextSize.h"

#include "core/Errors.h"
#include "core/formats/Records.h"
#include "core/io/FileIO.h"
#include "core/text/TextForms.h"

#include <algorithm>
#include <filesystem>
#include <string>

namespace orbisk::practice {

int LargerTextSize(int percent) {
    const auto next = std::upper_bound(kTextSizes.begin(), kTextSizes.end(), percent);
    return next == kTextSizes.end() ? kTextSizes.back() : *next;
}

int SmallerTextSize(int percent) {
    const auto next = std::lower_bound(kTextSizes.begin(), kTextSizes.end(), percent);
    return next == kTextSizes.begin() ? kTextSizes.front() : *(next - 1);
}

double AnswerPoints(int percent) {
    return kPageBodyPoints * percent / 100.0;
}

int ReadTextSize(const std::filesystem::path& appFolder) {
    const std::filesystem::path path = appFolder / kTextSizeFileName;
    // Until the learner first changes the size there is no file: the usual
    // case, answered without the cost of a failed read's exception.
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        return kDefaultTextSize;
    }
    try {
        const auto percent = text::ParseWholeNumber(records::ReadRecordValue(path, kTextSizeKey));
        if (percent && std::find(kTextSizes.begin(), kTextSizes.end(), *percent) != kTextSizes.end()) {
            return static_cast<int>(*percent);
        }
    } catch (const DataError&) {
    }
    return kDefaultTextSize;
}

void WriteTextSize(const std::filesystem::path& appFolder, int percent) {
    const std::filesystem::path path = appFolder / kTextSizeFileName;
    files::WriteFileAtomically(
        path, records::JoinLines({records::BuildRecord(kTextSizeKey, {std::to_string(percent)}, 1, path)}),
        files::Sync::NoWait);
}

} // namespace orbisk::practice
