// The `rows` command words of retiming, searching and replacing, the style tags, the internal
// clipboard and the second text. Each runs its handler on the editor's current row, in the
// window the handler belongs to where it has one, as a user's click would; the output form is
// that of `rows`.
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/felirat.h"
#include "editor/fps_valtas.h"
#include "editor/kereses_csere.h"
#include "editor/reszletes.h"
#include "editor/reszletes_k.h"
#include "platform/text/text.h"
#include "platform/ui/headless/driver.h"
#include "probe/probe.h"
#include "shell/program.h"

namespace probe {

namespace {

namespace fs = std::filesystem;

// An OPTIONS word: the names of the check boxes to tick, separated by commas, or "-" for
// none. Every box of `boxes` not named is unticked; false when a name is not one of them.
struct NamedBox {
  std::string_view name;
  ui::CheckBox* box;
};
bool TickBoxes(std::string_view options, std::initializer_list<NamedBox> boxes,
               std::vector<std::string>* extra_names, std::vector<std::string>& extras_found) {
  std::vector<std::string> names;
  if (options != "-") {
    std::size_t from = 0;
    while (from <= options.size()) {
      const std::size_t comma = options.find(',', from);
      const std::size_t to = comma == std::string_view::npos ? options.size() : comma;
      names.emplace_back(options.substr(from, to - from));
      from = to + 1;
    }
  }
  for (const NamedBox& named : boxes)
    named.box->SetChecked(false);
  for (const std::string& name : names) {
    bool known = false;
    for (const NamedBox& named : boxes) {
      if (named.name == name) {
        named.box->SetChecked(true);
        known = true;
      }
    }
    if (!known && extra_names != nullptr) {
      for (const std::string& extra : *extra_names) {
        if (extra == name) {
          extras_found.push_back(name);
          known = true;
        }
      }
    }
    if (!known)
      return false;
  }
  return true;
}

bool TickBoxes(std::string_view options, std::initializer_list<NamedBox> boxes) {
  std::vector<std::string> none;
  return TickBoxes(options, boxes, nullptr, none);
}

std::optional<int> Number(const std::string& word) {
  const std::optional<int32_t> value = text::TryStrToInt(word);
  if (!value)
    return std::nullopt;
  return *value;
}

// Chooses `value` in a combo box as the user does from its list; false when it is not there.
bool ChooseIn(ui::headless::Driver& driver, ui::ComboBox& combo, const std::string& value) {
  const int index = combo.IndexOf(value);
  if (index < 0)
    return false;
  if (!driver.Choose(combo, index)) {
    // A window that takes no input (the probe's editor is never activated) still gets the
    // choice and its change handler, as the list would give them.
    combo.SetItemIndex(index);
    if (combo.OnChange)
      combo.OnChange();
  }
  return true;
}

// "Részletes>>>": the detailed shift window with its boxes filled, then "Módosítás" (and
// "<<< Vissza" when the window stays open after a refusal).
void DetailedShift(shell::Program& program, ui::headless::Driver& driver,
                   const std::vector<std::string>& boxes) {
  driver.OnModal("Reszletes", [&program, &driver, boxes] {
    editor::TReszletes& w = *program.Reszletes;
    w.CbPMR.SetItemIndex(w.CbPMR.IndexOf(boxes[0]));
    w.Emodositas2.SetText(boxes[1]);
    (boxes[2] == "up" ? w.Felfele : w.Lefele).SetChecked(true);
    if (boxes[3] == "all") {
      w.RB3.SetChecked(true);
    } else {
      w.RB4.SetChecked(true);
      w.Edit2.SetText(boxes[3]);
    }
    w.cbKezdo.SetChecked(boxes[4] == "start" || boxes[4] == "both");
    w.cbBefejezo.SetChecked(boxes[4] == "end" || boxes[4] == "both");
    if (w.Bmodok.Enabled())
      w.BmodokClick();
    if (w.Visible())
      w.Button1Click();
  });
  program.Felirat->BreszletesClick();
}

// "Átváltás": both rates chosen, then "Végrehajt" (and "<<< Vissza" when it did not run).
void ConvertRates(shell::Program& program, ui::headless::Driver& driver, const std::string& from,
                  const std::string& to) {
  driver.OnModal("FpsValtas", [&program, &driver, from, to] {
    editor::TFpsValtas& w = *program.FpsValtas;
    ChooseIn(driver, w.cb1, from);
    ChooseIn(driver, w.cb2, to);
    w.Button1Click();
    if (w.Visible())
      w.Button2Click();
  });
  program.Felirat->BatvaltasClick();
}

// "Keresés és csere": the two texts and the options set, one command, then "Vissza".
enum class ReplaceCommand { kFindNext, kReplace, kReplaceAll };
bool InReplaceWindow(shell::Program& program, ui::headless::Driver& driver, ReplaceCommand command,
                     const std::string& search, const std::string& replacement,
                     const std::string& options) {
  editor::TKeresesCsere& w = *program.KeresesCsere;
  std::vector<std::string> extras = {"Lista"};
  std::vector<std::string> found;
  if (!TickBoxes(options, {{"CBknb", &w.CBknb}, {"CBelsok", &w.CBelsok}}, &extras, found))
    return false;
  const bool list = !found.empty();
  driver.OnModal("KeresesCsere", [&w, command, search, replacement, list] {
    w.Emit.SetText(search);
    w.Emire.SetText(replacement);
    switch (command) {
      case ReplaceCommand::kFindNext:
        w.BkskeresesClick();
        break;
      case ReplaceCommand::kReplace:
        w.BcsereClick();
        break;
      case ReplaceCommand::kReplaceAll:
        w.BosszesClick();
        if (list && w.Blistaa.Enabled())
          w.BlistaaClick();
        break;
    }
    w.Button4Click();
  });
  program.Felirat->MkercsereClick();
  return true;
}

// The text box's selection, in its characters (a line break counts two).
void SelectInTextBox(editor::TFelirat& f, int start, int length) {
  f.szoveg.SetSelStart(start);
  f.szoveg.SetSelLength(length);
}

}  // namespace

bool RunRetimeSearchCommand(shell::Program& program, ui::headless::Driver& driver,
                            std::span<const std::string> arguments, std::size_t& i, bool& known,
                            std::string& error) {
  editor::TFelirat& f = *program.Felirat;
  const std::string& word = arguments[i];
  known = true;
  auto take = [&](std::size_t count, std::vector<std::string>& values) {
    if (i + count >= arguments.size()) {
      error = word + " needs " + std::to_string(count) + " argument" + (count > 1 ? "s" : "");
      return false;
    }
    values.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i + 1),
                  arguments.begin() + static_cast<std::ptrdiff_t>(i + 1 + count));
    i += count;
    return true;
  };
  std::vector<std::string> a;

  using Handler = void (editor::TFelirat::*)();
  struct GridCommand {
    std::string_view word;
    Handler handler;
  };
  static constexpr GridCommand kGrid[] = {
      {"italic", &editor::TFelirat::doltClick},
      {"italic2", &editor::TFelirat::dolt2Click},
      {"bold", &editor::TFelirat::VastagitottClick},
      {"underline", &editor::TFelirat::AlahuzottClick},
      {"plain", &editor::TFelirat::osszeselClick},
      {"cut", &editor::TFelirat::KivagasClick},
      {"copy", &editor::TFelirat::MasolasClick},
      {"paste", &editor::TFelirat::BeillesztesClick},
  };
  for (const GridCommand& command : kGrid) {
    if (command.word == word) {
      f.RacsPMPopup();  // the grid popup opens over the row first
      (f.*command.handler)();
      return true;
    }
  }
  struct SelectionCommand {
    std::string_view word;
    Handler handler;
  };
  static constexpr SelectionCommand kSelection[] = {
      {"italic-selection", &editor::TFelirat::kszdClick},
      {"bold-selection", &editor::TFelirat::kszvClick},
      {"underline-selection", &editor::TFelirat::kszaClick},
      {"memo-copy", &editor::TFelirat::SzPMClick},
      {"memo-cut", &editor::TFelirat::SzPKClick},
      {"memo-cut-new-row", &editor::TFelirat::SzPK1BClick},
      {"memo-cut-next-row", &editor::TFelirat::KivagKovBeElejeClick},
  };
  for (const SelectionCommand& command : kSelection) {
    if (command.word != word)
      continue;
    if (!take(2, a))
      return false;
    const std::optional<int> start = Number(a[0]);
    const std::optional<int> length = Number(a[1]);
    if (!start || !length || *start < 0 || *length < 0) {
      error = word + " takes START and LENGTH, counted from 0 in the text box";
      return false;
    }
    SelectInTextBox(f, *start, *length);
    f.SzovegPopPopup();
    (f.*command.handler)();
    return true;
  }

  if (word == "memo-paste") {
    if (!take(1, a))
      return false;
    const std::optional<int> caret = Number(a[0]);
    if (!caret || *caret < 0) {
      error = "memo-paste takes CARET, counted from 0 in the text box";
      return false;
    }
    SelectInTextBox(f, *caret, 0);
    f.SzovegPopPopup();
    f.SzPBClick();
  } else if (word == "shift") {
    if (!take(2, a))
      return false;
    if (f.CbPM.IndexOf(a[1]) < 0) {
      error = "shift takes VALUE and + or -";
      return false;
    }
    f.CbPM.SetItemIndex(f.CbPM.IndexOf(a[1]));
    f.Emodositas.SetText(a[0]);
    f.BmodokClick();
  } else if (word == "detailed-shift") {
    if (!take(5, a))
      return false;
    const bool sign = a[0] == "+" || a[0] == "-";
    const bool direction = a[2] == "up" || a[2] == "down";
    const bool values = a[4] == "start" || a[4] == "end" || a[4] == "both" || a[4] == "none";
    if (!sign || !direction || !values) {
      error =
          "detailed-shift takes + or -, VALUE, up or down, all or ROW, start, end, both or none";
      return false;
    }
    DetailedShift(program, driver, a);
  } else if (word == "timebase") {
    if (!take(1, a))
      return false;
    if (!ChooseIn(driver, f.beosztas, a[0])) {
      error = "timebase takes Frame or Time";
      return false;
    }
  } else if (word == "fps") {
    if (!take(1, a))
      return false;
    if (f.cbFps.IndexOf(a[0]) < 0) {
      error = "fps takes a rate of the editor's list";
      return false;
    }
    f.cbFps.SetItemIndex(f.cbFps.IndexOf(a[0]));
  } else if (word == "convert") {
    if (!take(2, a))
      return false;
    ConvertRates(program, driver, a[0], a[1]);
  } else if (word == "search") {
    if (!take(2, a))
      return false;
    if (!TickBoxes(a[1], {{"CBugras", &f.CBugras}, {"CBsortores", &f.CBsortores}})) {
      error = "search takes TEXT and OPTIONS of CBugras, CBsortores (or -)";
      return false;
    }
    f.Ekereses.SetText(a[0]);
    f.BkeresokClick();
  } else if (word == "detailed-search") {
    if (!take(2, a))
      return false;
    editor::TReszletesK& w = *program.ReszletesK;
    if (!TickBoxes(a[1], {{"cbkisnagy", &w.cbkisnagy},
                          {"cbteljes", &w.cbteljes},
                          {"cbvissza", &w.cbvissza},
                          {"CBsortores2", &w.CBsortores2}})) {
      error =
          "detailed-search takes TEXT and OPTIONS of cbkisnagy, cbteljes, cbvissza, "
          "CBsortores2 (or -)";
      return false;
    }
    f.Ekereses.SetText(a[0]);
    f.BKreszletesClick();
    w.ERkereses.SetText(a[0]);
    w.BkeresokClick();
    w.Button1Click();
  } else if (word == "find-next" || word == "replace" || word == "replace-all") {
    const bool find = word == "find-next";
    if (!take(find ? 2 : 3, a))
      return false;
    const ReplaceCommand command = find                ? ReplaceCommand::kFindNext
                                   : word == "replace" ? ReplaceCommand::kReplace
                                                       : ReplaceCommand::kReplaceAll;
    const std::string replacement = find ? std::string() : a[1];
    if (!InReplaceWindow(program, driver, command, a[0], replacement, a.back())) {
      error = word + " takes OPTIONS of CBknb, CBelsok, Lista (or -)";
      return false;
    }
  } else if (word == "second") {
    if (!take(1, a))
      return false;
    OpenInEditor(program, fs::absolute(a[0]), true);
  } else {
    known = false;
  }
  return true;
}

}  // namespace probe
