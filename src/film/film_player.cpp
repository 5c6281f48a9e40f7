#include "film/film_player.h"

#include <utility>

#include "editor/felirat.h"
#include "film/film_parts.h"
#include "shell/program.h"

namespace film {

namespace {

// The player and the timer that polls it, kept by the editor window so that they go before
// its controls do.
class PlayerParts final : public FilmParts {
 public:
  PlayerParts(editor::TFelirat& editor, std::unique_ptr<media::MediaPlayer> made)
      : player(std::move(made)), poll(editor, "FilmPoll") {
    poll.SetInterval(kPlayerPollMs);
    poll.OnTimer = [this] { player->Poll(); };
    poll.SetEnabled(true);
  }
  ~PlayerParts() override { poll.SetEnabled(false); }

  std::unique_ptr<media::MediaPlayer> player;
  ui::Timer poll;
};

}  // namespace

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

bool FilmPlayer::FilmLoaded() const {
  return editor_ != nullptr && editor_->Filminfo.Enabled();
}

bool FilmPlayer::OverlayInUse() const {
  return editor_ != nullptr && (editor_->SBSub.Visible() || editor_->SBNonSub.Visible());
}

bool FilmPlayer::FilmPlaying() const {
  return editor_ != nullptr && editor_->Timer2.Enabled();
}

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
  editor.film_parts = std::make_unique<PlayerParts>(editor, std::move(player));
  return true;
}

void FilmPlayer::NewSubtitleStarted() {
  if (editor_ == nullptr)
    return;
  for (ui::Label* overlay : {&editor_->st1, &editor_->st2, &editor_->st3})
    overlay->Hide();
}

void FilmPlayer::BackToMainMenu() {
  if (player_ != nullptr)
    player_->SetURL({});
}

void FilmPlayer::EditorClosed() {
  if (editor_ != nullptr)
    editor_->Timer2.SetEnabled(false);
}

std::unique_ptr<FilmHooks> MakeFilmPlayer(shell::Program& program, PlayerFactory make_player) {
  return std::make_unique<FilmPlayer>(program, std::move(make_player));
}

}  // namespace film
