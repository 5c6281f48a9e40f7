// Leaving the translation window and entering it again: unsaved changes are asked about before
// they are dropped, and every entry starts as the first one did.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "files/fileneve.h"
#include "translation/workspace.h"

namespace {

using translation::TForditas;
using translation_test::kTwoEntries;
using translation_test::Workspace;
namespace field = dataset::translation_field;
using Lines = std::vector<std::string>;

enum class Exit { kVissza, kKilepes, kCloseBox };
enum class Answer { kIgen, kNem, kMegsem };

constexpr std::string_view kTranslation =
    "1\n00:00:01,000 --> 00:00:02,000\nEgy\n\n2\n00:00:03,000 --> 00:00:04,000\nKettő\n";

void Leave(Workspace& w, Exit exit) {
  switch (exit) {
    case Exit::kVissza:
      w.driver.Click(w.f().Bfvissza);
      break;
    case Exit::kKilepes:
      w.driver.Click(w.f().BfKilepes);
      break;
    case Exit::kCloseBox:
      w.driver.RequestClose(w.f());
      break;
  }
}

void AnswerQuestion(Workspace& w, Answer answer) {
  w.driver.OnModal("Kiszoveg", [&w, answer] {
    shell::TKiszoveg& box = *w.program.Kiszoveg;
    w.driver.Click(answer == Answer::kIgen  ? static_cast<ui::Control&>(box.Bigen)
                   : answer == Answer::kNem ? static_cast<ui::Control&>(box.Bnem)
                                            : static_cast<ui::Control&>(box.Bmegsem));
  });
}

void ChangeText(dataset::RowTable& table, int row, std::string_view text) {
  table.SetRecNo(row);
  table.Edit();
  table.SetValue(field::kSzoveg, text);
  table.Post();
}

TEST(TranslationLeaving, UnsavedChangesAreAskedAboutOnEveryExit) {
  struct Case {
    const char* name;
    Exit exit;
    bool change_source;
    bool change_translation;
    Answer answer;
    // The question asked (empty: none), whether the window closed, the files written.
    std::string question;
    bool closed;
    bool saved;
  };
  const std::string kSourceChanged =
      "message: A felirat mentése! | Az eredeti felirat módosítva lett! | Elmenti?";
  const std::string kTranslationChanged =
      "message: A felirat mentése! | A fordított felirat módosítva lett! | Elmenti?";
  const std::string kBothChanged =
      "message: A feliratok mentése! | Mindkét felirat módosítva lett! | Elmenti?";
  const std::vector<Case> cases = {
      {"nothing changed", Exit::kVissza, false, false, Answer::kMegsem, "", true, false},
      {"translation, Vissza, Igen", Exit::kVissza, false, true, Answer::kIgen, kTranslationChanged,
       true, true},
      {"translation, Vissza, Nem", Exit::kVissza, false, true, Answer::kNem, kTranslationChanged,
       true, false},
      {"translation, Vissza, Mégsem", Exit::kVissza, false, true, Answer::kMegsem,
       kTranslationChanged, false, false},
      {"source, close box, Mégsem", Exit::kCloseBox, true, false, Answer::kMegsem, kSourceChanged,
       false, false},
      {"source, close box, Igen", Exit::kCloseBox, true, false, Answer::kIgen, kSourceChanged, true,
       true},
      {"both, Kilépés, Nem", Exit::kKilepes, true, true, Answer::kNem, kBothChanged, true, false},
      {"both, Kilépés, Igen", Exit::kKilepes, true, true, Answer::kIgen, kBothChanged, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Workspace w;
    w.program.FoForm->Hide();
    w.LoadSource(kTwoEntries);
    w.LoadTranslation(kTranslation);
    if (c.change_source)
      ChangeText(w.f().cdsE, 3, "Two changed");
    if (c.change_translation)
      ChangeText(w.f().cdsF, 1, "Egy átírva");
    w.driver.ClearLog();
    if (!c.question.empty())
      AnswerQuestion(w, c.answer);
    if (c.saved) {
      for (bool side : {c.change_source, c.change_translation}) {
        if (side)
          w.AnswerOk();
      }
    }
    Leave(w, c.exit);

    Lines messages;
    if (!c.question.empty())
      messages.push_back(c.question);
    if (c.saved) {
      for (bool side : {c.change_source, c.change_translation}) {
        if (side)
          messages.push_back("message: Mentés | A Feliratot elmentettem |");
      }
    }
    EXPECT_EQ(w.driver.LogLines("message: "), messages);
    EXPECT_EQ(w.f().Visible(), !c.closed);
    if (!c.closed) {
      // Mégsem: the window stays as it was, edits and all.
      EXPECT_EQ(w.program.state.StartState, "For");
      EXPECT_TRUE(w.f().cdsE.Active());
      EXPECT_EQ(Workspace::Texts(w.f().cdsF)[0], c.change_translation ? "Egy átírva" : "Egy");
    }
    const std::string source_file = desktop_test::ReadBytes(w.folder.path() / "source.txt");
    const std::string translation_file =
        desktop_test::ReadBytes(w.folder.path() / "translation.txt");
    EXPECT_EQ(source_file.find("Two changed") != std::string::npos, c.saved && c.change_source);
    EXPECT_EQ(translation_file.find("Egy átírva") != std::string::npos,
              c.saved && c.change_translation);
  }
}

TEST(TranslationLeaving, ASaveThatDoesNotHappenKeepsTheWindow) {
  Workspace w;
  w.program.FoForm->Hide();
  w.program.state.BuildEmptyTranslation = true;
  w.Load(&TForditas::LoadSourceWithTranslation, "source.txt", kTwoEntries);
  // The empty translation has no file: the save asks for a name, and none is given.
  ChangeText(w.f().cdsF, 1, "Egy");
  AnswerQuestion(w, Answer::kIgen);
  w.driver.OnModal("Fileneve", [&w] { w.driver.Click(w.program.Fileneve->Button1); });
  w.driver.Click(w.f().Bfvissza);
  EXPECT_TRUE(w.f().Visible());
  EXPECT_EQ(Workspace::Texts(w.f().cdsF)[0], "Egy");

  // A change undone is no change: nothing is asked.
  ChangeText(w.f().cdsF, 1, "");
  w.driver.ClearLog();
  w.driver.Click(w.f().Bfvissza);
  EXPECT_FALSE(w.f().Visible());
  EXPECT_TRUE(w.driver.LogLines("message: ").empty());
}

TEST(TranslationLeaving, ASavedChangeIsNotAskedAboutAgain) {
  Workspace w;
  w.program.FoForm->Hide();
  w.LoadSource(kTwoEntries);
  ChangeText(w.f().cdsE, 1, "Uj");
  w.AnswerOk();
  w.f().EsaveClick();
  w.driver.ClearLog();
  w.driver.Click(w.f().Bfvissza);
  EXPECT_FALSE(w.f().Visible());
  EXPECT_TRUE(w.driver.LogLines("message: ").empty());
}

// ---- A second visit ---------------------------------------------------------------------------

TEST(TranslationVisits, EverySecondEntryStartsAsTheFirstWithNothingOfferedOverEmptyTables) {
  Workspace w;
  TForditas& f = w.f();
  w.program.state.BuildEmptyTranslation = true;
  w.Load(&TForditas::LoadSourceWithTranslation, "source.txt", kTwoEntries);
  ASSERT_TRUE(f.Edit0.Visible());
  ASSERT_TRUE(f.Edit6.Visible());
  ASSERT_TRUE(f.BFell.Enabled());
  w.driver.Click(f.Bfvissza);
  ASSERT_FALSE(f.Visible());

  // "Fordítás" again.
  w.program.state.StartState = "For";
  shell::ResetTranslationWindow(w.program);
  f.Show();
  for (const ui::Edit* editor : {&f.Edit0, &f.Edit1, &f.Edit2, &f.Edit4, &f.Edit5, &f.Edit6})
    EXPECT_FALSE(editor->Visible()) << editor->Name();
  for (const ui::Control* button :
       std::initializer_list<const ui::Control*>{&f.Button1, &f.Button2, &f.Button4, &f.Button5})
    EXPECT_FALSE(button->Visible()) << button->Name();
  for (const ui::Control* command :
       std::initializer_list<const ui::Control*>{&f.BEell, &f.BFell, &f.Esave, &f.Fsave})
    EXPECT_FALSE(command->Enabled()) << command->Name();
  for (const ui::MenuItem* item : {&f.KivagasE, &f.MasolasE, &f.KivagasF, &f.MasolasF})
    EXPECT_FALSE(item->Enabled()) << item->Name();

  // The check of a side that holds nothing says nothing and shows nothing.
  w.driver.ClearLog();
  f.BFellClick();
  f.BEellClick();
  EXPECT_TRUE(w.driver.LogLines("message: ").empty());
  EXPECT_FALSE(f.Edit6.Visible());

  // A source loaded alone offers the source's editors and check only.
  w.LoadSource(kTwoEntries);
  EXPECT_TRUE(f.Edit2.Visible());
  EXPECT_TRUE(f.BEell.Enabled());
  EXPECT_FALSE(f.Edit6.Visible());
  EXPECT_FALSE(f.BFell.Enabled());
  f.BFellClick();
  EXPECT_FALSE(f.Edit6.Visible());
  EXPECT_TRUE(w.driver.LogLines("message: ").empty());
}

TEST(TranslationVisits, ARefusedTranslationOffersNoLineEditors) {
  Workspace w;
  TForditas& f = w.f();
  w.LoadSource(kTwoEntries);
  w.LoadTranslation(kTranslation);
  ASSERT_TRUE(f.Edit6.Visible());
  w.AnswerOk();
  w.LoadTranslation("no subtitle here\n");
  EXPECT_TRUE(f.cdsF.IsEmpty());
  for (const ui::Edit* editor : {&f.Edit4, &f.Edit5, &f.Edit6})
    EXPECT_FALSE(editor->Visible()) << editor->Name();
  EXPECT_FALSE(f.BFell.Enabled());
  EXPECT_TRUE(f.Edit2.Visible());
}

}  // namespace
