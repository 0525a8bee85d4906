#pragma once
// Modal message boxes. The Qt backend shows real boxes; tests install a scripted backend that
// answers from a list and records what was asked.
#include <optional>
#include <string>
#include <string_view>

namespace platform::ui {

class Window;

enum class Buttons { Ok, OkCancel, RetryCancel, YesNo };
enum class Icon { None, Information, Warning, Question, Error };
enum class Answer { Ok, Cancel, Retry, Yes, No };

struct MessageRequest {
    std::string text;
    std::string caption;  // already resolved: the application's title when none was given
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    bool owned = false;  // shown with an owner window
};

class MessageBoxBackend {
  public:
    virtual ~MessageBoxBackend() = default;
    virtual Answer Show(Window* owner, const MessageRequest& request) = 0;
};

// The caption std::nullopt stands for the application's title (the program's file name).
Answer ShowMessage(Window* owner, std::string_view text, std::optional<std::string_view> caption,
                   Buttons buttons, Icon icon = Icon::None);

// Sets the title message boxes get when no caption is given.
void SetApplicationTitle(std::string title);

// The answer of a user who dismisses the box: Ok, No or Cancel, whichever the buttons offer.
Answer DismissingAnswer(Buttons buttons);

// Installs the backend every later ShowMessage uses; the caller keeps ownership.
void SetMessageBoxBackend(MessageBoxBackend* backend);

}  // namespace platform::ui
