#pragma once
// Ends dialogs with scripted results and records which layouts ran, for tests of the flows.
#include <deque>
#include <initializer_list>
#include <vector>

#include "platform/ui/Dialog.h"

namespace platform::ui::fake {

class ScriptedDialogs : public DialogBackend {
  public:
    struct Shown {
        int resourceId;
        bool topmost;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // Queues the results of the next dialogs; an unscripted dialog ends with Cancel.
    void Answer(std::initializer_list<int> results);
    const std::vector<Shown>& runs() const { return runs_; }

    int Run(Window* owner, const DialogLayout& layout, const DialogOptions& options) override;

  private:
    std::deque<int> script_;
    std::vector<Shown> runs_;
};

}  // namespace platform::ui::fake
