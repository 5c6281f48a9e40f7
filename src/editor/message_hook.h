// Binds the application-message hook to a window for the window's lifetime: the hook is
// cleared when the binding goes, so the application never calls into a window that is gone.
#pragma once

#include <functional>
#include <utility>

#include "platform/ui/application.h"

namespace editor {

class MessageHookBinding {
 public:
  using Hook = std::function<void(ui::Message& message, bool& handled)>;

  explicit MessageHookBinding(ui::Application& app) : app_(app) {}
  ~MessageHookBinding() { app_.OnMessage = nullptr; }
  MessageHookBinding(const MessageHookBinding&) = delete;
  MessageHookBinding& operator=(const MessageHookBinding&) = delete;

  void Bind(Hook hook) { app_.OnMessage = std::move(hook); }

 private:
  ui::Application& app_;
};

}  // namespace editor
