// The message window `TKiszoveg`: one caption, an icon, two lines and the buttons OK, Igen,
// Nem and Mégsem. Shown through ShowBox (shell/message_box.h), never directly. Each button is
// of the kind that closes the modal window after its click handler. Escape in a question
// clicks "Mégsem" when it shows, "Nem" otherwise.
#pragma once

#include <string_view>

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace shell {

class TKiszoveg : public ui::Form {
 public:
  explicit TKiszoveg(shell::Program& program);

  // Sets every text, size, button and icon for one message; the icon stays as the previous
  // message left it when `icon` is not one of the three kinds. Showing is ShowBox's.
  void Prepare(std::string_view caption, std::string_view icon, std::string_view line1,
               std::string_view line2, bool show_ok, bool show_yes, bool show_no);
  // True once after a session that ended with "Igen" to the exit question.
  bool TakeExitSaveRequest();

  ui::Image InfoI{*this, "InfoI", {0, 0, 65, 65}};
  ui::Image KerdesI{*this, "KerdesI", {0, 0, 65, 65}};
  ui::Image HibaI{*this, "HibaI", {0, 0, 65, 65}};
  ui::Label szoveg{*this, "szoveg", {68, 20, 0, 0}};
  ui::Label szoveg2{*this, "szoveg2", {68, 36, 0, 0}};
  ui::BitBtn Bok{*this, "Bok", {152, 74, 75, 25}};
  ui::BitBtn Bigen{*this, "Bigen", {68, 66, 75, 25}};
  ui::BitBtn Bnem{*this, "Bnem", {160, 66, 75, 25}};
  ui::BitBtn Bmegsem{*this, "Bmegsem", {250, 66, 75, 25}};

 private:
  void FormCreate();
  void BigenClick();
  void BnemClick();
  void BmegsemClick();
  // Escape closes a message that shows OK without Igen; a question is left to its cancel
  // button, so the key-up of the Escape that asked it cannot close it.
  void FormKeyUp(ui::Key& key, ui::ShiftState shift);

  shell::Program& program_;
  bool exit_save_requested_ = false;
};

}  // namespace shell
