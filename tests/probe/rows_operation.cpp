// rows FILE COMMAND...: FILE is opened as "Megnyitás" opens it, then the editor's row commands
// given as words run one after the other on the current row; then the table, the current row,
// the counters and the windows shown, as `read` prints them.
//
// The message window is answered with OK; a question with "Mégsem" unless an `answer` word
// came before it. `goto N` moves the cursor as a click on the grid would.
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "corrections/atfedes.h"
#include "editor/felirat.h"
#include "editor/torles_tobb.h"
#include "platform/text/text.h"
#include "platform/ui/headless/driver.h"
#include "probe/probe.h"
#include "shell/hibaki.h"
#include "shell/kiszoveg.h"
#include "shell/program.h"

namespace probe {

namespace {

namespace fs = std::filesystem;
namespace field = dataset::subtitle_field;

// The answers still to give, in order, to the questions to come.
using Answers = std::deque<std::string>;

void AnswerQuestions(ui::headless::Driver& driver, shell::Program& program,
                     const std::shared_ptr<Answers>& answers) {
  driver.Verify();  // drops the probe's default answers
  constexpr int kAnswers = 256;
  for (int i = 0; i < kAnswers; ++i) {
    driver.OnModal("Kiszoveg", [&driver, &program, answers] {
      shell::TKiszoveg& box = *program.Kiszoveg;
      if (!box.Bigen.Visible()) {
        driver.Click(box.Bok);
        return;
      }
      std::string answer = "Mégsem";
      if (!answers->empty()) {
        answer = answers->front();
        answers->pop_front();
      }
      if (answer == "Igen")
        driver.Click(box.Bigen);
      else if (answer == "Nem")
        driver.Click(box.Bnem);
      else
        driver.Click(box.Bmegsem);
    });
    driver.OnModal("Hibaki", [&driver, &program] { driver.Click(program.Hibaki->Button1); });
  }
}

// "Több sor törlése": the two rows typed, then "Törlés" (and "<<< Vissza" when refused).
void DeleteRange(shell::Program& program, ui::headless::Driver& driver, const std::string& first,
                 const std::string& last) {
  driver.OnModal("TorlesTobb", [&program, &driver, first, last] {
    editor::TTorlesTobb& window = *program.TorlesTobb;
    window.SPelso.SetText(first);
    window.SPutso.SetText(last);
    driver.Click(window.Btorles);
    if (window.Visible())
      driver.Click(window.Button1);
  });
  program.Felirat->BtobbsorClick();
}

std::optional<bool> OnOff(const std::string& word) {
  if (word == "on")
    return true;
  if (word == "off")
    return false;
  return std::nullopt;
}

ui::CheckBox* OptionBox(editor::TFelirat& f, const std::string& name) {
  if (name == "cburessor")
    return &f.cburessor;
  if (name == "CBdelete")
    return &f.CBdelete;
  if (name == "Cbtobb")
    return &f.Cbtobb;
  if (name == "CB3sor")
    return &f.CB3sor;
  return nullptr;
}

// ---- The correction commands ----------------------------------------------------------------

// Runs a correction command word as its button or menu item does (Show = 1); false for a word
// that is not one. Their change list prints as the result list's lines when "list" shows it.
bool RunCorrectionWord(shell::Program& program, const std::string& word) {
  using Handler = void (editor::TFelirat::*)();
  struct Correction {
    std::string_view word;
    Handler handler;
  };
  static constexpr Correction kCorrections[] = {
      {"fix", &editor::TFelirat::BOsszesClick},
      {"break", &editor::TFelirat::agresszivClick},
      {"four-lines", &editor::TFelirat::N4sorossorokmegtrse1Click},
      {"list", &editor::TFelirat::BlistaClick},
  };
  for (const Correction& correction : kCorrections) {
    if (correction.word == word) {
      (program.Felirat.get()->*correction.handler)();
      return true;
    }
  }
  return false;
}

// ---- The sound-word removal, the clean-up commands and the timing checks --------------------

// Sets the overlap window's boxes: MODE "check" (RbCsak) or "repair" (RBV), then OPTIONS, the
// boxes CBhiba, CB5 and CBstat to tick joined by commas, or - for none (the others unticked).
bool SetOverlapOptions(corrections::TAtfedes& window, std::string_view mode,
                       std::string_view options, std::string& error) {
  if (mode == "check") {
    window.CheckOnlyMode();
  } else if (mode == "repair") {
    window.RBV.SetChecked(true);
  } else {
    error = "overlap takes check or repair";
    return false;
  }
  window.CBhiba.SetChecked(false);
  window.CB5.SetChecked(false);
  window.CBstat.SetChecked(false);
  if (options == "-")
    return true;
  std::size_t from = 0;
  while (from <= options.size()) {
    const std::size_t comma = options.find(',', from);
    const std::size_t to = comma == std::string_view::npos ? options.size() : comma;
    const std::string_view name = options.substr(from, to - from);
    if (name == "CBhiba") {
      window.CBhiba.SetChecked(true);
    } else if (name == "CB5") {
      window.CB5.SetChecked(true);
    } else if (name == "CBstat") {
      window.CBstat.SetChecked(true);
    } else {
      error = "overlap OPTIONS are CBhiba, CB5 and CBstat";
      return false;
    }
    from = to + 1;
  }
  return true;
}

// Runs a clean-up or timing word as its button, menu item or window does; `known` false for a
// word that is not one. `i` is left on the word's last argument.
bool RunCleanUpWord(shell::Program& program, std::span<const std::string> arguments, std::size_t& i,
                    bool& known, std::string& error) {
  using Handler = void (editor::TFelirat::*)();
  struct CleanUp {
    std::string_view word;
    Handler handler;
  };
  static constexpr CleanUp kCleanUps[] = {
      {"sounds", &editor::TFelirat::HangutnzszavaksNevektrlse1Click},
      {"sounds-extra", &editor::TFelirat::Hangutnzszavaksnevektrlse2Click},
      {"dashes", &editor::TFelirat::BvonalClick},
      {"blank-after", &editor::TFelirat::karakterekutntegyenspacet1Click},
      {"join-short", &editor::TFelirat::BohClick},
      {"l-to-i", &editor::TFelirat::lgomb1Click},
      {"accents", &editor::TFelirat::kezgomb1Click},
      {"lower", &editor::TFelirat::sszesbetkisbetlegyen1Click},
      {"delete-empty", &editor::TFelirat::ressoroktrlse1Click},
      {"halve", &editor::TFelirat::Sorfelezs3872bet1Click},
      {"blanks-before", &editor::TFelirat::karakterekelttispaceeltntetse1Click},
      {"half-seconds", &editor::TFelirat::L05Click},
      {"extend-half", &editor::TFelirat::N05mpessorkibvtse1Click},
      {"full-format", &editor::TFelirat::FeliratTeljesClick},
      {"full-format-save", &editor::TFelirat::FeliratTeljesMClick},
  };
  const std::string& word = arguments[i];
  known = true;
  for (const CleanUp& clean_up : kCleanUps) {
    if (clean_up.word == word) {
      (program.Felirat.get()->*clean_up.handler)();
      return true;
    }
  }
  corrections::TAtfedes& window = *program.Atfedes;
  if (word == "overlap") {
    if (i + 2 >= arguments.size()) {
      error = "overlap needs MODE and OPTIONS";
      return false;
    }
    const std::string& mode = arguments[++i];
    const std::string& options = arguments[++i];
    if (!SetOverlapOptions(window, mode, options, error))
      return false;
    window.BinditasClick();
  } else if (word == "overlap-list") {
    window.BlistaClick();
  } else if (word == "overlap-stat") {
    window.StatClick();
  } else {
    known = false;
  }
  return true;
}

// Runs one command word (with its arguments from `arguments[i + 1]` on); false with a reason
// for a word it does not know. `i` is left on the command's last argument.
bool RunCommand(shell::Program& program, ui::headless::Driver& driver,
                std::span<const std::string> arguments, std::size_t& i, Answers& answers,
                std::string& error) {
  editor::TFelirat& f = *program.Felirat;
  const std::string& word = arguments[i];
  auto argument = [&](std::string& value) {
    if (i + 1 >= arguments.size()) {
      error = word + " needs an argument";
      return false;
    }
    value = arguments[++i];
    return true;
  };
  using Handler = void (editor::TFelirat::*)();
  struct Simple {
    std::string_view word;
    Handler handler;
  };
  static constexpr Simple kSimple[] = {
      {"append", &editor::TFelirat::BbeszurasClick},
      {"insert-before", &editor::TFelirat::pmsoreleClick},
      {"insert-after", &editor::TFelirat::pmsormogeClick},
      {"insert5", &editor::TFelirat::sor5mogeRacsClick},
      {"insert20", &editor::TFelirat::N10sorbeszrsaazaktulissormg1Click},
      {"new", &editor::TFelirat::jfelirat1Click},
      {"delete", &editor::TFelirat::BtorlesClick},
      {"G", &editor::TFelirat::BvegelsoClick},
      {"split12", &editor::TFelirat::B12Click},
      {"split22", &editor::TFelirat::B22Click},
      {"split21", &editor::TFelirat::B21Click},
      {"merge", &editor::TFelirat::BovClick},
      {"merge-dialogue", &editor::TFelirat::BovmClick},
      {"dialogue", &editor::TFelirat::mpmClick},
      {"word-down", &editor::TFelirat::N6Click},
      {"word-up", &editor::TFelirat::Utolsktsz1Click},
      {"F3", &editor::TFelirat::Szinezes38Click},
      {"F4", &editor::TFelirat::Szinezes3Click},
  };
  for (const Simple& simple : kSimple) {
    if (simple.word == word) {
      (f.*simple.handler)();
      return true;
    }
  }
  if (RunCorrectionWord(program, word))
    return true;
  {
    bool known = false;
    if (!RunCleanUpWord(program, arguments, i, known, error))
      return false;
    if (known)
      return true;
  }
  std::string value;
  if (word == "answer") {
    if (!argument(value))
      return false;
    if (value != "Igen" && value != "Nem" && value != "Mégsem") {
      error = "answer takes Igen, Nem or Mégsem";
      return false;
    }
    answers.push_back(value);
  } else if (word == "goto") {
    if (!argument(value))
      return false;
    const std::optional<int32_t> row = text::TryStrToInt(value);
    if (!row) {
      error = "goto takes a row number";
      return false;
    }
    f.cds.SetRecNo(*row);
  } else if (word == "jump") {
    if (!argument(value))
      return false;
    f.Eugras.SetText(value);
    f.BugrasClick();
  } else if (word == "limit") {
    if (!argument(value))
      return false;
    f.SEbetu.SetText(value);
  } else if (word == "delete-range") {
    std::string last;
    if (!argument(value) || !argument(last))
      return false;
    DeleteRange(program, driver, value, last);
  } else if (word == "option") {
    std::string state;
    if (!argument(value) || !argument(state))
      return false;
    ui::CheckBox* box = OptionBox(f, value);
    const std::optional<bool> on = OnOff(state);
    if (box == nullptr || !on) {
      error = "option takes cburessor, CBdelete, Cbtobb or CB3sor and on or off";
      return false;
    }
    box->SetChecked(*on);
  } else {
    bool known = false;
    if (!RunRetimeSearchCommand(program, driver, arguments, i, known, error))
      return false;
    if (!known) {
      error = "unknown command: " + word;
      return false;
    }
  }
  return true;
}

}  // namespace

bool RunRows(shell::Program& program, ui::headless::Driver& driver,
             std::span<const std::string> arguments, Output& output, std::string& error) {
  if (arguments.empty() || arguments[0].starts_with("--")) {
    error = "rows needs a FILE";
    return false;
  }
  auto answers = std::make_shared<Answers>();
  AnswerQuestions(driver, program, answers);
  program.Felirat->cds.CreateDataSet();
  OpenInEditor(program, fs::absolute(arguments[0]), false);
  Output split_parts;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == "split") {
      if (!RunSplitWord(program, arguments, i, split_parts, error))
        return false;
      continue;
    }
    if (!RunCommand(program, driver, arguments, i, *answers, error))
      return false;
  }

  editor::TFelirat& editor = *program.Felirat;
  AppendEditorRows(program, output);
  output.push_back("current: " + text::IntToStr(editor.cds.RecNo()));
  AppendCounters(program, output);
  output.push_back("labels: " + std::string(editor.Lbetu.Visible() ? "" : "hidden ") +
                   editor.Lbetu.Caption() + " " +
                   std::string(editor.Lsor.Visible() ? "" : "hidden ") + editor.Lsor.Caption());
  output.push_back(std::string("modified: ") + (editor.Bmentes.Enabled() ? "yes" : "no"));
  AppendShownWindows(driver, output);
  output.insert(output.end(), split_parts.begin(), split_parts.end());
  return true;
}

}  // namespace probe
