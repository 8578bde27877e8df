// The headless backend's shared state: scripts, records, resources and the
// top-level windows that exist while their modal loops run.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/headless/Headless.h"

namespace headless {

struct State {
    std::deque<ModalScript> modalScripts;
    std::deque<std::pair<INT_PTR, std::string>> fileDialogAnswers;
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<MessageBoxRequest> messageBoxes;
    std::map<UINT, std::string> strings;
    std::map<UINT, std::unique_ptr<HICON__>> icons;
    std::vector<std::unique_ptr<HWND__>> topLevel;
};

State& GetState();

}  // namespace headless
