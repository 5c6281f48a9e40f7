// A window's controls checked against a table: each control is found by its name, sits in
// the window itself or in the control named as its parent, and has its kind, its caption and
// its Enabled and Visible flags.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/form.h"

namespace test_support {

struct ExpectedControl {
  std::string_view name;
  ui::ControlKind kind;
  std::string_view caption;
  bool enabled;
  bool visible;
  // The name of the control it sits in; empty: the window itself.
  std::string_view parent = {};
};

inline void ExpectControl(const ui::Form& form, const ExpectedControl& want) {
  SCOPED_TRACE(form.Name() + "." + std::string(want.name));
  const ui::Control* control = form.FindControl(want.name);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->Kind(), want.kind);
  EXPECT_EQ(control->Caption(), want.caption);
  ASSERT_NE(control->Parent(), nullptr);
  if (want.parent.empty()) {
    EXPECT_EQ(control->Parent(), &form);
  } else {
    EXPECT_NE(control->Parent(), &form);
    EXPECT_EQ(control->Parent()->Name(), want.parent);
  }
  EXPECT_EQ(control->Enabled(), want.enabled);
  EXPECT_EQ(control->Visible(), want.visible);
}

inline void ExpectControls(const ui::Form& form, const std::vector<ExpectedControl>& table) {
  for (const ExpectedControl& want : table)
    ExpectControl(form, want);
}

}  // namespace test_support
