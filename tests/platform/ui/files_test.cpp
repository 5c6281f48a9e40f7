// File controls over a folder made by the test, and JPEG pictures.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <jpeglib.h>

#include "test_forms.h"

namespace ui_test {
namespace {

namespace fs = std::filesystem;

TEST(MatchesMask, PatternsIgnoreLetterCase) {
  struct Case {
    const char* name;
    const char* mask;
    bool match;
  };
  const std::vector<Case> cases = {
      {"film.srt", "*.srt;*.sub", true},
      {"FILM.SRT", "*.srt;*.sub", true},
      {"film.Sub", "*.srt;*.sub", true},
      {"film.txt", "*.srt;*.sub", false},
      {"film.srtx", "*.srt", false},
      {"noext", "*.*", true},
      {"a.b", "", true},
      {"abc.js", "?bc.js", true},
      {"ÁRVÍZ.SRT", "árvíz.srt", true},
      {"film.srt", " *.sub ; *.srt ", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ui::MatchesMask(c.name, c.mask), c.match) << c.name << " / " << c.mask;
  }
}

class FolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("vemko_ui_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "sub" / "deeper");
    fs::create_directories(root_ / "e.srt");
    fs::create_directories(root_ / ".hiddendir");
    for (const char* name : {"b.SRT", "a.srt", "c.Sub", "d.txt", ".hidden.srt"}) {
      std::ofstream(root_ / name) << "x";
    }
  }
  void TearDown() override { fs::remove_all(root_); }
  fs::path root_;
};

class FileForm : public ui::Form {
 public:
  explicit FileForm(ui::Application& app) : Form(app, "Kereses") {
    SetBounds(0, 0, 580, 539);
    DriveComboBox1.SetDirList(&DirectoryListBox1);
    DirectoryListBox1.SetFileList(&filelistbox);
    FilterComboBox1.SetFileList(&filelistbox);
  }
  ui::DriveComboBox DriveComboBox1{*this, "DriveComboBox1", {8, 8, 200, 21}};
  ui::DirectoryListBox DirectoryListBox1{*this, "DirectoryListBox1", {8, 40, 200, 300}};
  ui::FileListBox filelistbox{*this, "filelistbox", {220, 40, 200, 300}};
  ui::FilterComboBox FilterComboBox1{*this, "FilterComboBox1", {220, 350, 200, 21}};
};

TEST_F(FolderTest, FileListShowsPlainMatchingFilesSortedIgnoringCase) {
  ui::headless::Driver drv;
  FileForm f(drv.App());
  f.FilterComboBox1.SetFilter("Feliratok (*.srt,*.sub)|*.srt;*.sub|Minden|*.*");
  ASSERT_TRUE(f.DirectoryListBox1.SetDirectory(root_));
  EXPECT_EQ(f.filelistbox.Items(), (std::vector<std::string>{"a.srt", "b.SRT", "c.Sub"}));
  f.Show();
  drv.Choose(f.FilterComboBox1, 1);
  EXPECT_EQ(f.filelistbox.Mask(), "*.*");
  EXPECT_EQ(f.filelistbox.Items(), (std::vector<std::string>{"a.srt", "b.SRT", "c.Sub", "d.txt"}));
  f.filelistbox.SetMask("*.SUB");
  EXPECT_EQ(f.filelistbox.Items(), (std::vector<std::string>{"c.Sub"}));
}

TEST_F(FolderTest, SelectionChangesRunOnClickAndGiveTheFullPath) {
  ui::headless::Driver drv;
  FileForm f(drv.App());
  f.FilterComboBox1.SetFilter("Feliratok|*.srt;*.sub");
  f.DirectoryListBox1.SetDirectory(root_);
  int clicks = 0;
  int dbl = 0;
  f.filelistbox.OnClick = [&] { ++clicks; };
  f.filelistbox.OnDblClick = [&] { ++dbl; };
  f.Show();
  EXPECT_TRUE(f.filelistbox.FileName().empty());
  drv.ClickItem(f.filelistbox, 1);
  EXPECT_EQ(f.filelistbox.FileName(), root_ / "b.SRT");
  drv.Press(ui::keys::kDown);
  drv.Press(ui::keys::kDown);  // at the end: no change, no click
  drv.Wheel(120);              // up one
  EXPECT_EQ(f.filelistbox.FileName(), root_ / "b.SRT");
  drv.DoubleClickItem(f.filelistbox, 0);
  EXPECT_EQ(clicks, 4);
  EXPECT_EQ(dbl, 1);
  f.filelistbox.Update();
  EXPECT_EQ(f.filelistbox.ItemIndex(), -1);
}

TEST_F(FolderTest, FolderListOpensOnDoubleClickOrEnterAndTheFileListFollows) {
  ui::headless::Driver drv;
  FileForm f(drv.App());
  f.DirectoryListBox1.SetDirectory(root_);
  int changes = 0;
  f.DirectoryListBox1.OnChange = [&] { ++changes; };
  f.Show();
  const text::LineList& items = f.DirectoryListBox1.Items();
  auto sub = std::find(items.begin(), items.end(), "sub");
  ASSERT_NE(sub, items.end());
  EXPECT_EQ(std::find(items.begin(), items.end(), ".hiddendir"), items.end());
  int index = static_cast<int>(sub - items.begin());
  drv.ClickItem(f.DirectoryListBox1, index);  // a click only selects
  EXPECT_EQ(f.DirectoryListBox1.Directory(), root_);
  drv.DoubleClickItem(f.DirectoryListBox1, index);
  EXPECT_EQ(f.DirectoryListBox1.Directory(), root_ / "sub");
  EXPECT_EQ(f.filelistbox.Directory(), root_ / "sub");
  EXPECT_TRUE(f.filelistbox.Items().empty());
  drv.Focus(f.DirectoryListBox1);
  drv.Press(ui::keys::kDown);  // "deeper"
  drv.Press(ui::keys::kReturn);
  EXPECT_EQ(f.DirectoryListBox1.Directory(), root_ / "sub" / "deeper");
  EXPECT_EQ(changes, 2);
  EXPECT_FALSE(f.DirectoryListBox1.SetDirectory(root_ / "missing"));
}

TEST(DriveBox, PlacesComeFromTheBackendAndCanBeFiltered) {
  ui::headless::Driver drv;
  drv.SetPlaces({{"/", "/", desktop::PlaceType::kFixed},
                 {"pendrive", "/media/pen", desktop::PlaceType::kRemovable},
                 {"dvd", "/media/dvd", desktop::PlaceType::kOptical},
                 {"home", "/home/u", desktop::PlaceType::kFixed}});
  FileForm f(drv.App());
  EXPECT_EQ(f.DriveComboBox1.Items().size(), 4u);
  f.DriveComboBox1.RemovePlacesOfType(
      {desktop::PlaceType::kRemovable, desktop::PlaceType::kOptical});
  EXPECT_EQ(f.DriveComboBox1.Items(), (std::vector<std::string>{"/", "home"}));
  f.DriveComboBox1.FollowFolder("/home/u/films");
  EXPECT_EQ(f.DriveComboBox1.Drive()->name, "home");
}

std::vector<std::uint8_t> EncodeJpeg(int width, int height) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(width * 3, 200);
  while (info.next_scanline < info.image_height) {
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&info, &p, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

TEST(Jpeg, DecodesAPictureAndRefusesBrokenBytes) {
  std::vector<std::uint8_t> bytes = EncodeJpeg(7, 5);
  std::optional<ui::Picture> picture = ui::DecodeJpeg(bytes);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->width, 7);
  EXPECT_EQ(picture->height, 5);
  EXPECT_EQ(picture->rgb.size(), 7u * 5 * 3);
  std::string error;
  std::vector<std::uint8_t> garbage(100, 0x41);
  EXPECT_FALSE(ui::DecodeJpeg(garbage, &error).has_value());
  EXPECT_FALSE(error.empty());
  std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + 20);
  EXPECT_FALSE(ui::DecodeJpeg(cut).has_value());
  EXPECT_FALSE(ui::DecodeJpeg({}).has_value());
  EXPECT_FALSE(ui::LoadJpegFile("/nonexistent/x.jpg").has_value());
}

}  // namespace
}  // namespace ui_test
