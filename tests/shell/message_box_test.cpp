#include "shell/message_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "files/fileneve.h"
#include "shell/kiszoveg.h"
#include "shell/rig.h"

namespace shell {
namespace {

using testing::Rig;

ui::BitBtn& ButtonOf(TKiszoveg& box, BoxButton button) {
  switch (button) {
    case BoxButton::kIgen:
      return box.Bigen;
    case BoxButton::kNem:
      return box.Bnem;
    case BoxButton::kMegsem:
      return box.Bmegsem;
  }
  return box.Bok;
}

// Asks a yes/no question with `mode` in DialogReply and answers it with `button`.
std::string Ask(Rig& rig, std::string_view mode, BoxButton button) {
  rig.program.state.DialogReply = std::string(mode);
  rig.driver.OnModal(
      "Kiszoveg", [&] { EXPECT_TRUE(rig.driver.Click(ButtonOf(*rig.program.Kiszoveg, button))); });
  ShowBox(rig.program, "Kérdés", kIconQuestion, "Biztos?", "", false, true, true);
  return rig.program.state.DialogReply;
}

TEST(DialogReplyTest, EveryModeWordAndButton) {
  struct Case {
    std::string mode;
    BoxButton button;
    bool save_succeeds;
    std::string reply;
  };
  const std::vector<Case> cases = {
      {"semmit", BoxButton::kIgen, false, "igen"},
      {"semmit", BoxButton::kNem, false, "nem"},
      {"semmit", BoxButton::kMegsem, false, "nem"},
      {"felulir", BoxButton::kIgen, false, "igen"},
      {"felulir", BoxButton::kNem, false, "nem"},
      {"felulir", BoxButton::kMegsem, false, "nem"},
      {"felbontas", BoxButton::kIgen, false, "igen"},
      {"felbontas", BoxButton::kNem, false, "nem"},
      {"felbontas", BoxButton::kMegsem, false, "nem"},
      {"torol", BoxButton::kIgen, false, "igen"},
      {"torol", BoxButton::kNem, false, "nem"},
      {"torol", BoxButton::kMegsem, false, "nem"},
      {"hozzarendeles", BoxButton::kIgen, false, "igen"},
      {"hozzarendeles", BoxButton::kNem, false, "nem"},
      {"hozzarendeles", BoxButton::kMegsem, false, "nem"},
      // The exit question: Igen saves, and the answer says whether the save succeeded.
      {"mentes2", BoxButton::kIgen, true, "mentes3"},
      {"mentes2", BoxButton::kIgen, false, "nemlepki"},
      {"mentes2", BoxButton::kNem, true, "mentes2"},
      {"mentes2", BoxButton::kMegsem, true, "nemlepki"},
      // Any other word stays, whatever the answer; the words are case-sensitive.
      {"valami", BoxButton::kIgen, true, "valami"},
      {"valami", BoxButton::kNem, true, "valami"},
      {"valami", BoxButton::kMegsem, true, "valami"},
      {"Torol", BoxButton::kIgen, true, "Torol"},
      {"", BoxButton::kNem, true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode + " / " + std::to_string(static_cast<int>(c.button)));
    Rig rig;
    int saves = 0;
    rig.program.SaveMainSubtitleOnExit = [&] {
      ++saves;
      return c.save_succeeds;
    };
    EXPECT_EQ(Ask(rig, c.mode, c.button), c.reply);
    EXPECT_EQ(DialogAnswer(c.mode, c.button),
              c.mode == "mentes2" && c.button == BoxButton::kIgen ? "mentes3" : c.reply);
    EXPECT_EQ(saves, c.mode == "mentes2" && c.button == BoxButton::kIgen ? 1 : 0);
    EXPECT_FALSE(rig.program.state.ExitSaveInProgress);
  }
}

TEST(DialogReplyTest, OkNeverChangesTheReply) {
  for (std::string word : {"semmit", "felulir", "mentes2", "mentes3", "igen", ""}) {
    Rig rig;
    rig.program.state.DialogReply = word;
    rig.driver.OnModal("Kiszoveg",
                       [&] { EXPECT_TRUE(rig.driver.Click(rig.program.Kiszoveg->Bok)); });
    ShowBox(rig.program, "Mentés", kIconInfo, "A file-t elmentettem!", "", true, false, false);
    EXPECT_EQ(rig.program.state.DialogReply, word);
  }
}

TEST(DialogReplyTest, IgenToOverwriteClosesTheFileNameWindow) {
  Rig rig;
  files::TFileneve& fileneve = *rig.program.Fileneve;
  rig.driver.OnModal("Fileneve", [&] { EXPECT_EQ(Ask(rig, "felulir", BoxButton::kIgen), "igen"); });
  fileneve.ShowModal();
  EXPECT_FALSE(fileneve.Visible());
  EXPECT_EQ(rig.driver.Verify(), "");
}

TEST(DialogReplyTest, WithoutASaveTheExitQuestionKeepsTheEditorOpen) {
  Rig rig;
  rig.program.SaveMainSubtitleOnExit = nullptr;  // no save at all
  EXPECT_EQ(Ask(rig, "mentes2", BoxButton::kIgen), "nemlepki");
}

TEST(DialogReplyTest, AnExitSaveLeftWithoutANameKeepsTheEditorOpen) {
  Rig rig;  // the editor's name box is empty, so the save asks for a name: "<<< Vissza"
  rig.driver.OnModal("Fileneve", [&] { rig.driver.Click(rig.program.Fileneve->Button1); });
  EXPECT_EQ(Ask(rig, "mentes2", BoxButton::kIgen), "nemlepki");
}

// ---- Looks --------------------------------------------------------------------------------

// The headless backend draws a 13-pixel character 7 pixels wide.
TEST(MessageLooksTest, WidthAndOkCentring) {
  struct Case {
    std::string line1;
    std::string line2;
    int width;
    int ok_left;
  };
  const std::vector<Case> cases = {
      {"Rövid", "", 380, 152},
      {std::string(32, 'a'), "", 380, 152},  // 224 + 100 is below 330
      {std::string(33, 'a'), "", 331, 128},  // 231 + 100
      {std::string(50, 'a'), "rövid", 450, 187},
      {"rövid", std::string(40, 'b'), 410, 167},
      {std::string(40, 'a'), std::string(40, 'b'), 410, 167},  // equal: the second line counts
      {std::string(29, 'a'), std::string(28, 'b'), 380, 152},  // 203 + 100, below 330
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line1 + " / " + c.line2);
    Rig rig;
    TKiszoveg& box = *rig.program.Kiszoveg;
    rig.driver.OnModal("Kiszoveg", [&] {
      EXPECT_EQ(box.Width(), c.width);
      EXPECT_EQ(box.Height(), 135);
      EXPECT_EQ(box.Bok.Left(), c.ok_left);
      rig.driver.Click(box.Bok);
    });
    ShowBox(rig.program, "Üzenet", kIconInfo, c.line1, c.line2, true, false, false);
  }
}

TEST(MessageLooksTest, LinePlaces) {
  Rig rig;
  TKiszoveg& box = *rig.program.Kiszoveg;
  box.Prepare("a", kIconInfo, "Első", "", true, false, false);
  EXPECT_EQ(box.szoveg.Top(), 20);
  box.Prepare("a", kIconInfo, "Első", "Második", true, false, false);
  EXPECT_EQ(box.szoveg.Top(), 18);
  EXPECT_EQ(box.szoveg2.Top(), 36);
  EXPECT_EQ(box.szoveg2.Caption(), "Második");
}

// A line holding line breaks shows every one of its lines; the window grows to hold them
// and its buttons move below them.
TEST(MessageLooksTest, EveryLineOfAMessageIsShown) {
  struct Case {
    std::string line1;
    std::string line2;
    std::string caption1;
    int lines1;
    int lines2;
  };
  const std::vector<Case> cases = {
      {"Egy", "", "Egy", 1, 1},
      {"Egy\r\nKettő\r\nHárom\r\n", "", "Egy\r\nKettő\r\nHárom", 3, 1},
      {"Egy\nKettő", "Más", "Egy\r\nKettő", 2, 1},
      {"Egy", "a\r\n  b", "Egy", 1, 2},
      {"Név: a\r\nFelbontás: 1x1\r\nMéret: 0 MB\r\nFPS: 25\r\nTeljes hossz: x\r\n"
       "Teljes Frame: 5\r\n",
       "",
       "Név: a\r\nFelbontás: 1x1\r\nMéret: 0 MB\r\nFPS: 25\r\nTeljes hossz: x\r\nTeljes Frame: 5",
       6, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line1 + " / " + c.line2);
    Rig rig;
    TKiszoveg& box = *rig.program.Kiszoveg;
    box.Prepare("a", kIconInfo, c.line1, c.line2, true, true, true);
    // One line is the font's height; more lines stand 2 pixels further apart.
    const int font_height = rig.driver.App().TextHeight(box.szoveg.GetFont());
    auto height_of = [&](int lines) {
      return lines == 1 ? font_height : lines * (font_height + 2);
    };
    const int extra1 = height_of(c.lines1) - font_height;
    const int extra = extra1 + height_of(c.lines2) - font_height;
    EXPECT_EQ(box.szoveg.Caption(), c.caption1);
    EXPECT_EQ(box.szoveg.Height(), height_of(c.lines1));
    EXPECT_EQ(box.szoveg2.Height(), height_of(c.lines2));
    EXPECT_EQ(box.Height(), 135 + extra);
    EXPECT_EQ(box.Bok.Top(), 74 + extra);
    EXPECT_EQ(box.Bigen.Top(), 66 + extra);
    EXPECT_EQ(box.Bmegsem.Top(), 66 + extra);
    if (!c.line2.empty()) {
      EXPECT_EQ(box.szoveg2.Top(), 36 + extra1);
    }
    // The lines stand above the buttons, inside the window.
    EXPECT_LE(box.szoveg.Top() + box.szoveg.Height(), box.Bigen.Top());
    EXPECT_LE(box.szoveg2.Top() + box.szoveg2.Height(), box.Bigen.Top());
    // The widest line sets the width.
    EXPECT_GE(box.Width(), box.szoveg.Left() + box.szoveg.Width());
  }
  // The next one-line message is the usual window again.
  Rig rig;
  TKiszoveg& box = *rig.program.Kiszoveg;
  box.Prepare("a", kIconInfo, "Egy\r\nKettő", "", true, false, false);
  box.Prepare("a", kIconInfo, "Rövid", "", true, false, false);
  EXPECT_EQ(box.Height(), 135);
  EXPECT_EQ(box.Width(), 380);
  EXPECT_EQ(box.Bok.Top(), 74);
  EXPECT_EQ(box.szoveg.Width(), rig.driver.App().TextWidth(box.szoveg.GetFont(), "Rövid"));
}

TEST(MessageLooksTest, Buttons) {
  struct Case {
    bool ok, yes, no;
    bool shows_ok, shows_igen, shows_nem, shows_megsem;
  };
  const std::vector<Case> cases = {
      {true, false, false, true, false, false, false},
      {false, true, true, false, true, true, true},
      {false, true, false, false, true, false, false},
      {false, false, true, false, false, true, false},
      {true, true, true, true, true, true, true},
      // No button at all would leave no way out: OK comes.
      {false, false, false, true, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.ok) + std::to_string(c.yes) + std::to_string(c.no));
    Rig rig;
    TKiszoveg& box = *rig.program.Kiszoveg;
    box.Prepare("Kérdés", kIconQuestion, "Biztos?", "", c.ok, c.yes, c.no);
    EXPECT_EQ(box.Bok.Visible(), c.shows_ok);
    EXPECT_EQ(box.Bigen.Visible(), c.shows_igen);
    EXPECT_EQ(box.Bnem.Visible(), c.shows_nem);
    EXPECT_EQ(box.Bmegsem.Visible(), c.shows_megsem);
    EXPECT_EQ(box.Bigen.Left(), 68);
    EXPECT_EQ(box.Bnem.Left(), 160);
    EXPECT_EQ(box.Bmegsem.Left(), 250);
  }
}

