// The two-part panel's split half: the panel switch, picking the first row of part 2 and
// writing the two part files beside the current subtitle.
#include <optional>
#include <string>
#include <vector>

#include "editor/felirat.h"
#include "editor/table_scopes.h"
#include "formats/native_writers.h"
#include "formats/split.h"
#include "platform/base/scope.h"
#include "platform/desktop/atomic_writer.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/scopes.h"
#include "timecode/checks.h"
#include "timecode/key_filters.h"
#include "timecode/time_base.h"

namespace editor {
namespace {

namespace field = dataset::subtitle_field;

constexpr char kEnter = 13;

}  // namespace

void TFelirat::WireSplitPanel() {
  RB1.OnClick = [this] { RB1Click(); };
  RB12.OnClick = [this] { RB12Click(); };
  Bvegrehajt.OnClick = [this] { BvegrehajtClick(); };
  racs.OnCellClick = [this](int column) { racsCellClick(column); };
  DBEdit1.OnChange = [this] { DBEdit1Change(); };
  E4kezdouj.OnKeyPress = [this](char& key) { E4kezdoujKeyPress(key); };
}

void TFelirat::RB1Click() {
  GB1.Show();
  GB12.Hide();
}

void TFelirat::RB12Click() {
  GB12.Show();
  GB12.SetEnabled(true);
  GB1.Hide();
  Label13.SetEnabled(false);
  E4kezdouj.SetEnabled(false);
  E4kezdouj.SetText("");
  E4kezdo.SetText("");
  Bvegrehajt.SetEnabled(false);
  szazalek12.Hide();
  if (cds.Active() && !cds.IsEmpty()) {
    RB12cd1.SetEnabled(true);
    if (RB12cd1.Checked())
      RB12cd1Click();  // already selected: SetChecked would run nothing
    else
      RB12cd1.SetChecked(true);
    Label9.SetEnabled(true);
  } else {
    RB12cd1.SetEnabled(false);
    Label9.SetEnabled(false);
    RB12cd2.SetChecked(true);
  }
}

// A click on a grid cell offers the current row as the first row of part 2.
void TFelirat::racsCellClick(int /*column*/) {
  OfferSplitRow();
}

// In split mode (RB12 and RB12cd1 selected): the current row becomes the first row of part 2,
// or a message says it has no times.
void TFelirat::OfferSplitRow() {
  if (!RB12.Checked() || !RB12cd1.Checked() || !cds.Active() || cds.IsEmpty())
    return;
  const std::string start = cds.Value(field::kKezdes);
  if (start.empty() || cds.Value(field::kBefejezes).empty()) {
    // Nothing of an earlier pick may stay behind: "Végrehajtás" would split at this row with
    // the other row's start.
    Label13.SetEnabled(false);
    E4kezdouj.SetEnabled(false);
    E4kezdouj.SetText("");
    E4kezdo.SetText("");
    Bvegrehajt.SetEnabled(false);
    shell::Inform(program_, "Információ",
                  "Ezt a sort nem választhatja ki, mert nincs a sorban adat!");
    return;
  }
  Label13.SetEnabled(true);
  E4kezdouj.SetEnabled(true);
  E4kezdo.SetText(start);
  Bvegrehajt.SetEnabled(true);
  E4kezdouj.SetText(beosztas.Text() == timecode::kTimeBaseTime ? "00:00:00,000" : "0");
}

void TFelirat::DBEdit1Change() {
  if (!Label13.Enabled() || program_.state.InternalUpdate || !cds.Active() || cds.IsEmpty())
    return;
  E4kezdo.SetText(cds.Value(field::kKezdes));
}

void TFelirat::E4kezdoujKeyPress(char& key) {
  if (key == kEnter) {
    Bvegrehajt.SetFocus();
    key = 0;
    return;
  }
  key = beosztas.Text() == timecode::kTimeBaseTime ? timecode::TimeKeyFilter(key)
                                                   : timecode::DigitKeyFilter(key);
}

void TFelirat::BvegrehajtClick() {
  shell::SharedState& state = program_.state;
  CommandUpdateScope update(*this);
  Bvegrehajt.SetEnabled(false);
  // The name box is hidden while the split runs.
  Efilenev.Hide();
  const base::ScopeExit name_shown([this] { Efilenev.Show(); });
  const bool time_base = beosztas.Text() == timecode::kTimeBaseTime;

  // Without a file name the parts would have neither a folder nor a name.
  const std::optional<files::SplitTargets> targets =
      files::SplitTargetsOf(state.CurrentFilePath, Efilenev.Text(), time_base);
  if (!targets) {
    shell::Inform(program_, "Információ", "A feliratnak még nincs neve!",
                  "Kérem előbb mentse el a feliratot!");
    return;
  }

  const timecode::Check check = time_base ? timecode::ValidateTimeCode(E4kezdouj.Text())
                                          : timecode::ValidateFrameNumber(E4kezdouj.Text());
  const bool value_ok = shell::ShowCheck(program_, check);

  // A file extension that does not fit the time base is mended in the part names, whatever the
  // check found; the document path stays as it is, so a later save never lands on a file the
  // split did not write.
  if (targets->extension_mended) {
    shell::ShowBox(program_, "Eltérés!", time_base ? shell::kIconInfo : shell::kIconQuestion,
                   "A file neve nem egyezik meg a típussal!", "Következmény: javítom az eltérést!",
                   true, false, false);
    MarkModified();
  }
  if (!value_ok)
    return;
  if (!cds.Active() || cds.IsEmpty())
    return;
  if (cds.RecNo() == 1) {
    shell::Inform(program_, "Információ", "Az első sort nem jelölheted ki!");
    return;
  }

  const int picked = cds.RecNo();
  state.DialogReply = shell::dialog_reply::kSemmit;
  const std::string& name1 = targets->name1;
  const std::string& name2 = targets->name2;
  const std::filesystem::path& path1 = targets->path1;
  const std::filesystem::path& path2 = targets->path2;

  const bool exists1 = files::SplitTargetTaken(path1);
  const bool exists2 = files::SplitTargetTaken(path2);
  if (exists1 && exists2)
    shell::AskYesNo(program_, "Létező file-ok!", "Már létezik a 2 file: " + name1 + ", " + name2,
                    "Felülírjam őket?");
  else if (exists1 || exists2)
    shell::AskYesNo(program_, "Létező file!", "Már létezik a file: " + (exists1 ? name1 : name2),
                    "Felülírjam?");
  if (state.DialogReply == shell::dialog_reply::kNem)
    return;

  // Part 2's offset, from the values shown when "Végrehajtás" was pressed.
  std::optional<int64_t> frame_offset;
  if (!time_base) {
    frame_offset = files::SplitFrameOffset(E4kezdo.Text(), E4kezdouj.Text());
    if (!frame_offset) {
      // The picked row's stored start is not a frame number: nothing could be moved by it.
      shell::ShowCheck(program_, timecode::ValidateFrameNumber(E4kezdo.Text()));
      return;
    }
  }

  const int step = cds.RecordCount() / 100;
  desktop::WriteResult written1;
  desktop::WriteResult written2;
  {
    shell::ControlsOffScope controls_off(cds);
    shell::GaugeScope shown(szazalek12);
    const std::vector<files::NativeRow> rows = files::RowsOfTable(cds, field::kSzoveg);
    const files::SplitCounter gauge = [&shown, step](int count) {
      if (step > 0)
        shown.SetPosition(count / step);
    };
    std::vector<files::SplitRow> part1 = files::SplitPart1Rows(rows, picked);
    std::vector<files::SplitRow> part2 = files::SplitPart2Rows(rows, picked);
    if (time_base) {
      files::ShiftSplitTimes(part2, files::SplitTimeShiftMs(E4kezdo.Text(), E4kezdouj.Text()));
      written1 = desktop::WriteFileAtomic(path1, files::SplitSubRipBytes(part1, gauge));
      if (written1)
        written2 = desktop::WriteFileAtomic(path2, files::SplitSubRipBytes(part2, gauge));
    } else {
      files::ShiftSplitFrames(part2, *frame_offset);
      written1 = desktop::WriteFileAtomic(path1, files::SplitMicroDvdBytes(part1));
      if (written1)
        written2 = desktop::WriteFileAtomic(path2, files::SplitMicroDvdBytes(part2));
    }
    cds.First();
  }

  if (written1 && written2) {
    Label13.SetEnabled(false);
    E4kezdo.SetEnabled(false);
    E4kezdouj.SetEnabled(false);
    Bvegrehajt.SetEnabled(false);
    shell::Inform(program_, "Sikeres szétválasztás!",
                  "Sikeresen megtörtént a szétválasztás! A 2 file neve:", name1 + ", " + name2);
  } else {
    shell::ShowError(program_, "Írásvédett file!",
                     "Írásvédett a következő file: " + (written1 ? name2 : name1),
                     "A kért szétválasztás nem sikerült!");
  }
}

}  // namespace editor
