// "Hangutánzó szavak és nevek törlése" and its extra variant over the editor's rows.
#include "corrections/clean_up_commands.h"
#include "corrections/correction_frame.h"
#include "corrections/rules/sound_words.h"
#include "editor/felirat.h"
#include "platform/text/text.h"
#include "platform/ui/application.h"
#include "shell/message_box.h"
#include "shell/plain_message.h"
#include "shell/program.h"

namespace corrections {

namespace {

constexpr int kTurnLimit = 1000;

struct SoundWordCounts {
  int modified = 0;
  int critical = 0;
  bool dash_advice = false;
};

// The pending-action pass from the first row: a row's turns run on its working text until one
// sets no re-run mark, then its pending action is carried out. A deleted row's follower is
// handled next under the same index.
void RemoveSoundWords(CorrectionRows& rows, SoundWordRules rules, SoundWordCounts& counts) {
  dataset::RowTable& table = rows.Table();
  int index = 1;
  while (index <= table.RecordCount()) {
    table.SetRecNo(index);
    const std::string old_text = rows.Text();
    SoundWordRow row{.text = old_text};
    bool credit_row = false;
    for (int turn = 0; turn < kTurnLimit; ++turn) {
      if (rules.short_labels && HoldsCreditMarker(row.text)) {
        credit_row = true;
        break;
      }
      RunSoundWordTurn(row, rules);
      if (!row.rerun)
        break;
    }
    counts.dash_advice = counts.dash_advice || row.dash_advice;
    if (credit_row) {
      // The credit row goes with its working text; nothing of its turns is pending any more.
      LogRowChange(rows.List(), EntryKind::kDeleted, index, row.text);
      rows.DeleteRow();
      ++counts.modified;
      continue;
    }
    if (row.pending == kPendingStore) {
      LogRowChange(rows.List(), EntryKind::kChanged, index, old_text);
      rows.List().push_back(kAfterLabel, row.text);
      rows.StoreText(row.text);
      ++counts.modified;
    } else if (row.pending == kPendingDelete) {
      LogRowChange(rows.List(), EntryKind::kDeleted, index, old_text);
      rows.DeleteRow();
      ++counts.modified;
      continue;
    } else if (row.pending == kPendingCritical) {
      LogRowChange(rows.List(), EntryKind::kCritical, index, old_text);
      ++counts.critical;
    }
    ++index;
  }
  rows.findings = counts.modified;
}

void ReportSoundWords(shell::Program& program, const SoundWordCounts& counts) {
  constexpr std::string_view kMore = "További információt a \"Lista\" gomb alatt találsz!";
  if (counts.modified == 0) {
    shell::Inform(program, "Eredmény", "Nem találtam módosítandó sort!",
                  counts.critical > 0
                      ? "Ennyi kritikus sort találtam: " + text::IntToStr(counts.critical)
                      : std::string());
    return;
  }
  std::string message = "Ennyit módosítottam: " + text::IntToStr(counts.modified) + "\r\n";
  if (counts.dash_advice)
    message += "Érdemes a \"1*-\" gombot is használni!\r\n";
  else if (counts.critical > 0)
    message += "Ennyi kritikus sort találtam: " + text::IntToStr(counts.critical) + "\r\n";
  else
    message += "Nem volt kritikus sor!\r\n";
  message += kMore;
  shell::ShowPlainMessage(program, message);
}

void Run(editor::TFelirat& editor, shell::Program& program, Reporting show, SoundWordRules rules) {
  SoundWordCounts counts;
  RunCorrectionFrame(
      editor, program,
      FrameRun{.choices = kSoundWordFrame,
               .show = show,
               .turn =
                   [&](CorrectionRows& rows) {
                     // The hourglass while the rows are walked; the report shows without it.
                     ui::HourglassCursor hourglass(program.app);
                     RemoveSoundWords(rows, rules, counts);
                   },
               .own_report = [&](CorrectionRows&) { ReportSoundWords(program, counts); }});
}

}  // namespace

void RunSoundWordRemoval(editor::TFelirat& editor, shell::Program& program, Reporting show) {
  Run(editor, program, show, SoundWordRules{});
}

void RunSoundWordRemovalExtra(editor::TFelirat& editor, shell::Program& program) {
  Run(editor, program, kShowReport, SoundWordRules{.short_labels = true});
}

}  // namespace corrections
