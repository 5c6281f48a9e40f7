// The contract between the GUI model and a backend that shows it.
//
// The model (Application, Form, the controls) holds every semantic rule; a backend only
// shows what the model says and reports what the user does. The model calls the backend
// through this interface; the backend calls back through the public input entry points of
// Application (KeyDown, KeyUp, MouseDown, ..., see application.h), the same functions the
// headless test Driver uses.
//
// Peers are created lazily: a backend makes the window of a form (and the widgets of its
// controls and menus) when the form is first shown, reading every property from the model,
// and afterwards keeps them up to date from ControlChanged / MenuChanged.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop/places.h"
#include "platform/ui/types.h"

namespace ui {

class Control;
class Form;
class MenuItem;
class PopupMenu;
class Timer;

// What changed on a control (or a form), told to its peer.
enum class Prop {
  kBounds,
  kVisible,
  kEnabled,
  kText,  // caption or text
  kFont,
  kColor,
  kSelection,  // caret and selection of a text box
  kItems,      // the item list of a list, combo box or list view
  kItemIndex,
  kChecked,  // check box, radio button, speed button's down state
  kValue,    // gauge progress, spin edit value
  kOptions,  // any other option of the kind (read-only, alignment, maximum length, ...)
  kPicture,
  kContents,  // painted contents (grid cells)
  kHint,
  kFocus,
  kDroppedDown,  // a combo box's list opened or closed
  // forms only
  kWindowState,
  kBorder,  // border style, border icons, close box
  kStayOnTop,
  kOwner,
  kAlpha,
  kConstraints,
  kMenu,
};

// Sizes of a window's frame around its client area.
struct FrameMetrics {
  int left = 0;
  int top = 0;  // title bar included
  int right = 0;
  int bottom = 0;
  int menu_bar = 0;  // added to the top while the form has a main menu with visible items
};

class Backend {
 public:
  virtual ~Backend() = default;

  // ---- Screen and metrics ----------------------------------------------------------
  virtual int ScreenWidth() = 0;
  virtual int ScreenHeight() = 0;
  virtual void SetCursor(Cursor cursor) = 0;
  virtual int TextWidth(const Font& font, std::string_view text) = 0;
  virtual int TextHeight(const Font& font) = 0;
  virtual FrameMetrics Frame(const Form& form) = 0;
  // The places the drive boxes list (root, home, mounts).
  virtual std::vector<desktop::Place> Places() = 0;

  // ---- Peers -----------------------------------------------------------------------
  virtual void ControlChanged(Control& control, Prop what) = 0;
  // Called from the control's destructor: only the Control part is still alive.
  virtual void ControlDestroyed(Control& control) = 0;
  virtual void MenuChanged(MenuItem& item) = 0;
  virtual void MenuDestroyed(MenuItem& item) = 0;
  // Paint the control now (a gauge inside a long pass, a grid after a data change).
  virtual void Repaint(Control& control) = 0;

  // ---- Windows -----------------------------------------------------------------------
  virtual void ShowForm(Form& form) = 0;
  virtual void HideForm(Form& form) = 0;
  // Bring the form to the front and give it the keyboard (the model decided it is active).
  virtual void ActivateForm(Form& form) = 0;
  virtual void FocusControl(Control& control) = 0;

  // ---- Loops -------------------------------------------------------------------------
  // Runs a nested event loop for a modal session of `form`. After each event it has
  // dispatched it calls `done`, and returns as soon as `done` gives true.
  virtual void RunModalLoop(Form& form, const std::function<bool()>& done) = 0;
  // Runs the application's loop until `done` gives true.
  virtual void RunMainLoop(const std::function<bool()>& done) = 0;
  // Dispatches the events already waiting, then returns.
  virtual void ProcessPendingEvents() = 0;

  // Shows a popup menu at a screen point; gives the item the user chose, or nullptr. The
  // model runs the chosen item's click.
  virtual MenuItem* TrackPopup(PopupMenu& menu, int screen_x, int screen_y) = 0;

  // The native window (an X11 window id) of a control, for a component that draws into it
  // itself (the film player in the media-player host). The control's window is made at once
  // when it does not exist yet, without showing it. 0 when the backend has no native windows.
  virtual std::int64_t NativeWindowId(Control& control) {
    (void)control;
    return 0;
  }

  // ---- Time --------------------------------------------------------------------------
  virtual std::int64_t NowMs() = 0;
  // The timer's interval or enabled flag changed: restart it or stop it. When it is due
  // the backend calls Application::TimerFired.
  virtual void TimerChanged(Timer& timer) = 0;
  virtual void TimerDestroyed(Timer& timer) = 0;

  // ---- Clipboard and trace -----------------------------------------------------------
  virtual std::string ClipboardText() = 0;
  virtual void SetClipboardText(std::string_view text) = 0;
  // A line for the session log ("message: CAPTION | LINE1 | LINE2"); a real backend may
  // drop it.
  virtual void Note(std::string_view line) = 0;
};

}  // namespace ui
