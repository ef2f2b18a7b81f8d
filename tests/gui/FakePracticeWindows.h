#pragma once

#include "gui/home/PracticeWindows.h"

#include <string>
#include <vector>

namespace orbisk::testing {

/// Records what the home window asks of the practice windows.
class FakePracticeWindows final : public gui::PracticeWindows {
public:
    void CloseAll() override {
        calls.push_back("close all");
        openName.clear();
    }
    bool CloseAllKeepingAnswers() override {
        calls.push_back("close all keeping answers");
        if (keeps) {
            return false;
        }
        openName.clear();
        return true;
    }
    QString OpenPaperName() const override { return openName; }
    void Open(const practice::PaperRequest& handOver) override {
        calls.push_back("open " + std::to_string(handOver.PaperNum) + " take " +
                        std::to_string(static_cast<int>(handOver.TakeNum)));
        opened = handOver;
    }

    std::vector<std::string> calls;
    practice::PaperRequest opened;
    QString openName;   ///< what OpenPaperName says until CloseAll
    bool keeps = false; ///< CloseAllKeepingAnswers finds a window that stays open
};

} // namespace orbisk::testing
