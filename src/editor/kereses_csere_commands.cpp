// The commands of the search-and-replace window `TKeresesCsere`.
#include <initializer_list>
#include <optional>
#include <string>

#include "editor/felirat.h"
#include "editor/kereses_csere.h"
#include "editor/rules/search_rules.h"
#include "editor/table_scopes.h"
#include "platform/base/scope.h"
#include "platform/text/text.h"
#include "shell/hibaki.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/scopes.h"

namespace editor {

namespace field = dataset::subtitle_field;

namespace {

constexpr char kEnterKey = '\r';
constexpr char kEscapeKey = '\x1b';

// A control disabled for the lifetime of the returned scope, then put back as it was.
auto DisabledForScope(ui::Control& control) {
  const bool was = control.Enabled();
  control.SetEnabled(false);
  return base::ScopeExit([&control, was] { control.SetEnabled(was); });
}

// The grid hidden and shown again, so that it is painted anew.
void RepaintGrid(TFelirat& editor) {
  editor.racs.SetVisible(false);
  editor.racs.SetVisible(true);
}

}  // namespace

void TKeresesCsere::WireCommands() {
  OnShow = [this] { FormShow(); };
  OnActivate = [this] { FormActivate(); };
  OnClose = [this](ui::CloseAction& action) { FormClose(action); };
  Emit.OnKeyPress = [this](char& key) { EmitKeyPress(key); };
  Emire.OnKeyPress = [this](char& key) { EmireKeyPress(key); };
  for (ui::Button* button : {&Bkskereses, &Bcsere, &Bosszes, &Blistaa, &Button2, &Button4})
    button->OnKeyPress = [this](char& key) { BkskeresesKeyPress(key); };
  Bkskereses.OnClick = [this] { BkskeresesClick(); };
  Bcsere.OnClick = [this] { BcsereClick(); };
  Bosszes.OnClick = [this] { BosszesClick(); };
  Blistaa.OnClick = [this] { BlistaaClick(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button4.OnClick = [this] { Button4Click(); };
}

void TKeresesCsere::FormShow() {
  Blistaa.SetEnabled(false);
}

void TKeresesCsere::FormActivate() {
  Emit.SetFocus();
}

void TKeresesCsere::EmitKeyPress(char& key) {
  if (key == kEnterKey) {
    key = 0;
    Emire.SetFocus();
  } else if (key == kEscapeKey) {
    key = 0;
    Close();
  }
}

void TKeresesCsere::EmireKeyPress(char& key) {
  if (key == kEnterKey) {
    key = 0;
    Bkskereses.SetFocus();
  } else if (key == kEscapeKey) {
    key = 0;
    Close();
  }
}

void TKeresesCsere::BkskeresesKeyPress(char& key) {
  if (key == kEscapeKey) {
    key = 0;
    Close();
  }
}

void TKeresesCsere::Button4Click() {
  Close();
}

void TKeresesCsere::Button2Click() {
  program_.Felirat->cds.First();
}

void TKeresesCsere::FormClose(ui::CloseAction& /*action*/) {
  TFelirat& editor = *program_.Felirat;
  RepaintGrid(editor);
  editor.racs.SetFocus();
}

void TKeresesCsere::BkskeresesClick() {
  const std::string search = Emit.Text();
  if (search.empty())
    return;
  TFelirat& editor = *program_.Felirat;
  dataset::RowTable& table = editor.cds;
  const bool case_sensitive = CBknb.Checked();
  const bool at_row_start = CBelsok.Checked();
  {
    std::optional<ui::HourglassCursor> hourglass(std::in_place, program_.app);
    CommandUpdateScope update(editor);
    std::optional<shell::ControlsOffScope> controls_off(table);
    const int start = table.RecNo();
    bool found = false;
    if (start >= 1) {
      // At the last row the move does not happen and the search begins with that row.
      table.Next();
      while (true) {
        if (FindNextMatches(table.Value(field::kSzoveg), search, case_sensitive, at_row_start)) {
          found = true;
          break;
        }
        const int before = table.RecNo();
        table.Next();
        if (table.RecNo() == before)
          break;
      }
    }
    hourglass.reset();
    if (found) {
      Bcsere.SetEnabled(true);
    } else {
      if (start >= 1)
        table.SetRecNo(start);
      controls_off.reset();
      Bcsere.SetEnabled(false);
      shell::Inform(program_, "Információ", "Nincs (több) ilyen: ", search);
    }
    RepaintGrid(editor);
  }
  editor.LoadRowIntoEditor();
}

void TKeresesCsere::BcsereClick() {
  TFelirat& editor = *program_.Felirat;
  if (editor.cds.RecNo() < 1)
    return;
  std::string replaced;
  if (!ReplaceFirst(editor.cds.Value(field::kSzoveg), Emit.Text(), Emire.Text(), replaced))
    return;
  // A replacement the row cannot hold whole is not made: the field would cut the row's end.
  if (!editor.FitsMainText(replaced)) {
    editor.ShowRowWouldNotFit("A cserével a sor hosszabb lenne 220 karakternél!");
    return;
  }
  editor.SetRowText1(replaced, RowWrite::kEditWithReaderFlags);
  editor.ShowFlagCounters();
}

int TKeresesCsere::ReplaceAllInCurrentRow(std::string_view search, std::string_view replacement,
                                          bool case_sensitive) {
  TFelirat& editor = *program_.Felirat;
  dataset::RowTable& table = editor.cds;
  shell::THibaki& list = *program_.Hibaki;
  const ReplaceAllScope scope = ReplaceAllScopeFor(search, replacement, case_sensitive);
  const int search_length = text::Length(search);
  int replaced_count = 0;
  int from = 1;
  while (true) {
    const std::string row_text = table.Value(field::kSzoveg);
    const int pos = ReplaceSearchPos(row_text, search, case_sensitive, from);
    if (pos == 0)
      break;
    const std::string replaced = ReplaceAt(row_text, pos, search_length, replacement);
    // A replacement the row cannot hold whole is not made: the field would cut the row's end.
    if (!editor.FitsMainText(replaced))
      break;
    list.AddLine("");
    list.AddLine("Melyik sorban volt: " + text::IntToStr(table.RecNo()));
    list.AddLine("Miből: " + row_text);
    editor.SetRowText1(replaced, RowWrite::kEditWithReaderFlags);
    const std::string stored = table.Value(field::kSzoveg);
    list.AddLine("Mire  : " + stored);
    ++replaced_count;
    if (scope == ReplaceAllScope::kFirstOnly)
      break;
    // The search goes on after the inserted text, measured on the text as stored: the
    // option that drops leading line breaks may have shortened it at its start.
    const int dropped = text::Length(replaced) - text::Length(stored);
    from = pos + text::Length(replacement) - dropped;
    if (from < 1)
      from = 1;
  }
  return replaced_count;
}

void TKeresesCsere::BosszesClick() {
  const std::string search = Emit.Text();
  if (search.empty())
    return;
  const std::string replacement = Emire.Text();
  const bool case_sensitive = CBknb.Checked();
  TFelirat& editor = *program_.Felirat;
  dataset::RowTable& table = editor.cds;
  const auto editor_button_off = DisabledForScope(editor.BOsszes);
  int replaced_count = 0;
  {
    ui::HourglassCursor hourglass(program_.app);
    CommandUpdateScope update(editor);
    Blistaa.SetEnabled(false);
    {
      shell::ControlsOffScope controls_off(table);
      const int start = table.RecNo();
      program_.Hibaki->StartReport(shell::kReplaceResultCaption, false);
      const int rows = table.RecordCount();
      const int step = rows / 100;
      merce.SetProgress(0);
      merce.SetVisible(true);
      for (int row = 1; row <= rows; ++row) {
        table.SetRecNo(row);
        replaced_count += ReplaceAllInCurrentRow(search, replacement, case_sensitive);
        if (step > 0)
          merce.SetProgress(row / step);
      }
      update.Lower();
      if (start >= 1)
        table.SetRecNo(start);
    }
    merce.SetVisible(false);
    merce.SetProgress(0);
    editor.ShowFlagCounters();
  }
  if (replaced_count == 0) {
    shell::Inform(program_, "Eredmény", "Nem találtam semmit a megadott szó alapján!");
    return;
  }
  Blistaa.SetEnabled(true);
  editor.MarkModified();
  shell::Inform(program_, "Eredmény",
                "Ennyit találtam és cseréltem le: " + text::IntToStr(replaced_count),
                "További információt a \"Lista\" gomb alatt találsz!");
}

void TKeresesCsere::BlistaaClick() {
  shell::THibaki& list = *program_.Hibaki;
  list.SetCaption(shell::kReplaceResultCaption);
  list.SetLabelsVisible(false);
  list.ShowReport();
}

}  // namespace editor
