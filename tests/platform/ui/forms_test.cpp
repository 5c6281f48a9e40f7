// Activation, modality and closing of forms.
#include <functional>

#include <gtest/gtest.h>

#include "test_forms.h"

namespace ui_test {
namespace {

struct ActivationCase {
  const char* name;
  std::function<void(World&)> run;
  const char* trace;
};

TEST(Activation, Table) {
  const std::vector<ActivationCase> cases = {
      {"first show runs OnActivate", [](World& w) { w.a.Show(); }, "A+"},
      {"showing the active form again runs nothing",
       [](World& w) {
         w.a.Show();
         w.a.Show();
       },
       "A+"},
      {"a modal child that closes does not reactivate its owner",
       [](World& w) {
         w.a.Show();
         w.drv.OnModal("B", [&w] { w.drv.Click(w.b.Bok); });
         w.b.ShowModal();
       },
       "A+ B+ B.close"},
      {"a message window over a form does not reactivate it",
       [](World& w) {
         w.a.Show();
         w.a.Edit1.OnChange = [&w] { w.msg.ShowModal(); };
         w.drv.OnModal("Msg", [&w] { w.drv.Press(ui::keys::kReturn); });
         w.drv.Focus(w.a.Edit1);
         w.drv.Type("x");
       },
       "A+ Msg+ Msg.close"},
      {"switching between two modeless forms",
       [](World& w) {
         w.a.Show();
         w.b.Show();
         w.drv.Activate(w.a);
         w.drv.Activate(w.b);
       },
       "A+ B+ A+ B+"},
      {"closing a modeless form activates the form under it",
       [](World& w) {
         w.a.Show();
         w.b.Show();
         w.b.Close();
       },
       "A+ B+ B.close A+"},
      {"a modeless form closed inside a modal session reactivates the modal form",
       [](World& w) {
         w.drv.OnModal("B", [&w] {
           w.a.Show();
           w.a.Close();
           w.drv.Click(w.b.Bok);
         });
         w.b.ShowModal();
       },
       "B+ A+ A.close B+ B.close"},
      {"a form under a modal form takes no user switch",
       [](World& w) {
         w.a.Show();
         w.drv.OnModal("B", [&w] {
           EXPECT_FALSE(w.drv.Activate(w.a));
           w.drv.Click(w.b.Bok);
         });
         w.b.ShowModal();
       },
       "A+ B+ B.close"},
  };
  for (const ActivationCase& c : cases) {
    SCOPED_TRACE(c.name);
    World w;
    c.run(w);
    EXPECT_EQ(Join(w.trace), c.trace);
    EXPECT_EQ(w.drv.Verify(), "");
  }
}

TEST(Activation, ModalShownFromOnActivateRunsThroughTheDriver) {
  World w;
  ui::ModalResult result = ui::modal::kNone;
  w.a.OnActivate = [&] {
    w.trace.push_back("A+");
    result = w.b.ShowModal();
  };
  w.drv.OnModal("B", [&] {
    EXPECT_TRUE(w.b.Active());
    EXPECT_FALSE(w.a.AcceptsInput());
    w.drv.Focus(w.b.Edit1);
    w.drv.Type("ok");
    w.drv.Press(ui::keys::kReturn);  // the default button
  });
  w.a.Show();
  EXPECT_EQ(result, ui::modal::kOk);
  EXPECT_EQ(w.b.Edit1.Text(), "ok");
  EXPECT_EQ(Join(w.trace), "A+ B+ B.close");
  EXPECT_TRUE(w.a.Active());
  EXPECT_TRUE(w.a.AcceptsInput());
  EXPECT_EQ(w.drv.Verify(), "");
  EXPECT_EQ(w.drv.LogLines("modal"), (Trace{"modal: B", "modal end: B"}));
}

TEST(Modal, CloseOfAFormThatIsNotTheInnermostEndsItsSessionAfterTheInnerOne) {
  World w;
  ui::ModalResult inner = ui::modal::kNone;
  w.b.Edit1.OnChange = [&] {
    inner = w.msg.ShowModal();
    w.trace.push_back("inner returned");
  };
  w.drv.OnModal("B", [&] {
    w.drv.Focus(w.b.Edit1);
    w.drv.Type("x");
  });
  w.drv.OnModal("Msg", [&] {
    w.b.Close();  // "Igen" closing the window under the message
    EXPECT_TRUE(w.b.InModalSession());
    w.drv.Click(w.msg.Bok);
  });
  ui::ModalResult outer = w.b.ShowModal();
  EXPECT_EQ(inner, ui::modal::kOk);
  EXPECT_EQ(outer, ui::modal::kCancel);
  EXPECT_EQ(Join(w.trace), "B+ Msg+ Msg.close inner returned B.close");
  EXPECT_EQ(w.app().ModalDepth(), 0);
  EXPECT_EQ(w.drv.Verify(), "");
}

TEST(Modal, HideInsideASessionDoesNotEndIt) {
  World w;
  w.drv.OnModal("B", [&] {
    w.b.Hide();
    EXPECT_TRUE(w.b.InModalSession());
    EXPECT_FALSE(w.b.Visible());
    w.b.Show();
    EXPECT_TRUE(w.b.Visible());
    w.drv.Click(w.b.Bok);
  });
  EXPECT_EQ(w.b.ShowModal(), ui::modal::kOk);
  EXPECT_FALSE(w.b.Visible());
  EXPECT_EQ(w.drv.Verify(), "");
}

TEST(Modal, WorksBeforeRunAndRunEndsWhenTheMainFormCloses) {
  World w;
  w.drv.OnModal("B", [&] { w.drv.Click(w.b.Bmegsem); });
  EXPECT_EQ(w.b.ShowModal(), ui::modal::kCancel);
  EXPECT_FALSE(w.main.Visible());
  w.drv.OnRun([&] {
    EXPECT_TRUE(w.main.Visible());
    w.main.Close();
  });
  w.app().Run();
  EXPECT_TRUE(w.app().Terminated());
  EXPECT_EQ(Join(w.trace), "B+ B.close Main+ Main.close");
  EXPECT_EQ(w.drv.Verify(), "");
}

TEST(Modal, DisablesOnlyTheFormsVisibleAtThatMoment) {
  World w;
  w.a.Show();
  w.drv.OnModal("B", [&] {
    EXPECT_FALSE(w.a.AcceptsInput());
    w.main.Show();  // shown later: stays usable
    EXPECT_TRUE(w.main.AcceptsInput());
    EXPECT_TRUE(w.drv.Click(w.main.Edit1));
    w.main.Hide();
    w.drv.Click(w.b.Bok);
  });
  w.b.ShowModal();
  EXPECT_TRUE(w.a.AcceptsInput());
  EXPECT_EQ(w.drv.Verify(), "");
}

TEST(Modal, TheDriverReportsUnscriptedAndUnusedSteps) {
  World w;
  EXPECT_EQ(w.b.ShowModal(), ui::modal::kCancel);
  w.drv.OnModal("Msg", [] {});
  EXPECT_EQ(w.drv.Verify(),
            "modal form B was shown with nothing queued\n"
            "a step queued for Msg never ran: the form was not shown modally");
  w.drv.OnModal("B", [] {});  // leaves the form open
  w.b.ShowModal();
  EXPECT_EQ(w.drv.Verify(), "modal form B was still open after its step");
  EXPECT_FALSE(w.b.InModalSession());
}

struct CloseCase {
  const char* name;
  std::function<void(World&)> run;
  const char* trace;
  bool a_visible;
};

TEST(Close, Table) {
  const std::vector<CloseCase> cases = {
      {"modeless close runs OnClose, then hides",
       [](World& w) {
         w.a.Show();
         w.a.OnClose = [&w](ui::CloseAction&) {
           w.trace.push_back(w.a.Visible() ? "close while visible" : "close after hide");
         };
         w.a.Close();
       },
       "A+ close while visible", false},
      {"close is idempotent",
       [](World& w) {
         w.a.Show();
         w.a.Close();
         w.a.Close();
       },
       "A+ A.close", false},
      {"an OnClose with no action keeps the form",
       [](World& w) {
         w.a.close_action = ui::CloseAction::kNone;
         w.a.Show();
         w.a.Close();
       },
       "A+ A.close", true},
      {"a modal close runs OnClose once, when its loop has control",
       [](World& w) {
         w.drv.OnModal("A", [&w] {
           w.a.Close();
           w.trace.push_back("after Close");
           w.a.Close();
         });
         EXPECT_EQ(w.a.ShowModal(), ui::modal::kCancel);
       },
       "A+ after Close A.close", false},
      {"the close box of a form without one is ignored",
       [](World& w) {
         w.a.SetBorderIcons({.system_menu = false});
         w.a.Show();
         w.drv.RequestClose(w.a);
       },
       "A+", true},
      {"the close box closes a form",
       [](World& w) {
         w.a.Show();
         w.drv.RequestClose(w.a);
       },
       "A+ A.close", false},
      {"a close box handler that refuses keeps the form",
       [](World& w) {
         w.a.OnCloseBox = [&w](bool& can_close) {
           w.trace.push_back("box");
           can_close = false;
         };
         w.a.Show();
         w.drv.RequestClose(w.a);
       },
       "A+ box", true},
      {"a modal form's close box handler runs at the press and may ask a question",
       [](World& w) {
         w.a.OnCloseBox = [&w](bool& can_close) {
           w.drv.OnModal("Msg", [&w] { w.drv.Press(ui::keys::kReturn); });
           w.msg.ShowModal();
           can_close = w.trace.back() == "Msg.close";
         };
         w.drv.OnModal("A", [&w] {
           w.drv.RequestClose(w.a);
           w.trace.push_back("after the press");
         });
         w.a.ShowModal();
       },
       "A+ Msg+ Msg.close after the press A.close", false},
      {"a Close by the program does not run the close box handler",
       [](World& w) {
         w.a.OnCloseBox = [&w](bool& can_close) {
           w.trace.push_back("box");
           can_close = false;
         };
         w.a.Show();
         w.a.Close();
       },
       "A+ A.close", false},
      {"closing the hidden main form ends the run",
       [](World& w) {
         w.main.Close();
         EXPECT_TRUE(w.app().Terminated());
         w.app().Run();
       },
       "Main.close", false},
  };
  for (const CloseCase& c : cases) {
    SCOPED_TRACE(c.name);
    World w;
    c.run(w);
    EXPECT_EQ(Join(w.trace), c.trace);
    EXPECT_EQ(w.a.Visible(), c.a_visible);
    EXPECT_EQ(w.drv.Verify(), "");
  }
}

TEST(Timers, TickOnTheVirtualClockAlsoInsideAModalSession) {
  World w;
  ui::Timer timer{w.main, "Timer1"};
  timer.SetInterval(100);
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  w.drv.Advance(250);
  EXPECT_EQ(ticks, 2);
  w.drv.OnModal("B", [&] {
    w.drv.Advance(100);
    w.drv.Click(w.b.Bok);
  });
  w.b.ShowModal();
  EXPECT_EQ(ticks, 3);
  timer.SetEnabled(false);
  w.drv.Advance(1000);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(w.drv.Verify(), "");
}

TEST(Forms, GeometryConstraintsAndCentring) {
  World w;
  w.a.SetConstraints({.min_width = 273, .max_width = 293, .min_height = 355, .max_height = 375});
  w.a.SetBounds(0, 0, 500, 100);
  EXPECT_EQ(w.a.Width(), 293);
  EXPECT_EQ(w.a.Height(), 355);
  w.a.SetPosition(ui::FormPosition::kScreenCenter);
  w.drv.SetScreenSize(1024, 768);
  w.a.Show();
  EXPECT_EQ(w.a.Left(), (1024 - 293) / 2);
  EXPECT_EQ(w.a.Top(), (768 - 355) / 2);
  EXPECT_EQ(w.a.ClientWidth(), 293 - 8);
  w.a.SetAlphaBlendValue(300);
  EXPECT_EQ(w.a.AlphaBlendValue(), 255);
}

TEST(Forms, OnPaintRunsOnlyOnExposure) {
  World w;
  int paints = 0;
  w.a.OnPaint = [&] { ++paints; };
  w.a.Show();
  w.a.Edit1.SetText("x");
  w.a.Edit1.Repaint();
  EXPECT_EQ(paints, 0);
  w.drv.Expose(w.a);
  EXPECT_EQ(paints, 1);
}

TEST(Forms, SetFocusOnAHiddenFormIsAppliedWhenShown) {
  World w;
  ui::Edit second{w.a, "Edit2", {8, 40, 100, 21}};
  int enters = 0;
  second.OnEnter = [&] { ++enters; };
  second.SetFocus();
  EXPECT_EQ(enters, 0);
  w.a.Show();
  EXPECT_TRUE(second.Focused());
  EXPECT_EQ(enters, 1);
  w.a.Edit1.SetEnabled(false);
  w.a.Edit1.SetFocus();  // disabled: no-op
  EXPECT_TRUE(second.Focused());
}

TEST(Screen, HourglassGuardRestoresTheCursor) {
  World w;
  {
    ui::HourglassCursor busy(w.app());
    EXPECT_EQ(w.drv.Backend().CurrentCursor(), ui::Cursor::kHourGlass);
  }
  EXPECT_EQ(w.drv.Backend().CurrentCursor(), ui::Cursor::kDefault);
  w.drv.SetScreenSize(800, 600);
  EXPECT_EQ(w.app().GetScreen().Width(), 800);
  EXPECT_EQ(w.app().GetScreen().Height(), 600);
}

}  // namespace
}  // namespace ui_test
