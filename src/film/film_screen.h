// TFilmScreen: the full-screen window of the film. The player's picture is moved into its
// host `kep`, which fills the whole screen; the player's own text layer stands over it.
// Shown modally while the picture is on the full screen: the editor below waits, and gets the
// keyboard back as it was when the window closes. Escape or a double click on the picture
// closes it.
#pragma once

#include "platform/ui/ui.h"

namespace film {

class TFilmScreen final : public ui::Form {
 public:
  explicit TFilmScreen(ui::Application& app);

  // The window and its host over the whole screen as it is now.
  void CoverScreen();

  ui::MediaHost kep{*this, "kep", {0, 0, 0, 0}};

 private:
  void FormKeyDown(ui::Key& key, ui::ShiftState shift);
};

}  // namespace film
