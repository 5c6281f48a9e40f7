// Menus: the form's main menu, popup menus and their items.
//
//   ui::MainMenu MainMenu1{*this, "MainMenu1"};
//   ui::MenuItem File1{MainMenu1, "File1", "File"};
//   ui::MenuItem Kilps2{File1, "Kilps2", "Kilépés"};
//   ...
//   Kilps2.SetShortCut(ui::MakeShortCut(ui::keys::kEscape));
//   Kilps2.OnClick = [this] { BkiClick(); };
//
// Every shortcut of the form's main menu and of all its popup menus is looked up before
// the focused control sees a key; a match is swallowed and runs the item only when the
// item is enabled. Setting Checked by code runs nothing.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/types.h"

namespace ui {

class Control;
class Form;
class Menu;

class MenuItem {
 public:
  MenuItem(Menu& menu, std::string name, std::string_view caption = {});
  MenuItem(MenuItem& parent, std::string name, std::string_view caption = {});
  ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  Menu& Root() const { return *root_; }
  MenuItem* Parent() const { return parent_; }
  const std::vector<MenuItem*>& Items() const { return items_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  bool IsSeparator() const { return caption_ == "-"; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);  // runs no event
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  ui::ShortCut ShortCut() const { return shortcut_; }
  void SetShortCut(ui::ShortCut shortcut);
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string_view hint) { hint_ = std::string(hint); }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  // Runs OnClick (as the classic Click does when called by code).
  void Click();

  std::function<void()> OnClick;

 private:
  friend class Menu;
  void Changed();

  Menu* root_;
  MenuItem* parent_ = nullptr;
  std::vector<MenuItem*> items_;
  std::string name_;
  std::string caption_;
  bool enabled_ = true;
  bool checked_ = false;
  bool visible_ = true;
  ui::ShortCut shortcut_ = 0;
  std::string hint_;
  int tag_ = 0;
};

// The root of a menu tree, owned by a form.
class Menu {
 public:
  Menu(Form& owner, std::string name);
  virtual ~Menu();
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  virtual bool IsPopup() const = 0;
  Form& Owner() const { return *owner_; }
  const std::string& Name() const { return name_; }
  const std::vector<MenuItem*>& Items() const { return items_; }
  // The item with this shortcut, searched depth-first; nullptr when none.
  MenuItem* FindShortCut(ui::ShortCut shortcut) const;

 private:
  friend class MenuItem;
  Form* owner_;
  std::string name_;
  std::vector<MenuItem*> items_;
};

class MainMenu : public Menu {
 public:
  // The first main menu made on a form becomes the form's menu.
  MainMenu(Form& owner, std::string name);
  ~MainMenu() override;
  bool IsPopup() const override { return false; }
};

class PopupMenu : public Menu {
 public:
  PopupMenu(Form& owner, std::string name);
  ~PopupMenu() override;
  bool IsPopup() const override { return true; }

  // Runs OnPopup, then shows the menu at a screen point; the chosen item's click runs.
  void Popup(int screen_x, int screen_y);
  // The control the menu was last popped up for (nullptr when by code).
  Control* PopupComponent() const { return popup_component_; }
  void SetPopupComponent(Control* control) { popup_component_ = control; }
  bool AutoPopup() const { return auto_popup_; }
  void SetAutoPopup(bool on) { auto_popup_ = on; }

  std::function<void()> OnPopup;

 private:
  Control* popup_component_ = nullptr;
  bool auto_popup_ = true;
};

}  // namespace ui
