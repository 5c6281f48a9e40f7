// The GUI class library: one header for the program's windows.
//
// A window is a class deriving from ui::Form. Its controls, menus and timers are members,
// constructed with their parent and a name (and optionally their bounds in pixels at
// 96 dpi, relative to the parent); its handlers are member functions bound in the
// constructor to the std::function events:
//
//   class TFoForm : public ui::Form {
//    public:
//     explicit TFoForm(ui::Application& app) : Form(app, "FoForm") {
//       SetCaption("Vemko v6.873");
//       SetBounds(0, 0, 293, 375);
//       SetPosition(ui::FormPosition::kScreenCenter);
//       BitBtn3.SetCaption("Megnyitás");
//       BitBtn3.OnClick = [this] { BMegnyitasClick(); };
//       BitBtn3.OnKeyPress = [this](char& ch) { BitBtn1KeyPress(ch); };
//       OnActivate = [this] { FormActivate(); };
//       Created();  // runs OnCreate, if set
//     }
//     ui::Image Image1{*this, "Image1", {0, 0, 285, 341}};
//     ui::BitBtn BitBtn3{*this, "BitBtn3", {96, 120, 100, 30}};
//     ui::GroupBox GB1{*this, "GB1", {8, 400, 600, 200}};
//     ui::Edit kezdes{GB1, "kezdes", {8, 16, 90, 21}};  // a child of the group box
//    private:
//     void BMegnyitasClick();
//     void BitBtn1KeyPress(char& ch);
//     void FormActivate();
//   };
//
// Properties are getter/setter pairs (Caption()/SetCaption(), Enabled()/SetEnabled(),
// Visible()/SetVisible(), Checked()/SetChecked(), ...). Setters fire what the classic
// library fires: SetChecked of a check box or radio button runs OnClick; SetText of an
// edit, memo or spin edit (and SetValue of a spin edit) runs OnChange; SetItemIndex of a
// combo box and SetChecked of a menu item run nothing; a data-aware edit runs OnChange
// when the row under it changes. Colours are BGR integers (9988639). A control keeps its
// own Visible and Enabled flags; Showing() and EnabledWithParents() add the parents'.
//
// Keys: Application::OnMessage (the hook) sees every message first; then the form's menu
// and popup shortcuts (a match is swallowed and runs only an enabled item); then OnKeyDown
// of the form (with KeyPreview) and of the focused control (key := 0 cancels); then
// OnKeyPress (the character may be changed; 0 or a changed-to-Escape character is
// dropped); then the default: Enter clicks the default (or focused) button, Escape the
// first visible cancel button, Tab moves the focus, edits edit; finally OnKeyUp, only in
// the window that saw the key-down.
//
// Modality: `form.ShowModal()` returns the modal result after the form closed (a button
// with a modal result, SetModalResult or Close end the session). It nests, works before
// Application::Run and inside OnActivate. See form.h for activation and closing.
//
// Tests run on the headless backend: ui::headless::Driver (platform/ui/headless/driver.h)
// owns an Application, scripts modal sessions (Driver::OnModal), sends input and advances
// the virtual clock.
#pragma once

#include "platform/ui/application.h"
#include "platform/ui/backend.h"
#include "platform/ui/control.h"
#include "platform/ui/controls.h"
#include "platform/ui/data_controls.h"
#include "platform/ui/file_controls.h"
#include "platform/ui/form.h"
#include "platform/ui/image.h"
#include "platform/ui/lists.h"
#include "platform/ui/menus.h"
#include "platform/ui/text_controls.h"
#include "platform/ui/timer.h"
#include "platform/ui/types.h"
