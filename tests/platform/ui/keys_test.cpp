// Key dispatch: hook, shortcuts, key handlers, characters, default behaviour, key-up.
#include <functional>

#include <gtest/gtest.h>

#include "test_forms.h"

namespace ui_test {
namespace {

// A form like the editor: a menu whose "Kilépés" has the Escape shortcut, a disabled item
// with Ctrl+X, a popup item with F5, an edit, a memo, a default button and two cancel
// buttons (the first hidden).
class KeyForm : public ui::Form {
 public:
  KeyForm(ui::Application& app, Trace& trace) : Form(app, "KeyForm"), trace_(&trace) {
    SetBounds(0, 0, 400, 300);
    Kilps2.SetShortCut(ui::MakeShortCut(ui::keys::kEscape));
    Utolsktsz1.SetShortCut(ui::MakeShortCut('X', ui::kCtrl));
    Utolsktsz1.SetEnabled(false);
    Lista.SetShortCut(ui::MakeShortCut(ui::keys::kF5));
    Kilps2.OnClick = [this] { Note("Kilps2"); };
    Utolsktsz1.OnClick = [this] { Note("Utolsktsz1"); };
    Lista.OnClick = [this] { Note("Lista"); };
    Bok.SetDefault(true);
    Bcancel1.SetCancel(true);
    Bcancel1.Hide();
    Bcancel2.SetCancel(true);
    Bcancel3.SetCancel(true);
    for (ui::Button* b : {&Bok, &Bcancel1, &Bcancel2, &Bcancel3}) {
      b->OnClick = [this, b] { Note(b->Name()); };
    }
    Edit1.OnKeyDown = [this](ui::Key& key, ui::ShiftState) { Note("down " + std::to_string(key)); };
    Edit1.OnKeyUp = [this](ui::Key& key, ui::ShiftState) { Note("up " + std::to_string(key)); };
    OnKeyUp = [this](ui::Key& key, ui::ShiftState) { Note("form up " + std::to_string(key)); };
  }
  void Note(std::string s) { trace_->push_back(std::move(s)); }

  ui::MainMenu MainMenu1{*this, "MainMenu1"};
  ui::MenuItem File1{MainMenu1, "File1", "File"};
  ui::MenuItem Kilps2{File1, "Kilps2", "Kilépés"};
  ui::MenuItem Utolsktsz1{File1, "Utolsktsz1", "2. sor első szava"};
  ui::PopupMenu Pop{*this, "Pop"};
  ui::MenuItem Lista{Pop, "Lista", "Lista"};
  ui::Edit Edit1{*this, "Edit1", {8, 8, 120, 21}};
  ui::Memo Memo1{*this, "Memo1", {8, 40, 200, 80}};
  ui::Button Bok{*this, "Bok", {8, 200, 75, 25}};
  ui::Button Bcancel1{*this, "Bcancel1", {90, 200, 75, 25}};
  ui::Button Bcancel2{*this, "Bcancel2", {170, 200, 75, 25}};
  ui::Button Bcancel3{*this, "Bcancel3", {250, 200, 75, 25}};

