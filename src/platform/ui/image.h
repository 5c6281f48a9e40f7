// Pictures: JPEG decoding (libjpeg) and the image control.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace ui {

// A decoded picture: rows top to bottom, 3 bytes (R, G, B) per pixel.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
  bool Empty() const { return width == 0 || height == 0; }
  bool operator==(const Picture&) const = default;
};

// Decodes a JPEG image; nullopt (with the reason in `error` when given) for bytes that are
// not a JPEG image the library can read. Never reads outside `bytes`.
std::optional<Picture> DecodeJpeg(std::span<const std::uint8_t> bytes,
                                  std::string* error = nullptr);
std::optional<Picture> LoadJpegFile(const std::filesystem::path& path,
                                    std::string* error = nullptr);

class Image : public Control {
 public:
  Image(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kImage; }

  const Picture& GetPicture() const { return picture_; }
  void SetPicture(Picture picture);
  // Loads a JPEG file; false (picture unchanged) when it cannot be read or decoded.
  bool LoadFromJpegFile(const std::filesystem::path& path);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool on);
  bool Center() const { return center_; }
  void SetCenter(bool on);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);

 private:
  Picture picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
};

}  // namespace ui