TEST(MessageLooksTest, IconFollowsTheKindAndAnotherWordKeepsThePreviousOne) {
  struct Step {
    std::string icon;
    bool info, kerdes, hiba;
  };
  const std::vector<Step> steps = {
      {"hiba", false, false, true},   {"info", true, false, false},
      {"kerdes", false, true, false}, {"figyelem", false, true, false},
      {"", false, true, false},       {"hiba", false, false, true},
  };
  Rig rig;
  TKiszoveg& box = *rig.program.Kiszoveg;
  for (const Step& s : steps) {
    SCOPED_TRACE(s.icon);
    box.Prepare("a", s.icon, "b", "", true, false, false);
    EXPECT_EQ(box.InfoI.Visible(), s.info);
    EXPECT_EQ(box.KerdesI.Visible(), s.kerdes);
    EXPECT_EQ(box.HibaI.Visible(), s.hiba);
  }
}

TEST(MessageLooksTest, IconsArePictures) {
  Rig rig;
  TKiszoveg& box = *rig.program.Kiszoveg;
  for (ui::Image* icon : {&box.InfoI, &box.KerdesI, &box.HibaI}) {
    EXPECT_EQ(icon->GetPicture().width, 65) << icon->Name();
    EXPECT_EQ(icon->GetPicture().height, 65) << icon->Name();
  }
}

