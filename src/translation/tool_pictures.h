// The pictures of the translation window's picture-only tool buttons, drawn here as small
// pixel maps on the button face colour.
#pragma once

#include "platform/ui/image.h"

namespace translation {

enum class ToolPicture {
  kOpenSubtitle,  // a folder
  kSave,          // a diskette
  kOpenProject,   // two sheets
  kInsertRow,     // rows and a green plus
  kDeleteRow,     // rows and a red cross
  kSearch,        // a magnifying glass
};

// A 16 x 16 picture.
ui::Picture DrawToolPicture(ToolPicture which);

}  // namespace translation
