#include "shell/pictures.h"

namespace shell {

ui::Picture LoadPicture(std::string_view name) {
  std::optional<ui::Picture> picture = ui::DecodeJpeg(PictureBytes(name));
  return picture ? std::move(*picture) : ui::Picture{};
}

}  // namespace shell
