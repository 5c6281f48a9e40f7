// The film's commands: opening, showing, describing and closing a film, playback, the film
// to a row, and times taken from the film.
#include <filesystem>
#include <system_error>

#include "editor/avi_ki.h"
#include "editor/felirat.h"
#include "editor/layouts.h"
#include "film/film_player.h"
#include "formats/document_path.h"
#include "platform/base/scope.h"
#include "platform/dataset/row_table.h"
#include "platform/text/text.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/state.h"

namespace film {

namespace field = dataset::subtitle_field;

namespace {

constexpr std::string_view kZeroLabel = "00:00:00,000 / 00:00:00,000";

// Megabytes with two decimals, cut: Trunc(bytes / 1024 / 1024 x 100) / 100, as text.
std::string MegabytesText(std::int64_t bytes) {
  return text::HundredthsToStr(bytes * 100 / (1024 * 1024));
}

}  // namespace

void FilmPlayer::EnableSaveCommands() {
  editor::TFelirat& f = *editor_;
  f.MarkModified();
  f.BMMN.SetEnabled(true);
  f.MentM1.SetEnabled(true);
}

void FilmPlayer::SetFilmMenus(bool enabled) {
  editor::TFelirat& f = *editor_;
  for (ui::MenuItem* item : {&f.Fbezar, &f.Filminfo, &f.Flejatszas, &f.Feliratshow, &f.FilmFelirat})
    item->SetEnabled(enabled);
  f.BFPS.SetEnabled(enabled);
}

// ---- Film buttons and the film view -----------------------------------------------------

void FilmPlayer::ShowFilmButtons(PauseButton pause) {
  editor::TFelirat& f = *editor_;
  for (ui::SpeedButton* button : {&f.SBvissza1mp, &f.SBvissza, &f.SBelore})
    button->Show();
  if (pause == PauseButton::kShown)
    f.SBpause.Show();
  for (ui::SpeedButton* button : {&f.SBkezdo, &f.SBbefejezes, &f.SBkezdbefejez, &f.SBSub})
    button->Show();
  f.SBNonSub.Hide();
  f.Feliratshow.SetChecked(true);
  LoadFilmTimeTable();
}

void FilmPlayer::HideFilmButtons() {
  editor::TFelirat& f = *editor_;
  for (ui::SpeedButton* button :
       {&f.SBvissza1mp, &f.SBvissza, &f.SBelore, &f.SBplay, &f.SBpause, &f.SBkezdo, &f.SBbefejezes,
        &f.SBkezdbefejez, &f.SBSub, &f.SBNonSub}) {
    button->Hide();
  }
}

void FilmPlayer::ShowFilmView() {
  editor::TFelirat& f = *editor_;
  f.Hide();
  if (!f.cds.IsEmpty() && !player_->URL().empty()) {
    f.SBSub.Show();
    f.Feliratshow.SetChecked(true);
  }
  f.ShowFilmArea(editor::LayoutOf(program_.state.ScreenLayout));
  if (f.cds.RecordCount() > 11)
    f.racs.ShowVerticalScrollBar(true);
  f.Show();
}

void FilmPlayer::ToggleFilmView() {
  if (editor_ == nullptr || player_ == nullptr)
    return;
  editor::TFelirat& f = *editor_;
  if (f.Fshow.Checked()) {
    f.Fshow.SetChecked(false);
    player_->Pause();
    f.Feliratshow.SetChecked(false);
    f.HideFilmArea(editor::LayoutOf(program_.state.ScreenLayout));
  } else {
    f.Fshow.SetChecked(true);
    ShowFilmView();
  }
}

// ---- Opening, describing and closing ----------------------------------------------------

void FilmPlayer::OpenFilmWindow() {
  if (editor_ == nullptr || player_ == nullptr)
    return;
  editor::TFelirat& f = *editor_;
  editor::TAviKi& avi = *program_.AviKi;
  if (!f.Efilenev.Text().empty() && !program_.state.CurrentDirectory.empty())
    avi.DirectoryListBox2.SetDirectory(program_.state.CurrentDirectory.Path());
  if (!f.wmp1.Visible())
    ShowFilmView();
  f.Fshow.SetChecked(true);
  program_.state.AviPurpose = shell::avi_purpose::kMegnyitas;
  avi.SetCaption("Film megnyitása");
  avi.ShowModal();
}

void FilmPlayer::OpenChosenFilm() {
  if (editor_ == nullptr || player_ == nullptr)
    return;
  editor::TFelirat& f = *editor_;
  editor::TAviKi& avi = *program_.AviKi;
  avi.BopenFilm.SetEnabled(false);
  f.IdoFrame.SetCaption(TimeBase() ? kZeroLabel : std::string_view("0 / 0"));
  CentrePositionLabel();

  // The film's own frame rate into the editor's box, with the AVI reader's own messages.
  const std::filesystem::path path = avi.filelistbox2.FileName();
  avi.BmegnyitasClick();
  facts_.fps_text = avi.FilmFpsText;

  if (!path.empty() && player_->URL() == path) {
    avi.e11.SetText("");
    shell::Inform(program_, "Film megnyitása", "Ez a film be van töltve", "Válasszon másikat!");
    return;
  }

  media::OpenResult opened = media::OpenResult::kFailed;
  {
    ui::HourglassCursor hourglass(program_.app);
    player_->Stop();
    player_->SetURL({});
    std::error_code size_error;
    const std::uintmax_t bytes = std::filesystem::file_size(path, size_error);
    facts_.size_bytes = size_error ? 0 : static_cast<std::int64_t>(bytes);
    // The wait takes no input: nothing else can happen to the editor while the film opens.
    // The shown windows are painted on every round, and the film's own timers wait.
    base::ValueRestorer<bool> opening(opening_, true);
    opened = player_->Open(
        path, [this] { RepaintShownWindows(); }, kFilmOpenLimit);
  }
  if (opened == media::OpenResult::kOpened) {
    if (f.cds.IsEmpty())
      HideFilmButtons();
    else
      ShowFilmButtons(PauseButton::kShown);
    player_->Play();
    f.Timer2.SetEnabled(true);
    facts_.info_read = false;
    for (ui::MenuItem* item : {&f.Fbezar, &f.Filminfo, &f.Flejatszas})
      item->SetEnabled(true);
    f.BFPS.SetEnabled(true);
    if (!f.Efilenev.Text().empty()) {
      f.Feliratshow.SetEnabled(true);
      f.FilmFelirat.SetEnabled(true);
    }
  }
  avi.BopenFilm.SetEnabled(true);
  f.Fshow.SetChecked(true);
  avi.Close();
  if (opened != media::OpenResult::kOpened) {
    player_->SetURL({});
    HideFilmButtons();
    HideFilmOverlay();
    SetFilmMenus(false);
    f.Timer2.SetEnabled(false);
    shell::Inform(program_, "Információ", "A filmet nem tudom lejátszani!",
                  "Lehet, hogy nincs fent a hozzá való kodek!");
  }
}

void FilmPlayer::RepaintShownWindows() {
  for (ui::Form* form : program_.app.Forms()) {
    if (form->Visible())
      form->Repaint();
  }
}

void FilmPlayer::ShowFilmInformation() {
  if (editor_ == nullptr || player_ == nullptr)
    return;
  if (facts_.duration_text.empty()) {
    shell::Inform(program_, "Információ", "Még nem elérhető ez a lekérdezés!");
    return;
  }
  const std::string lines = "Név: " + files::TextOfPath(player_->URL()) + "\r\n" +
                            "Felbontás: " + text::IntToStr(player_->ImageSourceWidth()) + "x" +
                            text::IntToStr(player_->ImageSourceHeight()) + "\r\n" +
                            "Méret: " + MegabytesText(facts_.size_bytes) + " MB\r\n" +
                            "FPS: " + facts_.fps_text + "\r\n" +
                            "Teljes hossz: " + facts_.duration_text + "\r\n" +
                            "Teljes Frame: " + facts_.frame_count_text + "\r\n";
  shell::Inform(program_, "Információ", lines);
}

void FilmPlayer::CloseFilm() {
  if (editor_ == nullptr || player_ == nullptr)
    return;
  editor::TFelirat& f = *editor_;
  player_->Stop();
  player_->SetURL({});
  SetFilmMenus(false);
  f.Timer2.SetEnabled(false);
  f.IdoFrame.SetCaption(TimeBase() ? kZeroLabel : std::string_view("0"));
  // With no film the film buttons and the text over the picture have nothing to act on.
  HideFilmButtons();
  HideFilmOverlay();
}

void FilmPlayer::StopFilm() {
  if (player_ != nullptr)
    player_->Stop();
}

// ---- Playback -------------------------------------------------------------------------------

void FilmPlayer::PlayFilm() {
  if (editor_ == nullptr || player_ == nullptr)
    return;
  editor::TFelirat& f = *editor_;
  player_->Play();
  f.Timer2.SetEnabled(true);
  f.SBplay.Hide();
  f.SBpause.Show();
  shell::InternalUpdateGuard internal(program_.state);
  Painter painter(*this);
  const FilmTimeTable& table = TimeTable();
  ShowOrJump(sync_, table, player_->CurrentPosition(), painter);
}

void FilmPlayer::PauseFilm() {
  if (editor_ == nullptr || player_ == nullptr)
    return;
  editor::TFelirat& f = *editor_;
  player_->Pause();
  f.SBplay.Show();
  f.SBpause.Hide();
  f.Timer2.SetEnabled(false);
  WritePositionLabel(LabelPlace::kCentred);
}

void FilmPlayer::BackOneSecond() {
  if (editor_ == nullptr || player_ == nullptr)
    return;
  player_->SetCurrentPosition(player_->CurrentPosition() - 1000);
  if (player_->Duration() > 0)
    WritePositionLabel(LabelPlace::kCentred);
}

void FilmPlayer::PreviousRowOfFilm() {
  if (editor_ == nullptr)
    return;
  editor_->cds.Prior();
  FilmToCurrentRow();
}

void FilmPlayer::NextRowOfFilm() {
  if (editor_ == nullptr)
    return;
  editor_->cds.Next();
  FilmToCurrentRow();
}

void FilmPlayer::FilmToCurrentRow() {
  if (editor_ == nullptr || player_ == nullptr || !FilmLoaded() || editor_->cds.IsEmpty())
    return;
  editor::TFelirat& f = *editor_;
  const int row = f.cds.RecNo();
  const FilmTimeTable& table = TimeTable();
  player_->SetCurrentPosition(table.Start(row));
  WritePositionLabel(LabelPlace::kLeftWhereItIs);
  if (OverlayInUse()) {
    const bool was_playing = f.Timer2.Enabled();
    const bool overlay_on = f.SBSub.Visible();
    if (overlay_on) {
      player_->Pause();
      if (was_playing)
        f.Timer2.SetEnabled(false);
    }
    shell::InternalUpdateGuard internal(program_.state);
    LoadCursor(sync_, table, row);
    sync_.in_gap = false;
    if (overlay_on) {
      Painter painter(*this);
      film::ShowOverlayRow(sync_, row, ShownMark::kMarkShown, painter);
    }
    if (was_playing) {
      f.Timer2.SetEnabled(true);
      player_->Play();
    }
  }
  CentrePositionLabel();
}

// ---- Times from the film ---------------------------------------------------------------

void FilmPlayer::TakeTimeFromFilm(TimeFromFilm taken) {
  editor::TFelirat& f = *editor_;
  const int64_t position = player_->CurrentPosition();
  const int value_field = taken.into == RowTime::kStart ? field::kKezdes : field::kBefejezes;
  {
    shell::InternalUpdateGuard internal(program_.state);
    f.cds.Edit();
    if (TimeBase()) {
      const int64_t ms =
          taken.earlier_while_playing ? StartFromFilmMs(position, f.Timer2.Enabled()) : position;
      f.cds.SetValue(value_field, timecode::MsToTimeCode(ms));
      if (taken.hide_overlay)
        HideFilmOverlay();
    } else {
      f.cds.SetValue(value_field, text::IntToStr(timecode::MsToFrames(position, Rate())));
    }
  }
  f.cds.Post();
}

void FilmPlayer::StartFromFilm() {
  if (editor_ == nullptr || player_ == nullptr)
    return;
  if (!editor_->cds.IsEmpty())
    TakeTimeFromFilm({.into = RowTime::kStart, .earlier_while_playing = true});
  EnableSaveCommands();
}

void FilmPlayer::EndFromFilm() {
  if (editor_ == nullptr || player_ == nullptr)
    return;
  if (!editor_->cds.IsEmpty())
    TakeTimeFromFilm({.into = RowTime::kEnd, .hide_overlay = true});
  editor_->cds.Next();
  EnableSaveCommands();
}

void FilmPlayer::EndAndNextStartFromFilm() {
  if (editor_ == nullptr || player_ == nullptr)
    return;
  editor::TFelirat& f = *editor_;
  // With no rows there is no end to give to a next row.
  if (f.cds.IsEmpty())
    return;
  TakeTimeFromFilm({.into = RowTime::kEnd});
  {
    shell::InternalUpdateGuard internal(program_.state);
    const std::string end = f.cds.Value(field::kBefejezes);
    if (f.cds.RecNo() == f.cds.RecordCount()) {
      f.cds.Append();
    } else {
      f.cds.Next();
      f.cds.Edit();
    }
    f.cds.SetValue(field::kKezdes, end);
  }
  f.cds.Post();
  EnableSaveCommands();
}

// ---- The overlay switches ------------------------------------------------------------------

void FilmPlayer::OverlayOff() {
  if (editor_ == nullptr)
    return;
  HideFilmOverlay();
  editor_->SBSub.Hide();
  editor_->SBNonSub.Show();
  editor_->Feliratshow.SetChecked(false);
}

void FilmPlayer::OverlayOn() {
  if (editor_ == nullptr)
    return;
  editor_->SBNonSub.Hide();
  editor_->SBSub.Show();
  editor_->Feliratshow.SetChecked(true);
}

}  // namespace film
