// The grid's own keys: Delete, Enter and Ctrl+Enter, and the style keys "i", "b", "u".
#include "editor/felirat.h"

namespace editor {

void TFelirat::WireGridKeys() {
  racs.OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) { racsKeyDown(key, shift); };
  racs.OnKeyPress = [this](char& key) { racsKeyPress(key); };
}

// Delete deletes the row; Enter and Ctrl+Enter move into the row panel; "i", "b" and "u"
// toggle the style tags of the row.
// A box the focus moves into must be enabled and shown: the panel's layout for two texts
// hides the start box, the one for one text hides the second text box.
void TFelirat::racsKeyDown(ui::Key& key, ui::ShiftState shift) {
  if (key == ui::keys::kDelete) {
    BtorlesClick();
    return;
  }
  if (key != ui::keys::kReturn)
    return;
  if (shift.Has(ui::ShiftState::kCtrl) && kezdes.CanFocus()) {
    kezdes.SetFocus();
    return;
  }
  const std::string column = racs.SelectedField();
  if (column == "Szoveg2" && szoveg2.CanFocus())
    szoveg2.SetFocus();
  else if ((column == "Szoveg" || column == "Sorszam") && szoveg.CanFocus())
    szoveg.SetFocus();
}

void TFelirat::racsKeyPress(char& key) {
  // The style keys work on a row; an empty table has none to change.
  if (cds.IsEmpty())
    return;
  switch (key) {
    case 'i':
      dolt.Click();
      break;
    case 'b':
      Vastagitott.Click();
      break;
    case 'u':
      Alahuzott.Click();
      break;
    default:
      break;
  }
}

}  // namespace editor
