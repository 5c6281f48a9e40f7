// The film of the program without a player (vemkovn): the editor is made and laid out as with
// a player, and every film command the editor can reach leaves the subtitle as it was.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/row_command_rig.h"
#include "shell/rig.h"

namespace film {
namespace {

using editor::testing::RowCommandRig;
namespace field = dataset::subtitle_field;

const std::vector<editor::testing::Row> kRows = {
    {"00:00:01,000", "00:00:02,000", "Egy"},
    {"00:00:03,000", "00:00:04,000", "Kettő"},
};

TEST(NullFilm, TheEditorIsMadeWholeWithoutAPlayer) {
  RowCommandRig rig("Time", kRows, shell::testing::WithoutFilmPlayer());
  editor::TFelirat& f = rig.editor();
  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_TRUE(rig.Messages().empty());
  // Laid out for the 1280x1024 screen, without the film menu and the film area.
  EXPECT_EQ(f.Width(), 1038);
  EXPECT_FALSE(f.MenuFilm.Visible());
  EXPECT_FALSE(f.wmp1.Visible());
  EXPECT_FALSE(f.GBAdatok.Visible());
  EXPECT_EQ(f.film_parts, nullptr);
}

// With a player these commands write times into the rows and mark the subtitle modified;
// without one nothing changes and no window opens.
TEST(NullFilm, FilmCommandsLeaveTheSubtitleAsItWas) {
  struct Case {
    const char* name;
    std::function<void(RowCommandRig&)> run;
  };
  const std::vector<Case> cases = {
      {"the grid's double click",
       [](RowCommandRig& rig) { rig.driver.DoubleClick(rig.editor().racs); }},
      {"start from the film", [](RowCommandRig& rig) { rig.editor().BeKezdoErClick(); }},
      {"end from the film", [](RowCommandRig& rig) { rig.editor().BeBefejezoErClick(); }},
      {"end and next start from the film",
       [](RowCommandRig& rig) { rig.editor().SBkezdbefejezClick(); }},
      {"play, pause, one second back",
       [](RowCommandRig& rig) {
         rig.editor().SBplayClick();
         rig.editor().SBpauseClick();
         rig.editor().SBvissza1mpClick();
       }},
      {"a row back and on",
       [](RowCommandRig& rig) {
         rig.editor().SBeloreClick();
         rig.editor().SBvisszaClick();
       }},
      {"open, describe, show, close",
       [](RowCommandRig& rig) {
         rig.editor().BfilmClick();
         rig.editor().FilminfoClick();
         rig.editor().FshowClick();
         rig.editor().FbezarClick();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RowCommandRig rig("Time", kRows, shell::testing::WithoutFilmPlayer());
    editor::TFelirat& f = rig.editor();
    f.cds.SetRecNo(2);
    c.run(rig);
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_TRUE(rig.Messages().empty());
    EXPECT_EQ(f.cds.RecordCount(), 2);
    EXPECT_EQ(f.cds.RecNo(), 2);
    EXPECT_EQ(rig.Column(field::kKezdes),
              (std::vector<std::string>{"00:00:01,000", "00:00:03,000"}));
    EXPECT_EQ(rig.Column(field::kBefejezes),
              (std::vector<std::string>{"00:00:02,000", "00:00:04,000"}));
    EXPECT_FALSE(f.Bmentes.Enabled());
    EXPECT_FALSE(f.wmp1.Visible());
  }
}

}  // namespace
}  // namespace film