 private:
  Trace* trace_;
};

struct KeyWorld {
  ui::headless::Driver drv;
  Trace trace;
  KeyForm form{drv.App(), trace};
  KeyWorld() {
    form.Show();
    drv.Focus(form.Edit1);
  }
};

struct KeyCase {
  const char* name;
  std::function<void(KeyWorld&)> run;
  const char* trace;
  const char* edit_text;
};

TEST(KeyDispatch, Table) {
  const std::vector<KeyCase> cases = {
      {"a disabled item's shortcut is swallowed and runs nothing",
       [](KeyWorld& w) { w.drv.KeyDown('X', ui::kCtrl); }, "", ""},
      {"Escape is the menu command, never the control's key or a cancel button",
       [](KeyWorld& w) { w.drv.KeyDown(ui::keys::kEscape); }, "Kilps2", ""},
      {"a popup menu's shortcut runs its item", [](KeyWorld& w) { w.drv.KeyDown(ui::keys::kF5); },
       "Lista", ""},
      {"a character changed to Escape is dropped",
       [](KeyWorld& w) {
         w.form.Kilps2.SetShortCut(0);
         w.form.Edit1.OnKeyPress = [](char& ch) { ch = 27; };
         w.drv.KeyDown('A');
       },
       "down 65", ""},
      {"a character changed to 0 is dropped",
       [](KeyWorld& w) {
         w.form.Edit1.OnKeyPress = [](char& ch) { ch = 0; };
         w.drv.KeyDown('A');
       },
       "down 65", ""},
      {"a handler may change the character",
       [](KeyWorld& w) {
         w.form.Edit1.OnKeyPress = [](char& ch) {
           if (ch == 'a')
             ch = 'b';
         };
         w.drv.Type("aa");
       },
       "down 65 up 65 down 65 up 65", "bb"},
      {"a key cancelled in OnKeyDown types nothing",
       [](KeyWorld& w) {
         w.form.Edit1.OnKeyDown = [](ui::Key& key, ui::ShiftState) { key = 0; };
         w.drv.KeyDown('A');
       },
       "", ""},
      {"the form sees the key first with KeyPreview and may cancel it",
       [](KeyWorld& w) {
         w.form.SetKeyPreview(true);
         w.form.OnKeyDown = [&w](ui::Key& key, ui::ShiftState) {
           w.trace.push_back("form down");
           key = 0;
         };
         w.drv.KeyDown('A');
       },
       "form down", ""},
      {"Enter clicks the default button", [](KeyWorld& w) { w.drv.KeyDown(ui::keys::kReturn); },
       "down 13 Bok", ""},
      {"Enter clicks the focused button",
       [](KeyWorld& w) {
         w.drv.Focus(w.form.Bcancel3);
         w.drv.KeyDown(ui::keys::kReturn);
       },
       "Bcancel3", ""},
      {"Enter in a memo breaks the line instead",
       [](KeyWorld& w) {
         w.drv.Focus(w.form.Memo1);
         w.drv.KeyDown(ui::keys::kReturn);
         EXPECT_EQ(w.form.Memo1.Text(), "\r\n");
       },
       "", ""},
      {"Escape clicks the first visible cancel button",
       [](KeyWorld& w) {
         w.form.Kilps2.SetShortCut(0);
         w.drv.KeyDown(ui::keys::kEscape);
       },
       "down 27 Bcancel2", ""},
      {"Escape skips a cancel button that is not showing or is disabled",
       [](KeyWorld& w) {
         w.form.Kilps2.SetShortCut(0);
         w.form.Bcancel2.SetEnabled(false);
         w.drv.KeyDown(ui::keys::kEscape);
       },
       "down 27 Bcancel3", ""},
      {"the hook sees the key first and may swallow it",
       [](KeyWorld& w) {
         w.drv.App().OnMessage = [&w](ui::Message& m, bool& handled) {
           if (m.kind == ui::MessageKind::kKeyDown) {
             w.trace.push_back("hook");
             handled = true;
           }
         };
         w.drv.KeyDown(ui::keys::kEscape);
       },
       "hook", ""},
      {"Tab moves the focus in tab order",
       [](KeyWorld& w) {
         w.drv.KeyDown(ui::keys::kTab);
         EXPECT_TRUE(w.form.Memo1.Focused());
         w.drv.KeyDown(ui::keys::kTab, ui::kShift);
         EXPECT_TRUE(w.form.Edit1.Focused());
       },
       "", ""},
      {"Tab leaves a box whose key filter drops every character it does not want",
       [](KeyWorld& w) {
         w.form.Edit1.OnKeyPress = [](char& ch) {
           if (ch < '0' || ch > '9')
             ch = 0;
         };
         w.drv.KeyDown(ui::keys::kTab);
         EXPECT_TRUE(w.form.Memo1.Focused());
       },
       "", ""},
      {"Tab leaves a box whose key-down handler cancels the key",
       [](KeyWorld& w) {
         w.form.Edit1.OnKeyDown = [&w](ui::Key& key, ui::ShiftState) {
           w.trace.push_back("down " + std::to_string(key));
           key = 0;
         };
         w.drv.KeyDown(ui::keys::kTab);
         EXPECT_TRUE(w.form.Memo1.Focused());
       },
       "", ""},
      {"the form's key preview does not see Tab either",
       [](KeyWorld& w) {
         w.form.SetKeyPreview(true);
         w.form.OnKeyDown = [&w](ui::Key& key, ui::ShiftState) {
           w.trace.push_back("form down");
           key = 0;
         };
         w.form.OnKeyPress = [&w](char&) { w.trace.push_back("form press"); };
         w.drv.KeyDown(ui::keys::kTab);
         EXPECT_TRUE(w.form.Memo1.Focused());
       },
       "", ""},
      {"the hook still sees Tab first",
       [](KeyWorld& w) {
         w.drv.App().OnMessage = [&w](ui::Message& m, bool& handled) {
           if (m.kind == ui::MessageKind::kKeyDown && m.key == ui::keys::kTab) {
             w.trace.push_back("hook");
             handled = true;
           }
         };
         w.drv.KeyDown(ui::keys::kTab);
         EXPECT_TRUE(w.form.Edit1.Focused());
       },
       "hook", ""},
      {"a shortcut on Tab is looked up before the focus moves",
       [](KeyWorld& w) {
         w.form.Lista.SetShortCut(ui::MakeShortCut(ui::keys::kTab));
         w.drv.KeyDown(ui::keys::kTab);
         EXPECT_TRUE(w.form.Edit1.Focused());
       },
       "Lista", ""},
      {"Ctrl+Tab is the control's key and moves nothing",
       [](KeyWorld& w) {
         w.drv.KeyDown(ui::keys::kTab, ui::kCtrl);
         EXPECT_TRUE(w.form.Edit1.Focused());
       },
       "down 9", ""},
      {"the key release goes to the control Tab moved to",
       [](KeyWorld& w) {
         w.drv.Focus(w.form.Memo1);
         w.drv.Press(ui::keys::kTab, ui::kShift);
         EXPECT_TRUE(w.form.Edit1.Focused());
       },
       "up 9", ""},
      {"MaxLength limits typing, not code",
       [](KeyWorld& w) {
         w.form.Edit1.SetMaxLength(3);
         w.form.Edit1.OnKeyDown = nullptr;
         w.form.Edit1.OnKeyUp = nullptr;
         w.drv.Type("abcdef");
         w.form.Edit1.SetSelStart(3);
         w.form.Edit1.SetSelText("xy");
       },
       "", "abcxy"},
      {"pasting goes through OnKeyPress character by character",
       [](KeyWorld& w) {
         w.form.Edit1.OnKeyPress = [](char& ch) {
           if (ch == '.')
             ch = 0;
         };
         w.drv.Paste("a.b.c");
       },
       "", "abc"},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    KeyWorld w;
    c.run(w);
    EXPECT_EQ(Join(w.trace), c.trace);
    EXPECT_EQ(w.form.Edit1.Text(), c.edit_text);
    EXPECT_EQ(w.drv.Verify(), "");
  }
}

TEST(KeyDispatch, KeyUpReachesOnlyTheWindowThatSawTheKeyDown) {
  KeyWorld w;
  Trace& t = w.trace;
  TraceForm msg{w.drv.App(), "Msg", t};
  msg.SetKeyPreview(true);
  msg.OnKeyUp = [&](ui::Key& key, ui::ShiftState) { t.push_back("msg up " + std::to_string(key)); };
  // Escape in the editor-like form asks through a modal message; the release of Escape
  // lands in the message window, which never saw it go down.
  w.form.Kilps2.OnClick = [&] { msg.ShowModal(); };
  w.drv.OnModal("Msg", [&] {
    w.drv.KeyUp(ui::keys::kEscape);
    w.drv.Press('Y');
    w.drv.Click(msg.Bok);
  });
  w.drv.KeyDown(ui::keys::kEscape);
  w.drv.KeyUp(ui::keys::kEscape);  // back in the form: already released
  w.drv.Press('Z');
  EXPECT_EQ(Join(t), "Msg+ msg up 89 Msg.close down 90 up 90");
  EXPECT_EQ(w.drv.Verify(), "");
}

// Only a control made to take tabs keeps them: a grid between cells.
TEST(KeyDispatch, AGridThatTakesTabsKeepsThem) {
  for (bool tabs : {true, false}) {
    SCOPED_TRACE(tabs ? "tabs between cells" : "no tabs");
    ui::headless::Driver drv;
    Trace trace;
    KeyForm form{drv.App(), trace};
    ui::DbGrid racs{form, "racs", {220, 8, 150, 100}};
    racs.SetTabsBetweenCells(tabs);
    racs.OnKeyDown = [&](ui::Key& key, ui::ShiftState) {
      trace.push_back("grid " + std::to_string(key));
    };
    form.Show();
    drv.Focus(racs);
    drv.KeyDown(ui::keys::kTab);
    EXPECT_EQ(racs.Focused(), tabs);
    EXPECT_EQ(Join(trace), tabs ? "grid 9" : "");
  }
}

TEST(KeyDispatch, TheHookTurnsTheWheelIntoArrowKeys) {
  ui::headless::Driver drv;
  Trace trace;
  KeyForm form{drv.App(), trace};
  ui::ListBox list{form, "List", {220, 8, 100, 100}};
  list.SetItems({"a", "", "c", "d"});
  int clicks = 0;
  list.OnClick = [&] { ++clicks; };
  drv.App().OnMessage = [](ui::Message& m, bool&) {
    if (m.kind != ui::MessageKind::kMouseWheel)
      return;
    m.kind = ui::MessageKind::kKeyDown;
    m.key = m.wheel_delta > 0 ? ui::keys::kUp : ui::keys::kDown;
  };
  form.Show();
  drv.Focus(list);
  drv.Wheel(-360);  // three notches towards the user
  EXPECT_EQ(list.ItemIndex(), 2);
  drv.Wheel(120);
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_EQ(list.Items()[1], "");  // empty lines are kept
  EXPECT_EQ(clicks, 4);
}

TEST(Menus, ChoosingNeedsAnEnabledVisibleItemAndCheckedRunsNothing) {
  ui::headless::Driver drv;
  Trace trace;
  KeyForm form{drv.App(), trace};
  form.Show();
  EXPECT_FALSE(drv.ChooseMenuItem(form.Utolsktsz1));
  EXPECT_TRUE(drv.ChooseMenuItem(form.Kilps2));
  form.File1.SetVisible(false);
  EXPECT_FALSE(drv.ChooseMenuItem(form.Kilps2));
  form.Kilps2.SetChecked(true);
  EXPECT_EQ(Join(trace), "Kilps2");
}

TEST(Menus, RightClickPopsUpTheControlsMenuAtTheScreenPoint) {
  ui::headless::Driver drv;
  Trace trace;
  KeyForm form{drv.App(), trace};
  form.Edit1.SetPopupMenu(&form.Pop);
  form.Pop.OnPopup = [&] { trace.push_back("OnPopup"); };
  form.SetBounds(100, 50, 400, 300);
  form.Show();
  drv.RightClickAt(form.Edit1, 5, 6);
  EXPECT_EQ(drv.LastPopup(), &form.Pop);
  EXPECT_EQ(form.Pop.PopupComponent(), &form.Edit1);
  // client origin: frame 4 left, 26 top and 20 for the menu bar
  EXPECT_EQ(drv.Backend().LastPopupPoint(), (ui::Point{100 + 4 + 8 + 5, 50 + 46 + 8 + 6}));
  EXPECT_TRUE(drv.ChooseMenuItem(form.Lista));
  EXPECT_EQ(Join(trace), "OnPopup Lista");
}

}  // namespace
}  // namespace ui_test
