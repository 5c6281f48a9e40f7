#include "platform/ui/image.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

namespace ui {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void ExitOnError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

// Decodes into `out`; false with `message` set on failure. No C++ object with a
// destructor lives in this frame across setjmp, so the jump out of libjpeg is safe.
bool DecodeInto(const std::uint8_t* data, unsigned long size, Picture& out, char* message) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = ExitOnError;
  errors.base.output_message = IgnoreMessage;
  errors.message[0] = '\0';
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  const int width = static_cast<int>(info.output_width);
  const int height = static_cast<int>(info.output_height);
  if (info.output_components != 3 || width <= 0 || height <= 0) {
    jpeg_destroy_decompress(&info);
    std::snprintf(message, JMSG_LENGTH_MAX, "unsupported picture layout");
    return false;
  }
  out.width = width;
  out.height = height;
  out.rgb.resize(static_cast<size_t>(width) * height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out.rgb.data() + static_cast<size_t>(info.output_scanline) * width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::optional<Picture> DecodeJpeg(std::span<const std::uint8_t> bytes, std::string* error) {
  if (bytes.size() < 4) {
    if (error != nullptr)
      *error = "not a JPEG picture";
    return std::nullopt;
  }
  Picture picture;
  char message[JMSG_LENGTH_MAX] = {};
  if (!DecodeInto(bytes.data(), static_cast<unsigned long>(bytes.size()), picture, message)) {
    if (error != nullptr)
      *error = message;
    return std::nullopt;
  }
  return picture;
}

std::optional<Picture> LoadJpegFile(const std::filesystem::path& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error != nullptr)
      *error = "cannot open the file";
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) {
    if (error != nullptr)
      *error = "cannot read the file";
    return std::nullopt;
  }
  return DecodeJpeg(bytes, error);
}

Image::Image(Control& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds) {
  SetTabStop(false);
}

void Image::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  Changed(Prop::kPicture);
}

bool Image::LoadFromJpegFile(const std::filesystem::path& path) {
  std::optional<Picture> picture = LoadJpegFile(path);
  if (!picture)
    return false;
  SetPicture(std::move(*picture));
  return true;
}

void Image::SetStretch(bool on) {
  stretch_ = on;
  Changed(Prop::kOptions);
}

void Image::SetCenter(bool on) {
  center_ = on;
  Changed(Prop::kOptions);
}

void Image::SetTransparent(bool on) {
  transparent_ = on;
  Changed(Prop::kOptions);
}

}  // namespace ui
