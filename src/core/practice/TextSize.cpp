#include "core/practice/TextSize.h"

#include "core/Errors.h"
#include "core/formats/Records.h"
#include "core/io/FileIO.h"

#include <algorithm>
#include <charconv>
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
    try {
        const std::string value = records::ReadRecordValue(appFolder / kTextSizeFileName, kTextSizeKey);
        int percent = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), percent);
        const bool whole = error == std::errc() && end == value.data() + value.size();
        if (whole && std::find(kTextSizes.begin(), kTextSizes.end(), percent) != kTextSizes.end()) {
            return percent;
        }
    } catch (const DataError&) {
    }
    return kDefaultTextSize;
}

void WriteTextSize(const std::filesystem::path& appFolder, int percent) {
    const std::string record = "#" + std::string(kTextSizeKey) + "#>" + std::to_string(percent);
    files::WriteFileAtomically(appFolder / kTextSizeFileName, records::JoinLines({record}),
                               files::Sync::NoWait);
}

} // namespace orbisk::practice
