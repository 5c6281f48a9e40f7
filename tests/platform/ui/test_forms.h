// Small forms for the GUI layer's tests, and a trace of what their handlers saw.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/headless/driver.h"
#include "platform/ui/ui.h"

namespace ui_test {

using Trace = std::vector<std::string>;

inline std::string Join(const Trace& trace) {
  std::string out;
  for (const std::string& s : trace) {
    if (!out.empty())
      out += ' ';
    out += s;
  }
  return out;
}

// A form that writes "NAME+" on activation and "NAME.close" on close into a shared trace,
// with an OK button, a cancel button and an edit.
class TraceForm : public ui::Form {
 public:
  TraceForm(ui::Application& app, std::string name, Trace& trace)
      : Form(app, std::move(name)), trace_(&trace) {
    SetBounds(0, 0, 300, 200);
    Bok.SetKind(ui::ButtonKind::kOk);
    Bmegsem.SetKind(ui::ButtonKind::kCancel);
    OnActivate = [this] { trace_->push_back(Name() + "+"); };
    OnClose = [this](ui::CloseAction& action) {
      trace_->push_back(Name() + ".close");
      action = close_action;
    };
    Created();
  }

  ui::Edit Edit1{*this, "Edit1", {8, 8, 120, 21}};
  ui::BitBtn Bok{*this, "Bok", {8, 100, 75, 25}};
  ui::BitBtn Bmegsem{*this, "Bmegsem", {100, 100, 75, 25}};
  ui::CloseAction close_action = ui::CloseAction::kHide;

 private:
  Trace* trace_;
};

// The driver and four forms: Main (the main form), A, B and Msg.
struct World {
  ui::headless::Driver drv;
  Trace trace;
  TraceForm main{drv.App(), "Main", trace};
  TraceForm a{drv.App(), "A", trace};
  TraceForm b{drv.App(), "B", trace};
  TraceForm msg{drv.App(), "Msg", trace};
  ui::Application& app() { return drv.App(); }
};

}  // namespace ui_test
