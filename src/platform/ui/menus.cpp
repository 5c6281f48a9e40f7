#include "platform/ui/menus.h"

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace ui {

MenuItem::MenuItem(Menu& menu, std::string name, std::string_view caption)
    : root_(&menu), name_(std::move(name)), caption_(caption) {
  menu.items_.push_back(this);
}

MenuItem::MenuItem(MenuItem& parent, std::string name, std::string_view caption)
    : root_(parent.root_), parent_(&parent), name_(std::move(name)), caption_(caption) {
  parent.items_.push_back(this);
}

MenuItem::~MenuItem() {
  if (parent_ != nullptr) {
    std::erase(parent_->items_, this);
  } else {
    std::erase(root_->items_, this);
  }
  root_->Owner().App().GetBackend().MenuDestroyed(*this);
}

void MenuItem::Changed() {
  root_->Owner().App().GetBackend().MenuChanged(*this);
}

void MenuItem::SetCaption(std::string_view caption) {
  caption_ = std::string(caption);
  Changed();
}

void MenuItem::SetEnabled(bool enabled) {
  if (enabled_ == enabled)
    return;
  enabled_ = enabled;
  Changed();
}

void MenuItem::SetChecked(bool checked) {
  if (checked_ == checked)
    return;
  checked_ = checked;
  Changed();
}

void MenuItem::SetVisible(bool visible) {
  if (visible_ == visible)
    return;
  visible_ = visible;
  Changed();
}

void MenuItem::SetShortCut(ui::ShortCut shortcut) {
  shortcut_ = shortcut;
  Changed();
}

void MenuItem::Click() {
  if (OnClick)
    OnClick();
}

Menu::Menu(Form& owner, std::string name) : owner_(&owner), name_(std::move(name)) {}

Menu::~Menu() = default;

namespace {

MenuItem* FindIn(const std::vector<MenuItem*>& items, ui::ShortCut shortcut) {
  for (MenuItem* item : items) {
    if (item->ShortCut() == shortcut)
      return item;
    if (MenuItem* found = FindIn(item->Items(), shortcut))
      return found;
  }
  return nullptr;
}

}  // namespace

MenuItem* Menu::FindShortCut(ui::ShortCut shortcut) const {
  if (shortcut == 0)
    return nullptr;
  return FindIn(items_, shortcut);
}

MainMenu::MainMenu(Form& owner, std::string name) : Menu(owner, std::move(name)) {
  owner.menus_.push_back(this);
  if (owner.menu_ == nullptr)
    owner.SetMenu(this);
}

MainMenu::~MainMenu() {
  Form& owner = Owner();
  std::erase(owner.menus_, this);
  if (owner.menu_ == this)
    owner.menu_ = nullptr;
}

PopupMenu::PopupMenu(Form& owner, std::string name) : Menu(owner, std::move(name)) {
  owner.popups_.push_back(this);
}

PopupMenu::~PopupMenu() {
  std::erase(Owner().popups_, this);
}

void PopupMenu::Popup(int screen_x, int screen_y) {
  if (OnPopup)
    OnPopup();
  MenuItem* chosen = Owner().App().GetBackend().TrackPopup(*this, screen_x, screen_y);
  if (chosen != nullptr && chosen->Enabled())
    chosen->Click();
}

}  // namespace ui
