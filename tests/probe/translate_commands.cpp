// The command words of `translate`: the translation window's line editors and row and text
// commands, run one after the other on the loaded sides, each as its control runs it.
#include <string>

#include "platform/text/text.h"
#include "platform/ui/headless/driver.h"
#include "probe/probe.h"
#include "shell/program.h"
#include "translation/forditas.h"

namespace probe {

namespace {

using translation::TForditas;
using Handler = void (TForditas::*)();

// A handler per side: the source side's first, the translated side's second.
struct SideWord {
  std::string_view word;
  Handler source;
  Handler translation;
};

constexpr SideWord kSideWords[] = {
    {"insert-after", &TForditas::EpmuClick, &TForditas::FpmuClick},
    {"insert-above", &TForditas::EpmeClick, &TForditas::FpmeClick},
    {"insert-before", &TForditas::eleEClick, &TForditas::EleFClick},
    {"insert-behind", &TForditas::MogeEClick, &TForditas::MogeFClick},
    {"delete", &TForditas::EsorDelClick, &TForditas::FsorDelClick},
    {"italic", &TForditas::DoltEClick, &TForditas::DoltFClick},
    {"bold", &TForditas::VastagitottEClick, &TForditas::VastagitottFClick},
    {"underline", &TForditas::AlahuzottEClick, &TForditas::AlahuzottFClick},
    {"plain", &TForditas::MindenEClick, &TForditas::MindenFClick},
    {"cut", &TForditas::KivagasEClick, &TForditas::KivagasFClick},
    {"copy", &TForditas::MasolasEClick, &TForditas::MasolasFClick},
    {"paste", &TForditas::BeillesztesEClick, &TForditas::BeillesztesFClick},
    {"bar", &TForditas::Button8Click, &TForditas::Button9Click},
    {"first", &TForditas::Button1Click, &TForditas::Button4Click},
    {"last", &TForditas::Button2Click, &TForditas::Button5Click},
};

ui::Edit* LineEditor(TForditas& f, std::string_view name) {
  for (ui::Edit* editor : {&f.Edit0, &f.Edit1, &f.Edit2, &f.Edit4, &f.Edit5, &f.Edit6}) {
    if (editor->Name() == name)
      return editor;
  }
  return nullptr;
}

bool TakeSide(std::span<const std::string> words, std::size_t& i, bool& source,
              std::string& error) {
  if (i + 1 >= words.size() || (words[i + 1] != "E" && words[i + 1] != "F")) {
    error = words[i] + " needs the side E or F";
    return false;
  }
  source = words[++i] == "E";
  return true;
}

bool TakeArgument(std::span<const std::string> words, std::size_t& i, std::string& value,
                  std::string& error) {
  if (i + 1 >= words.size()) {
    error = words[i] + " needs one more argument";
    return false;
  }
  value = words[++i];
  return true;
}

std::string RowsOf(const TForditas& f, bool source) {
  const dataset::RowTable& table = source ? f.cdsE : f.cdsF;
  return text::IntToStr(table.RecNo()) + "/" + text::IntToStr(table.RecordCount());
}

}  // namespace

bool RunTranslateCommands(shell::Program& program, ui::headless::Driver& driver,
                          std::span<const std::string> words, std::string& error) {
  TForditas& f = *program.Forditas;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    bool source = true;
    bool known = false;
    for (const SideWord& side_word : kSideWords) {
      if (side_word.word != word)
        continue;
      if (!TakeSide(words, i, source, error))
        return false;
      (f.*(source ? side_word.source : side_word.translation))();
      known = true;
      break;
    }
    if (known)
      continue;
    if (word == "type" || word == "enter" || word == "escape" || word == "up" || word == "down") {
      std::string name;
      if (!TakeArgument(words, i, name, error))
        return false;
      ui::Edit* editor = LineEditor(f, name);
      if (editor == nullptr || !driver.Focus(*editor)) {
        error = word + ": no shown line editor " + name;
        return false;
      }
      if (word == "type") {
        std::string typed;
        if (!TakeArgument(words, i, typed, error))
          return false;
        editor->SelectAll();
        driver.Type(typed);
      } else {
        driver.Press(word == "enter"    ? ui::keys::kReturn
                     : word == "escape" ? ui::keys::kEscape
                     : word == "up"     ? ui::keys::kUp
                                        : ui::keys::kDown);
      }
    } else if (word == "grid-type") {
      std::string column;
      std::string typed;
      if (!TakeSide(words, i, source, error) || !TakeArgument(words, i, column, error) ||
          !TakeArgument(words, i, typed, error))
        return false;
      ui::DbGrid& grid = source ? f.Racsef : f.Racsff;
      grid.SetSelectedIndex(text::StrToIntDef(column, 0));
      if (!driver.Focus(grid)) {
        error = "grid-type: the grid takes no focus";
        return false;
      }
      driver.Type(typed);
    } else if (word == "delete-key" || word == "ctrl-delete-key") {
      if (!TakeSide(words, i, source, error))
        return false;
      driver.Focus(source ? f.Racsef : f.Racsff);
      driver.Press(ui::keys::kDelete,
                   word == "delete-key" ? ui::ShiftState() : ui::ShiftState::kCtrl);
    } else if (word == "search") {
      std::string needle;
      if (!TakeSide(words, i, source, error) || !TakeArgument(words, i, needle, error))
        return false;
      (source ? f.EkerE : f.EkerF).SetText(needle);
      (source ? f.BkerE : f.BkerF).Click();
    } else if (word == "goto") {
      std::string row;
      if (!TakeSide(words, i, source, error) || !TakeArgument(words, i, row, error))
        return false;
      (source ? f.cdsE : f.cdsF).SetRecNo(text::StrToIntDef(row, 1));
    } else if (word == "sync") {
      std::string on;
      if (!TakeArgument(words, i, on, error))
        return false;
      f.cb1.SetChecked(on == "on");
    } else {
      // The check and save words (tests/probe/translate_save_words.cpp).
      if (!RunTranslateSaveWord(program, driver, words, i, known, error))
        return false;
      if (!known) {
        error = "unknown translate command: " + word;
        return false;
      }
    }
  }
  return true;
}

void AppendTranslateCursor(const shell::Program& program, Output& output) {
  const TForditas& f = *program.Forditas;
  output.push_back("cursor: E=" + RowsOf(f, true) + " F=" + RowsOf(f, false));
  output.push_back("editors: E=" + f.Edit0.Text() + "\t" + f.Edit1.Text() + "\t" + f.Edit2.Text() +
                   " F=" + f.Edit4.Text() + "\t" + f.Edit5.Text() + "\t" + f.Edit6.Text());
  output.push_back("clipboard: " + program.state.TextClipboard);
}

}  // namespace probe