// ---- The log and the wrappers ---------------------------------------------------------------

TEST(MessageLogTest, ShownMessagesAreNoted) {
  Rig rig;
  rig.driver.OnModal("Kiszoveg", [&] { rig.driver.Click(rig.program.Kiszoveg->Bok); });
  rig.driver.OnModal("Kiszoveg", [&] { rig.driver.Click(rig.program.Kiszoveg->Bok); });
  ShowBox(rig.program, "Írásvédett file!", kIconError, "Írásvédett a következő file: a.srt",
          "A kért mentés nem sikerült!", true, false, false);
  ShowBox(rig.program, "Mentés", kIconInfo, "A file-t elmentettem!", "", true, false, false);
  EXPECT_EQ(rig.Lines("message: "),
            (std::vector<std::string>{"message: Írásvédett file! | Írásvédett a következő file: "
                                      "a.srt | A kért mentés nem sikerült!",
                                      "message: Mentés | A file-t elmentettem! |"}));
}

// Each kind of message shows its icon and its buttons.
TEST(MessageLogTest, TheKindsOfMessage) {
  struct Case {
    std::string name;
    std::function<void(Program&)> show;
    bool info, kerdes, hiba, shows_ok, shows_igen;
  };
  const std::vector<Case> cases = {
      {"Inform", [](Program& p) { Inform(p, "c", "a", "b"); }, true, false, false, true, false},
      {"ShowError", [](Program& p) { ShowError(p, "c", "a", "b"); }, false, false, true, true,
       false},
      {"AskYesNo", [](Program& p) { AskYesNo(p, "c", "a", "b"); }, false, true, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    TKiszoveg& box = *rig.program.Kiszoveg;
    rig.driver.OnModal("Kiszoveg", [&] {
      rig.driver.Click(box.Bok.Visible() ? static_cast<ui::Control&>(box.Bok) : box.Bmegsem);
    });
    c.show(rig.program);
    EXPECT_EQ(box.InfoI.Visible(), c.info);
    EXPECT_EQ(box.KerdesI.Visible(), c.kerdes);
    EXPECT_EQ(box.HibaI.Visible(), c.hiba);
    EXPECT_EQ(box.Bok.Visible(), c.shows_ok);
    EXPECT_EQ(box.Bigen.Visible(), c.shows_igen);
    EXPECT_EQ(box.Bnem.Visible(), c.shows_igen);
    EXPECT_EQ(box.Bmegsem.Visible(), c.shows_igen);
    EXPECT_EQ(rig.Lines("message: "), std::vector<std::string>{"message: c | a | b"});
  }
}

TEST(MessageLogTest, ShowCheckShowsOnlyAFailure) {
  Rig rig;
  EXPECT_TRUE(ShowCheck(rig.program, timecode::ValidateTimeCode("01:02:03,456")));
  EXPECT_TRUE(rig.Lines("message: ").empty());

  const timecode::Check bad = timecode::ValidateFrameNumber("012");
  ASSERT_FALSE(bad.ok);
  rig.driver.OnModal("Kiszoveg", [&] { rig.driver.Click(rig.program.Kiszoveg->Bok); });
  EXPECT_FALSE(ShowCheck(rig.program, bad));
  EXPECT_EQ(rig.Lines("message: "),
            std::vector<std::string>{
                MessageLogLine(bad.notice->caption, bad.notice->line1, bad.notice->line2)});
  EXPECT_EQ(rig.program.Kiszoveg->Caption(), bad.notice->caption);
}

// ---- The save on exit ---------------------------------------------------------------------------

// What the save on exit shows: only its success confirmation is kept back.
TEST(ExitSaveTest, OnlyTheSuccessConfirmationIsKeptBack) {
  Rig rig;
  Program& program = rig.program;
  TKiszoveg& box = *program.Kiszoveg;
  program.SaveMainSubtitleOnExit = [&] {
    EXPECT_TRUE(program.state.ExitSaveInProgress);
    // A notice before the file-name window, then the overwrite question: both shown.
    rig.driver.OnModal("Kiszoveg", [&] { rig.driver.Click(box.Bok); });
    ShowBox(program, "Eltérés!", kIconInfo, "A file neve nem egyezik meg a típussal!",
            "Következmény: filenév bekérés", true, false, false);
    program.state.DialogReply = "felulir";
    rig.driver.OnModal("Kiszoveg", [&] { rig.driver.Click(box.Bigen); });
    ShowBox(program, "Felülírás", kIconQuestion, "Létezik a file!", "Felülírja?", false, true,
            true);
    EXPECT_EQ(program.state.DialogReply, "igen");
    // The confirmation: not shown, even after the question was answered.
    ShowBox(program, "Mentés", kIconInfo, "A file-t elmentettem!", "", true, false, false,
            BoxRole::kSaveConfirmation);
    return true;
  };
  EXPECT_EQ(Ask(rig, "mentes2", BoxButton::kIgen), "mentes3");
  EXPECT_FALSE(program.state.ExitSaveInProgress);
  EXPECT_EQ(rig.Lines("message: "),
            (std::vector<std::string>{
                "message: Kérdés | Biztos? |",
                "message: Eltérés! | A file neve nem egyezik meg a típussal! | Következmény: "
                "filenév bekérés",
                "message: Felülírás | Létezik a file! | Felülírja?"}));
  EXPECT_EQ(rig.driver.Verify(), "");
}

TEST(ExitSaveTest, AFailedSaveIsShownAndKeepsTheEditorOpen) {
  Rig rig;
  Program& program = rig.program;
  program.SaveMainSubtitleOnExit = [&] {
    rig.driver.OnModal("Kiszoveg", [&] { rig.driver.Click(program.Kiszoveg->Bok); });
    ShowBox(program, "Írásvédett file!", kIconError, "Írásvédett a következő file: a.srt",
            "A kért mentés nem sikerült!", true, false, false);
    return false;
  };
  EXPECT_EQ(Ask(rig, "mentes2", BoxButton::kIgen), "nemlepki");
  EXPECT_EQ(rig.Lines("message: Írásvédett").size(), 1u);
  EXPECT_EQ(rig.driver.Verify(), "");
}

TEST(ExitSaveTest, OutsideTheExitSaveTheConfirmationIsShown) {
  Rig rig;
  rig.program.state.DialogReply = "mentes3";  // left over from an earlier question
  rig.driver.OnModal("Kiszoveg", [&] { rig.driver.Click(rig.program.Kiszoveg->Bok); });
  ShowBox(rig.program, "Mentés", kIconInfo, "A file-t elmentettem!", "", true, false, false,
          BoxRole::kSaveConfirmation);
  EXPECT_EQ(rig.Lines("message: ").size(), 1u);
  EXPECT_EQ(rig.driver.Verify(), "");
}

// ---- Escape -----------------------------------------------------------------------------------

TEST(MessageEscapeTest, InsideTheMessageWindow) {
  struct Case {
    std::string name;
    bool ok, yes, no;
    bool closes;
    std::string reply;  // DialogReply after Escape, starting from the mode word
    std::string mode = "torol";
  };
  const std::vector<Case> cases = {
      {"OK only", true, false, false, true, "torol"},
      {"Igen, Nem, Mégsem", false, true, true, true, "nem"},
      {"Nem only", false, false, true, true, "nem"},
      // Without a cancel button Escape does nothing; its key-up does not close a question.
      {"Igen only", false, true, false, false, "torol"},
      {"OK and Igen", true, true, false, false, "torol"},
      // Escape in the exit question is "Mégsem": the editor stays, nothing is thrown away.
      {"exit question", false, true, true, true, "nemlepki", "mentes2"},
      {"exit question with Nem only", false, false, true, true, "mentes2", "mentes2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    TKiszoveg& box = *rig.program.Kiszoveg;
    rig.program.state.DialogReply = c.mode;
    bool closed = false;
    rig.driver.OnModal("Kiszoveg", [&] {
      rig.driver.Press(ui::keys::kEscape);
      closed = box.GetModalResult() != ui::modal::kNone;
      if (!closed)
        rig.driver.Click(box.Bigen);
    });
    ShowBox(rig.program, "Törlés", kIconQuestion, "Tényleg törli?", "", c.ok, c.yes, c.no);
    EXPECT_EQ(closed, c.closes);
    if (c.closes) {
      EXPECT_EQ(rig.program.state.DialogReply, c.reply);
    }
  }
}

// The Escape pressed in another window opens a message; its key-up reaches the message window,
// which never saw the key-down, and must not close it.
TEST(MessageEscapeTest, TheKeyUpOfTheEscapeThatAskedDoesNotClose) {
  struct Case {
    std::string name;
    bool ok, yes, no;
  };
  const std::vector<Case> cases = {
      {"exit question", false, true, true},
      {"message", true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    Program& program = rig.program;
    TKiszoveg& box = *program.Kiszoveg;
    ui::Form window(program.app, "Ablak");
    window.SetKeyPreview(true);
    window.OnKeyDown = [&](ui::Key& key, ui::ShiftState) {
      if (key != ui::keys::kEscape)
        return;
      program.state.DialogReply = "mentes2";
      ShowBox(program, "A felirat mentése!", kIconQuestion, "A felirat módosítva lett!", "Elmenti?",
              c.ok, c.yes, c.no);
    };
    window.Show();
    bool still_open = false;
    rig.driver.OnModal("Kiszoveg", [&] {
      rig.driver.KeyUp(ui::keys::kEscape);
      still_open = box.GetModalResult() == ui::modal::kNone;
      rig.driver.Click(c.ok ? static_cast<ui::Control&>(box.Bok) : box.Bmegsem);
    });
    ASSERT_TRUE(rig.driver.KeyDown(ui::keys::kEscape));
    EXPECT_TRUE(still_open);
    EXPECT_EQ(program.state.DialogReply, c.ok ? "mentes2" : "nemlepki");
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

TEST(MessageEscapeTest, EachMessageStartsOnItsFirstButton) {
  Rig rig;
  TKiszoveg& box = *rig.program.Kiszoveg;
  rig.driver.OnModal("Kiszoveg", [&] { rig.driver.Click(box.Bnem); });
  rig.program.state.DialogReply = "torol";
  ShowBox(rig.program, "Törlés", kIconQuestion, "Tényleg törli?", "", false, true, true);
  // Enter on the next question answers Igen, not the Nem of the last one.
  rig.driver.OnModal("Kiszoveg", [&] { rig.driver.Press(ui::keys::kReturn); });
  rig.program.state.DialogReply = "torol";
  ShowBox(rig.program, "Törlés", kIconQuestion, "Tényleg törli?", "", false, true, true);
  EXPECT_EQ(rig.program.state.DialogReply, "igen");
}

}  // namespace
}  // namespace shell
