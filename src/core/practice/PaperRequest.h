#pragma once

#include "core/product/BankNumbers.h"
#include "core/results/ResultsStore.h"

#include <filesystem>
#include <string>

namespace orbisk::practice {

/// Which attempt of a paper a practice window takes. The first attempt keeps
/// its answers in the first and fresults files and its marks in FSE, LTM,
/// CDD and FST; the second in second and sresults, SSE and SST.
enum class Attempt { First = 1, Second = 2 };

/// What the home window hands to a practice window when the learner opens a
/// paper: the values it keeps under these names (see gui/home/HomeWindow.h).
struct PaperRequest {
    std::filesystem::path appFolder; ///< where the results and page files live
    int LChose = 0;                  ///< the section, 1 to 3
    std::string lblCOD;              ///< the product code, part of every results file name
    int TtPapersCon = 0;             ///< P: the section's paper count (papers 101..100 + P)
    std::string SubH1;               ///< the chosen topic's name
    int PaperNum = 0;                ///< the paper number, 101..100 + P
    Attempt TakeNum = Attempt::First;

    /// The paper slot (bank::PaperSlot): 101 is slot 1.
    int PaperSlot() const { return bank::PaperSlot(PaperNum); }

    /// The results file of this section and product code.
    std::filesystem::path File(results::ResultsFile file) const {
        return results::FilePath(appFolder, file, LChose, lblCOD);
    }
};

/// The window caption and title: the topic name, " - Paper " and the paper's
/// number within its topic, bank::PaperInTopic ("Word Order - Paper 3").
std::string PaperCaption(const PaperRequest& request);

} // namespace orbisk::practice
