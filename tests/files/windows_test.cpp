// What the open, file-name, export and join windows are made of, as the program creates them.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "files/cd2cd1.h"
#include "files/ertek2cd.h"
#include "files/fileneve.h"
#include "files/kereses.h"
#include "files/mentes_maskent.h"
#include "formats/export_formats.h"
#include "platform/ui/headless/driver.h"
#include "shell/program.h"
#include "support/expect_controls.h"

namespace {

using ui::ControlKind;

using test_support::ExpectControls;

struct Windows {
  ui::headless::Driver drv;
  shell::Program program{drv.App(), shell::ProgramOptions{}};
};

TEST(FilesWindows, HaveTheirCaptionsSizesAndBorders) {
  Windows w;
  struct ExpectedForm {
    const ui::Form& form;
    std::string_view caption;
    int width;
    int height;
    bool fixed_size;
    bool close_box;
  };
  const shell::Program& p = w.program;
  const std::vector<ExpectedForm> table = {
      {*p.Kereses, "Felirat megnyitása", 580, 539, true, false},
      {*p.Fileneve, "File nevének megadása", 557, 424, true, true},
      {*p.MentesMaskent, "Mentés másként", 554, 278, true, true},
      {*p.Cd2cd1, "File-ok kiválasztása", 560, 480, false, false},
      {*p.Ertek2cd, "Kezdő érték és a File nevének megadása", 600, 230, false, false},
  };
  for (const ExpectedForm& want : table) {
    SCOPED_TRACE(want.form.Name());
    EXPECT_EQ(want.form.Caption(), want.caption);
    EXPECT_EQ(want.form.Width(), want.width);
    EXPECT_EQ(want.form.Height(), want.height);
    const ui::SizeConstraints pinned{want.width, want.width, want.height, want.height};
    EXPECT_EQ(want.form.Constraints() == pinned, want.fixed_size);
    EXPECT_EQ(want.form.HasCloseBox(), want.close_box);
    EXPECT_EQ(want.form.Position(), ui::FormPosition::kScreenCenter);
    EXPECT_FALSE(want.form.Visible());
  }
  EXPECT_TRUE(p.Kereses->StayOnTop());
  EXPECT_EQ(p.MentesMaskent->GetBorderIcons(),
            (ui::BorderIcons{.system_menu = true, .minimize = true, .maximize = false}));
  EXPECT_EQ(p.MentesMaskent->GetColor(), ui::Bgr(31, 107, 152));
}

TEST(FilesWindows, DeclareTheirControls) {
  Windows w;
  const shell::Program& p = w.program;
  ExpectControls(
      *p.Kereses,
      {
          {"DirectoryListBox1", ControlKind::kDirectoryListBox, "", true, true},
          {"filelistbox", ControlKind::kFileListBox, "", true, true},
          {"FilterComboBox1", ControlKind::kFilterComboBox, "Feliratok (*.srt,*.sub)", true, true},
          {"e1", ControlKind::kEdit, "", true, true},
          {"megnyitas", ControlKind::kButton, "Megnyitás", false, true},
          {"Button1", ControlKind::kButton, "<<< Vissza", true, true},
      });
  ExpectControls(*p.Fileneve,
                 {
                     {"dlb", ControlKind::kDirectoryListBox, "", true, true},
                     {"flb", ControlKind::kFileListBox, "", true, true},
                     {"fcb", ControlKind::kFilterComboBox, "All files (*.srt;*.sub)", true, true},
                     {"e1", ControlKind::kEdit, "", true, true},
                     {"Bok", ControlKind::kButton, "Ok", false, true},
                     {"Button1", ControlKind::kButton, "<<< Vissza", true, true},
                 });
  ExpectControls(*p.MentesMaskent, {
                                       {"Label1", ControlKind::kLabel,
                                        "Dupla kattintás a kiválasztandó formátumra:", true, true},
                                       {"Lista", ControlKind::kListView, "", true, true},
                                       {"Button1", ControlKind::kButton, "<<< Vissza", true, true},
                                   });
  ExpectControls(*p.Cd2cd1,
                 {
                     {"Label3", ControlKind::kLabel,
                      "Dupla kattintással válassza ki a file-okat:", true, true},
                     {"filelistbox", ControlKind::kFileListBox, "", true, true},
                     {"FilterComboBox1", ControlKind::kFilterComboBox, "Srt (*.srt)", true, true},
                     {"Label1", ControlKind::kLabel, "Az első file:", true, true},
                     {"Eelsofile", ControlKind::kEdit, "", true, true},
                     {"Label2", ControlKind::kLabel, "A második file:", true, true},
                     {"Emasodikfile", ControlKind::kEdit, "", true, true},
                     {"Bervenyesit", ControlKind::kButton, "Érvényesítés", false, true},
                     {"Button2", ControlKind::kButton, "<<< Vissza", true, true},
                 });
  ExpectControls(
      *p.Ertek2cd,
      {
          {"Label3", ControlKind::kLabel,
           "(Ha pl. az 1.cd utolsó értéke:01:00:00,000 akkor a 2.cd kezdő értéke "
           "lehet: 01:00:01,000)",
           true, true},
          {"Edit2", ControlKind::kEdit, "", true, true},
          {"Edit4", ControlKind::kEdit, "", true, false},
          {"Label4", ControlKind::kLabel, "Kérem adja meg a keletkező file nevét:", true, true},
          {"E2cdfilenev", ControlKind::kEdit, "", true, true},
          {"Btalloz", ControlKind::kButton, "Tallozás", true, true},
          {"B2ervenyesit", ControlKind::kButton, "Érvényesít", false, true},
      });
}

TEST(FilesWindows, FileListsStartWithTheirMasksAndFilters) {
  Windows w;
  const shell::Program& p = w.program;
  EXPECT_EQ(p.Kereses->filelistbox.Mask(), "*.srt;*.sub");
  EXPECT_TRUE(p.Kereses->e1.ReadOnly());
  EXPECT_EQ(p.Fileneve->flb.Mask(), "*.srt;*.sub");
  EXPECT_EQ(p.Cd2cd1->filelistbox.Mask(), "*.srt");
  EXPECT_EQ(p.Cd2cd1->FilterComboBox1.Items(),
            (std::vector<std::string>{"Srt (*.srt)", "Sub (*.sub)"}));
  EXPECT_EQ(p.Ertek2cd->Edit2.MaxLength(), 12);
}

TEST(ExportWindow, ListsThe56FormatsInOrderWithTheOneIcon) {
  Windows w;
  const ui::ListView& list = w.program.MentesMaskent->Lista;
  ASSERT_EQ(list.Items().size(), 56u);
  std::vector<std::string> captions;
  for (const ui::ListView::Item& item : list.Items()) {
    captions.push_back(item.caption);
    EXPECT_EQ(item.image_index, 0);
  }
  std::vector<std::string> formats;
  for (const files::ExportFormat& format : files::ExportFormats()) {
    formats.emplace_back(format.caption);
  }
  EXPECT_EQ(captions, formats);
  EXPECT_EQ(captions.front(), "Adobe Encore DVD");
  EXPECT_EQ(captions[46], "SubRip");
  EXPECT_EQ(captions.back(), "ZeroG");
  EXPECT_EQ(list.ItemIndex(), -1);
}

}  // namespace
