#include "film/film_player.h"

#include <utility>
#include <vector>

#include "editor/felirat.h"
#include "film/film_parts.h"
#include "film/film_screen.h"
#include "film/sync/overlay_text.h"
#include "platform/dataset/row_table.h"
#include "platform/text/text.h"
#include "shell/program.h"
#include "shell/state.h"
#include "timecode/time_base.h"

namespace film {

namespace field = dataset::subtitle_field;

namespace {

// The player, the timer that polls it and our watch on the editor's rows, kept by the editor
// window so that they go before its controls and its row table do.
class PlayerParts final : public FilmParts {
 public:
  PlayerParts(editor::TFelirat& editor, std::unique_ptr<media::MediaPlayer> made,
              std::function<void(const dataset::TableNotification&)> rows_changed)
      : player(std::move(made)),
        poll(editor, "FilmPoll"),
        enter_full_screen(editor, "FilmFullScreenEnter"),
        rows(editor.cds, std::move(rows_changed)),
        screen(editor.App()) {
    poll.SetInterval(kPlayerPollMs);
    poll.OnTimer = [this] { player->Poll(); };
    poll.SetEnabled(true);
    enter_full_screen.SetInterval(1);
    enter_full_screen.SetEnabled(false);
  }
  ~PlayerParts() override {
    poll.SetEnabled(false);
    enter_full_screen.SetEnabled(false);
    player->OnPlayStateChange = nullptr;
    player->OnFullScreenRequest = nullptr;
  }

