#include "shell/scopes.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/headless/driver.h"
#include "platform/ui/ui.h"

namespace shell {
namespace {

struct GaugeForm {
  ui::headless::Driver driver;
  ui::Form form{driver.App(), "F"};
  ui::Gauge gauge{form, "gauge", {0, 0, 100, 16}};
};

TEST(GaugeScope, ShowsFromZeroStepsPerHundredthAndHidesAtZeroHoweverThePassEnds) {
  GaugeForm form;
  form.gauge.SetProgress(57);
  form.gauge.SetVisible(false);
  std::vector<int> seen;
  try {
    GaugeScope gauge(form.gauge, 300);
    EXPECT_TRUE(form.gauge.Visible());
    EXPECT_EQ(form.gauge.Progress(), 0);
    for (int row = 1; row <= 150; ++row) {
      gauge.RowDone();
      if (seen.empty() || seen.back() != form.gauge.Progress())
        seen.push_back(form.gauge.Progress());
    }
    throw 1;
  } catch (int) {
  }
  EXPECT_EQ(seen.size(), 51u);
  EXPECT_EQ(seen.back(), 50);
  EXPECT_FALSE(form.gauge.Visible());
  EXPECT_EQ(form.gauge.Progress(), 0);
}

TEST(GaugeScope, AGaugeOfAWindowsFaceStaysShownWhereThePassLeftIt) {
  GaugeForm form;
  {
    GaugeScope gauge(form.gauge, 0, GaugeScope::AtEnd::kStaysShown);
    gauge.SetPosition(80);
  }
  EXPECT_TRUE(form.gauge.Visible());
  EXPECT_EQ(form.gauge.Progress(), 80);
}

TEST(GaugeScope, EndingEarlyHidesOnceAndTheScopeLeavesTheGaugeAlone) {
  GaugeForm form;
  GaugeScope gauge(form.gauge, 100);
  gauge.RowDone();
  gauge.End();
  EXPECT_FALSE(form.gauge.Visible());
  form.gauge.SetVisible(true);  // shown again by a later pass
  form.gauge.SetProgress(30);
  gauge.End();
  EXPECT_TRUE(form.gauge.Visible());
  EXPECT_EQ(form.gauge.Progress(), 30);
}

}  // namespace
}  // namespace shell
