// The pictures of the start window and the message window, compiled into the program.
//
// Names: "start" (the start window's background), "megnyitas", "uj", "forditas",
// "kilepes" (the start window's button glyphs), "info", "kerdes", "hiba" (the message
// window's icons).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/ui/image.h"

namespace shell {

// The JPEG bytes of a picture; empty for an unknown name.
std::span<const std::uint8_t> PictureBytes(std::string_view name);

// The decoded picture; empty when the name is unknown or the bytes do not decode.
ui::Picture LoadPicture(std::string_view name);

}  // namespace shell
