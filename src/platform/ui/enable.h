// Enabling or disabling a whole list of controls, or of menu items, in one call.
#pragma once

#include <initializer_list>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/menus.h"

namespace ui {

inline void Enable(std::initializer_list<Control*> controls, bool on) {
  for (Control* control : controls)
    control->SetEnabled(on);
}

inline void Enable(std::initializer_list<MenuItem*> items, bool on) {
  for (MenuItem* item : items)
    item->SetEnabled(on);
}

inline void Enable(const std::vector<MenuItem*>& items, bool on) {
  for (MenuItem* item : items)
    item->SetEnabled(on);
}

// Disables each of `items`, controls and menu items alike, in the order given.
template <typename... Items>
void Disable(Items&... items) {
  (items.SetEnabled(false), ...);
}

}  // namespace ui