  std::unique_ptr<media::MediaPlayer> player;
  ui::Timer poll;
  // The full-screen window is shown from a timer of its own, never from inside the poll (whose
  // timer must go on while the window is up).
  ui::Timer enter_full_screen;
  dataset::ScopedSubscription rows;
  TFilmScreen screen;
};

// How long after the full-screen window is shown the picture moves into it.
constexpr std::int64_t kMoveIntoScreenMs = 100;

// The drawn full-screen text: green (red 0, green 128, blue 0), Arial.
constexpr std::uint32_t kFullScreenTextColor = 0x008000;
// The windowed lines over the picture: white, in the labels' font.
constexpr std::uint32_t kWindowedTextColor = 0xFFFFFF;

}  // namespace

bool FilmPlayer::Painter::ShowRow(int row) {
  return film_.PaintOverlayRow(row);
}

void FilmPlayer::Painter::Hide() {
  film_.HideFilmOverlay();
}

void FilmPlayer::Painter::WipeFullScreen() {
  if (film_.player_ != nullptr && film_.player_->FullScreen()) {
    film_.overlay_.reset();
    film_.DrawOverlayLayer();
  }
}

PlayerFactory MpvPlayerFactory(media::MpvSettings settings) {
  return [settings = std::move(settings)](std::int64_t window_id, std::string& error) {
    media::MpvSettings with_window = settings;
    if (window_id != 0)
      with_window.window_id = window_id;
    std::unique_ptr<media::MediaPlayer> player = media::MpvMediaPlayer::Create(with_window, error);
    return player;
  };
}

media::MpvSettings ScreenPlayerSettings() {
  media::MpvSettings settings;
  settings.video_output = "gpu";
  // Only allows a software renderer where there is no other; a graphics card is still used.
  settings.software_rendering = true;
  settings.own_controls = true;
  return settings;
}

FilmPlayer::FilmPlayer(shell::Program& program, PlayerFactory make_player)
    : program_(program), make_player_(std::move(make_player)) {}

FilmPlayer::~FilmPlayer() = default;

// ---- Film state -------------------------------------------------------------------------

bool FilmPlayer::FilmLoaded() const {
  return editor_ != nullptr && editor_->Filminfo.Enabled();
}

bool FilmPlayer::OverlayInUse() const {
  return editor_ != nullptr && (editor_->SBSub.Visible() || editor_->SBNonSub.Visible());
}

bool FilmPlayer::FilmPlaying() const {
  return editor_ != nullptr && editor_->Timer2.Enabled();
}

bool FilmPlayer::TimeBase() const {
  return editor_ != nullptr && editor_->TimeBase() == timecode::kTimeBaseTime;
}

timecode::FrameRate FilmPlayer::Rate() const {
  // The film's own rate once it was read, else the editor's; an unreadable text never fails.
  if (std::optional<timecode::FrameRate> rate = timecode::ParseFrameRate(facts_.fps_text))
    return *rate;
  if (editor_ != nullptr) {
    if (std::optional<timecode::FrameRate> rate = timecode::ParseFrameRate(editor_->cbFps.Text()))
      return *rate;
  }
  return {25, 1};
}

bool FilmPlayer::ModalOverEditor() const {
  // The editor itself runs in a modal session of the start window; the film's own full-screen
  // window is the film, not a window over it.
  const ui::Form* innermost = program_.app.InnermostModal();
  return innermost != nullptr && innermost != editor_ && innermost != screen_;
}

// ---- The film time table ----------------------------------------------------------------

const FilmTimeTable& FilmPlayer::TimeTable() {
  if (editor_ == nullptr)
    return table_;
  const bool time_base = TimeBase();
  const timecode::FrameRate rate = Rate();
  const bool rate_changed =
      rate.numerator != built_rate_.numerator || rate.denominator != built_rate_.denominator;
  if (!table_out_of_date_ && time_base == built_time_base_ && (time_base || !rate_changed))
    return table_;
  const dataset::RowTable& rows = editor_->cds;
  std::vector<RowSpan> spans;
  const int count = rows.Active() ? rows.ShownRowCount() : 0;
  spans.reserve(static_cast<std::size_t>(count));
  for (int row = 1; row <= count; ++row) {
    spans.push_back(RowSpanOf(rows.Cell(row, field::kKezdes), rows.Cell(row, field::kBefejezes),
                              time_base, rate));
  }
  const RowSpan shown_before = table_.Row(sync_.row);
  table_ = FilmTimeTable::FromRows(std::move(spans));
  table_out_of_date_ = false;
  built_time_base_ = time_base;
  built_rate_ = rate;
  // The cursor stays on its row, with that row's new times; the tick moves it on from there.
  // A shown row whose times changed (edited, or another row in its place) is shown afresh.
  ReloadCursor(sync_, table_);
  if ((sync_.shown || sync_.in_gap) && table_.Row(sync_.row) != shown_before) {
    sync_.shown = false;
    sync_.in_gap = false;
    HideFilmOverlay();
  }
  return table_;
}

void FilmPlayer::LoadFilmTimeTable() {
  MarkTableOutOfDate();
  ResetCursor(sync_, TimeTable());
}

// ---- The overlay --------------------------------------------------------------------------

void FilmPlayer::HideFilmOverlay() {
  if (editor_ == nullptr)
    return;
  for (ui::Label* overlay : {&editor_->st1, &editor_->st2, &editor_->st3})
    overlay->Hide();
  overlay_.reset();
  DrawOverlayLayer();
}

bool FilmPlayer::PaintOverlayRow(int row) {
  if (editor_ == nullptr || !editor_->SBSub.Visible())
    return false;
  editor::TFelirat& f = *editor_;
  if (row < 1 || row > f.cds.RecordCount())
    return false;
  f.cds.SetRecNo(row);
  f.LoadRowIntoEditor();
  const std::string row_text = f.cds.Value(field::kSzoveg);
  if (row_text.empty()) {
    HideFilmOverlay();
    return true;
  }
  OverlayText laid = LayOutOverlayText(row_text);

  ui::Label* labels[] = {&f.st1, &f.st2, &f.st3};
  for (std::size_t k = 0; k < 3; ++k) {
    ui::Label& label = *labels[k];
    const OverlayLabel& line = laid.labels[k];
    if (line.text.empty()) {
      label.Hide();
      if (k == 2)
        label.SetCaption("");
      continue;
    }
    ui::Font font = label.GetFont();
    font.italic = line.italic;
    label.SetFont(font);
    label.SetCaption(line.text);
    ui::Font measure = f.stsegit.GetFont();
    measure.italic = line.italic;
    f.stsegit.SetFont(measure);
    f.stsegit.SetCaption(line.text);
    const int left = f.wmp1.Left() + (f.wmp1.Width() - f.stsegit.Width()) / 2;
    label.SetLeft(left < 0 ? 0 : left);
    label.Show();
    // An italic line leans out of its box: a little more room on the right.
    if (line.italic)
      label.SetWidth(label.Width() + (k == 1 && laid.italic_span ? 7 : 10));
  }
  ui::Font regular = f.stsegit.GetFont();
  regular.italic = false;
  f.stsegit.SetFont(regular);
  f.stsegit.SetCaption("");

  overlay_ = std::move(laid);
  DrawOverlayLayer();
  return true;
}

void FilmPlayer::DrawOverlayLayer() {
  if (editor_ == nullptr || player_ == nullptr)
    return;
  if (!overlay_) {
    player_->SetOverlayText({}, {});
    return;
  }
  std::vector<media::MediaPlayer::OverlayLine> layer;
  if (player_->FullScreen()) {
    // On the full screen: the lines as they stand, tags and all, at the places the layout
    // gives them on the screen.
    ui::Screen& screen = program_.app.GetScreen();
    const std::string_view layout = program_.state.ScreenLayout;
    const int pixels = editor::PointsToPixels(FullScreenFontPoints(layout));
    for (const ScreenLine& line :
         FullScreenLines(*overlay_, layout, screen.Width(), screen.Height())) {
      layer.push_back(
          {line.text, line.left, line.top, pixels, "Arial", false, kFullScreenTextColor});
    }
    player_->SetOverlayText(std::move(layer), {screen.Width(), screen.Height()});
    return;
  }
  // In the window: the labels' lines where the labels stand over the player, in their font.
  editor::TFelirat& f = *editor_;
  const ui::Label* labels[] = {&f.st1, &f.st2, &f.st3};
  for (std::size_t k = 0; k < 3; ++k) {
    const ui::Label& label = *labels[k];
    const OverlayLabel& line = overlay_->labels[k];
    if (!label.Visible() || line.text.empty())
      continue;
    const ui::Font& font = label.GetFont();
    layer.push_back({line.text, label.Left() - f.wmp1.Left(), label.Top() - f.wmp1.Top(), font.size,
                     font.name, font.italic, kWindowedTextColor});
  }
  player_->SetOverlayText(std::move(layer), {f.wmp1.Width(), f.wmp1.Height()});
}

// ---- Full screen ---------------------------------------------------------------------------

bool FilmPlayer::InFullScreen() const {
  return screen_ != nullptr && screen_->InModalSession();
}

void FilmPlayer::EnterFullScreen() {
  if (editor_ == nullptr || player_ == nullptr || player_->URL().empty() || InFullScreen() ||
      opening_)
    return;
  enter_full_screen_->SetEnabled(true);
}

void FilmPlayer::LeaveFullScreen() {
  if (InFullScreen())
    screen_->Close();
}

void FilmPlayer::RunFullScreen() {
  enter_full_screen_->SetEnabled(false);
  if (editor_ == nullptr || player_ == nullptr)
    return;
  ui::Backend& backend = program_.app.GetBackend();
  if (InFullScreen()) {
    // The window is up and covers the screen: the picture moves into it.
    player_->SetVideoWindow(backend.NativeWindowId(screen_->kep));
    return;
  }
  if (player_->URL().empty())
    return;
  screen_->CoverScreen();
  player_->SetFullScreen(true);
  DrawOverlayLayer();
  // The same timer moves the picture once the window is shown (a window on its way to the
  // screen has no size yet for the player to take).
  enter_full_screen_->SetInterval(kMoveIntoScreenMs);
  enter_full_screen_->SetEnabled(true);
  screen_->ShowModal();
  enter_full_screen_->SetEnabled(false);
  enter_full_screen_->SetInterval(1);
  // Back in the window: the picture, and the row's windowed lines in place of the drawn ones.
  player_->SetVideoWindow(backend.NativeWindowId(editor_->wmp1));
  player_->SetFullScreen(false);
  DrawOverlayLayer();
}

// ---- The film timer -----------------------------------------------------------------------

void FilmPlayer::Timer2Timer() {
  if (editor_ == nullptr || player_ == nullptr || opening_)
    return;
  editor::TFelirat& f = *editor_;
  const int64_t duration = player_->Duration();
  if (duration <= 0) {
    f.IdoFrame.SetCaption("00:00:00,000 / 00:00:00,000");
    return;
  }
  if (!facts_.info_read) {
    facts_.duration_ms = duration;
    facts_.duration_text = FilmDurationText(player_->DurationString(), duration);
    facts_.frame_count = timecode::MsToFrames(duration, Rate());
    facts_.frame_count_text = text::IntToStr(facts_.frame_count);
    facts_.info_read = true;
  }
  WritePositionLabel(LabelPlace::kCentred);
  // A window asked over the editor (a question, a dialog) keeps its row: the film does not
  // move the grid until it is closed.
  if (!f.SBSub.Visible() || ModalOverEditor())
    return;
  shell::InternalUpdateGuard internal(program_.state);
  Painter painter(*this);
  const FilmTimeTable& table = TimeTable();
  FilmTick(sync_, table, player_->CurrentPosition(), painter);
}

void FilmPlayer::WritePositionLabel(LabelPlace place) {
  if (editor_ == nullptr || player_ == nullptr)
    return;
  const std::string_view duration =
      facts_.duration_text.empty() ? std::string_view("n.a.") : facts_.duration_text;
  editor_->IdoFrame.SetCaption(PositionLabelText(TimeBase(), player_->CurrentPosition(), duration,
                                                 Rate(), facts_.frame_count_text));
  if (place == LabelPlace::kCentred)
    CentrePositionLabel();
}

void FilmPlayer::CentrePositionLabel() {
  editor::TFelirat& f = *editor_;
  f.IdoFrame.SetLeft((f.GBAdatok.Width() - f.IdoFrame.Width()) / 2);
}

void FilmPlayer::PlayStateChanged(media::PlayState state) {
  if (editor_ == nullptr)
    return;
  editor::TFelirat& f = *editor_;
  switch (state) {
    case media::PlayState::kStopped:
    case media::PlayState::kPaused:
      f.Timer2.SetEnabled(false);
      WritePositionLabel(LabelPlace::kCentred);
      if (!TimeBase() || player_->CurrentPosition() == 0)
        HideFilmOverlay();
      f.SBpause.Hide();
      f.SBplay.Show();
      return;
    case media::PlayState::kPlaying:
      f.Timer2.SetEnabled(true);
      f.SBpause.Show();
      f.SBplay.Hide();
      return;
    case media::PlayState::kUndefined:
      return;
  }
}

// ---- The editor window ----------------------------------------------------------------------

bool FilmPlayer::EditorCreated(editor::TFelirat& editor) {
  editor_ = &editor;
  editor.wmp1.Hide();
  const std::int64_t window_id = program_.app.GetBackend().NativeWindowId(editor.wmp1);
  error_.clear();
  std::unique_ptr<media::MediaPlayer> player =
      make_player_ ? make_player_(window_id, error_) : nullptr;
  if (!player) {
    if (error_.empty())
      error_ = "no player";
    program_.app.Note("film: " + error_);
    return false;
  }
  player_ = player.get();
  player_->OnPlayStateChange = [this](media::PlayState state) { PlayStateChanged(state); };
  player_->OnFullScreenRequest = [this](bool full_screen) {
    if (full_screen)
      EnterFullScreen();
    else
      LeaveFullScreen();
  };
  auto parts = std::make_unique<PlayerParts>(
      editor, std::move(player), [this](const dataset::TableNotification& notification) {
        switch (notification.event) {
          case dataset::TableEvent::kBeforeEdit:
          case dataset::TableEvent::kBeforeInsert:
          case dataset::TableEvent::kUpdateData:
            MarkTableOutOfDate();
            return;
          case dataset::TableEvent::kDataChange:
            // A moved cursor changes nothing; a written field, a deleted or added row does.
            if (notification.field != dataset::kWholeRow ||
                editor_->cds.ShownRowCount() != table_.RowCount()) {
              MarkTableOutOfDate();
            }
            return;
          case dataset::TableEvent::kStateChange:
            return;
        }
      });
  screen_ = &parts->screen;
  enter_full_screen_ = &parts->enter_full_screen;
  enter_full_screen_->OnTimer = [this] { RunFullScreen(); };
  editor.film_parts = std::move(parts);
  // A double click on the picture, where the host sees it (the player may take it itself).
  editor.wmp1.OnDblClick = [this] { EnterFullScreen(); };
  editor.Timer2.OnTimer = [this] { Timer2Timer(); };
  editor.layout_film = this;
  return true;
}

void FilmPlayer::NewSubtitleStarted() {
  HideFilmOverlay();
}

void FilmPlayer::BackToMainMenu() {
  // The film is closed as "Bezárás" closes it.
  if (player_ != nullptr)
    CloseFilm();
}

void FilmPlayer::EditorClosed() {
  if (editor_ != nullptr)
    editor_->Timer2.SetEnabled(false);
}

// ---- Opening a subtitle ------------------------------------------------------------------

void FilmPlayer::SubtitleOpening() {
  if (editor_ == nullptr || player_ == nullptr)
    return;
  pause_after_read_ = editor_->wmp1.Visible() ? PauseButton::kAsItWas : PauseButton::kShown;
  if (editor_->wmp1.Visible())
    player_->Pause();
}

void FilmPlayer::SubtitleRead() {
  if (!FilmLoaded())
    return;
  editor_->Feliratshow.SetEnabled(true);
  editor_->FilmFelirat.SetEnabled(true);
  ShowFilmButtons(pause_after_read_);
}

void FilmPlayer::FileChosen() {
  HideFilmOverlay();
}

void FilmPlayer::EditingControlsEnabled() {
  HideFilmOverlay();
}

// ---- Row commands ----------------------------------------------------------------------

void FilmPlayer::RowsMerged(int row) {
  if (!OverlayInUse() || player_ == nullptr)
    return;
  const FilmTimeTable& table = TimeTable();
  const int64_t t = player_->CurrentPosition();
  if (table.Start(row) < t && t < table.End(row)) {
    shell::InternalUpdateGuard internal(program_.state);
    Painter painter(*this);
    LoadCursor(sync_, table, row);
    film::ShowOverlayRow(sync_, row, ShownMark::kMarkShown, painter);
  }
}

void FilmPlayer::TimeBaseSwitching() {
  if (editor_ != nullptr && player_ != nullptr && editor_->wmp1.Visible())
    player_->Pause();
}

void FilmPlayer::TimeBaseSwitched() {
  if (FilmLoaded())
    WritePositionLabel(LabelPlace::kLeftWhereItIs);
}

void FilmPlayer::FilmAreaHidden() {
  HideFilmOverlay();
}

// ---- The layout switch ---------------------------------------------------------------------

bool FilmPlayer::HoldsFilm() const {
  return player_ != nullptr && !player_->URL().empty();
}

editor::HeldFilm FilmPlayer::PauseAndHold() {
  HideFilmOverlay();
  player_->Pause();
  return {player_->URL().string(), player_->CurrentPosition()};
}

void FilmPlayer::Reopen(const editor::HeldFilm& film) {
  // The player applies the seek and the pause once the film is open, however long that takes.
  const std::filesystem::path path(film.url);
  if (player_->URL() != path)
    player_->SetURL(path);
  player_->SetCurrentPosition(film.position_ms);
  player_->Pause();
}

void FilmPlayer::ShowOverlayRow(int row) {
  shell::InternalUpdateGuard internal(program_.state);
  Painter painter(*this);
  film::ShowOverlayRow(sync_, row, ShownMark::kMarkShown, painter);
}

std::unique_ptr<FilmHooks> MakeFilmPlayer(shell::Program& program, PlayerFactory make_player) {
  return std::make_unique<FilmPlayer>(program, std::move(make_player));
}

}  // namespace film
