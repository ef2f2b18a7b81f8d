// The keyed-record readers on any text, in memory and from a file: each reads
// or refuses with a DataError, and the two forms agree.
#include "FuzzSupport.h"
#include "core/Errors.h"
#include "core/formats/Records.h"
#include "core/product/Config.h"
#include "core/product/SectionTables.h"

#include <functional>
#include <optional>
#include <vector>

namespace {

namespace records = orbisk::records;
using orbisk::DataError;

template <typename Result> std::optional<Result> attempt(const std::function<Result()>& read) {
    try {
        return read();
    } catch (const DataError&) {
        return std::nullopt;
    }
}

template <typename Result>
void same(const std::optional<Result>& memory, const std::optional<Result>& file, const char* reader) {
    if (memory != file) {
        orbisk::fuzzing::Broken(std::string(reader) +
                                " reads a file and the same text in memory differently");
    }
}

const std::vector<std::string> kKeys{"NME", "FSE", "TRD", "101", "150", "15001", "tn2"};
const std::vector<std::string> kIds{"15001", "15002", "15101"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte chooses how many values to ask for.
    const int n = data[0] % 90;
    const std::string_view content = orbisk::fuzzing::AsText(data + 1, size - 1);
    const records::RecordText text("fuzz.txt", std::string(content));
    const std::filesystem::path file = orbisk::fuzzing::ScratchFolder() / "records.txt";
    orbisk::fuzzing::Write(file, content);

    for (const std::string& key : kKeys) {
        same(attempt<std::string>([&] { return records::ReadRecordValue(text, key); }),
             attempt<std::string>([&] { return records::ReadRecordValue(file, key); }), "ReadRecordValue");
        same(attempt<std::string>([&] { return records::ReadRecordLine(text, key); }),
             attempt<std::string>([&] { return records::ReadRecordLine(file, key); }), "ReadRecordLine");
        using Values = std::vector<std::string>;
        same(attempt<Values>(
                 [&] { return records::ReadRecordValues(text, key, n, records::kAnswersCapacity); }),
             attempt<Values>(
                 [&] { return records::ReadRecordValues(file, key, n, records::kAnswersCapacity); }),
             "ReadRecordValues");
        same(attempt<Values>([&] { return records::ReadRecordAllValues(text, key); }),
             attempt<Values>([&] { return records::ReadRecordAllValues(file, key); }), "ReadRecordAllValues");
    }
    for (const std::string_view line : text.lines()) {
        attempt<std::vector<std::string>>([&] { return records::SplitRecord(line, n); });
        attempt<std::vector<std::string>>(
            [&] { return records::SplitRecord(line, n, records::kReportCapacity); });
        attempt<records::ValuesAndRest>([&] { return records::SplitRecordKeepingRest(line, 3, n); });
    }
    same(attempt<std::vector<std::string>>([&] { return records::ReadPaperRecords(text, n); }),
         attempt<std::vector<std::string>>([&] { return records::ReadPaperRecords(file, n); }),
         "ReadPaperRecords");
    same(attempt<std::vector<int>>([&] { return records::CountQuestionValues(text, kIds); }),
         attempt<std::vector<int>>([&] { return records::CountQuestionValues(file, kIds); }),
         "CountQuestionValues");
    same(attempt<std::vector<std::string>>([&] { return records::ReadQuestionValues(text, kIds); }),
         attempt<std::vector<std::string>>([&] { return records::ReadQuestionValues(file, kIds); }),
         "ReadQuestionValues");

    // The configuration and the bank tables are read from the same keyed text.
    attempt<orbisk::config::ProductConfig>([&] { return orbisk::config::ReadProductConfig(text); });
    attempt<orbisk::tables::PaperTables>(
        [&] { return orbisk::tables::ReadPaperTables(text, text, text, text, text, 100 + (n % 60)); });
    return 0;
}
