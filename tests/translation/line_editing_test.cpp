// The line editors' rules without a window: where a typed character goes, the key filter of the
// start and end editors, the checks before a value is stored and the coupled record number.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "translation/rows/line_editing.h"

namespace {

using translation::rows::CheckStoredValue;
using translation::rows::CoupledRecNo;
using translation::rows::FilterTimeEditorKey;
using translation::rows::RedirectTarget;

TEST(TranslationRedirect, TheColumnAndTheSideModeDecideWhichEditorTakesATypedCharacter) {
  struct Case {
    int column;
    char ch;
    const char* mode;
    std::optional<int> editor;
  };
  const std::vector<Case> cases = {
      {0, '1', "Time", 0},
      {0, 'a', "Time", std::nullopt},
      {1, ':', "Time", 1},
      {1, ',', "Time", 1},
      {0, ':', "Frame", std::nullopt},
      {0, '5', "Frame", 0},
      {1, ',', "", std::nullopt},
      {1, '7', "", 1},
      {2, 'a', "Time", 2},
      {2, ':', "Frame", 2},
      {2, '\xE1', "Time", 2},
      {2, '\t', "Time", std::nullopt},
      {2, '\b', "Time", std::nullopt},
      {4, '1', "Time", std::nullopt},
      {0, '\0', "Time", 0},
      {2, '\0', "Frame", 2},
      {4, '\0', "Time", std::nullopt},
      {3, 'a', "Time", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.column) + " '" + c.ch + "' " + c.mode);
    EXPECT_EQ(RedirectTarget(c.column, c.ch, c.mode), c.editor);
  }
}

TEST(TranslationRedirect, TheTimeEditorsFilterKeysByTheSideMode) {
  struct Case {
    char key;
    const char* mode;
    char received;
  };
  const std::vector<Case> cases = {
      {'1', "Time", '1'}, {':', "Time", ':'},  {'a', "Time", 27},     {'\b', "Time", '\b'},
      {':', "Frame", 27}, {'9', "Frame", '9'}, {'\b', "Frame", '\b'}, {'a', "", 'a'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.key) + " " + c.mode);
    EXPECT_EQ(FilterTimeEditorKey(c.key, c.mode), c.received);
  }
}

TEST(TranslationStore, AValueIsStoredOnlyWhenItPassesTheCheckOfItsColumn) {
  struct Case {
    int column;
    std::string text;
    const char* mode;
    bool ok;
    std::string message;  // line 1 of the refusal
  };
  const std::vector<Case> cases = {
      {0, "00:00:01,000", "Time", true, ""},
      {1, "23:59:59,999", "Time", true, ""},
      {1, "250", "Frame", true, ""},
      {0, "0", "Frame", true, ""},
      {2, std::string(220, 'x'), "Time", true, ""},
      {2, "", "Frame", true, ""},
      {0, "1234567890123", "Frame", false, "A beírt érték hosszabb 12 karakternél!"},
      {2, std::string(221, 'x'), "Time", false, "A beírt szöveg hosszabb 220 karakternél!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.column) + " " + c.text.substr(0, 20) + " " + c.mode);
    const timecode::Check check = CheckStoredValue(c.column, c.text, c.mode);
    EXPECT_EQ(check.ok, c.ok);
    ASSERT_EQ(check.notice.has_value(), !c.ok);
    if (!c.message.empty()) {
      EXPECT_EQ(check.notice->line1, c.message);
      EXPECT_EQ(check.notice->line2, "A sor nem változott.");
    }
  }
  // The time and frame checks of the timecode library decide the rest, with their messages.
  for (const auto& [text, mode] :
       std::vector<std::pair<const char*, const char*>>{{"00:61:00,000", "Time"},
                                                        {"00:00:01", "Time"},
                                                        {"0250", "Frame"},
                                                        {"", "Frame"},
                                                        {"12:00", ""}}) {
    SCOPED_TRACE(std::string(text) + " " + mode);
    const timecode::Check check = CheckStoredValue(0, text, mode);
    EXPECT_FALSE(check.ok);
    EXPECT_TRUE(check.notice.has_value());
  }
}

TEST(TranslationCoupling, TheOtherTableFollowsOnlyToARowItHas) {
  struct Case {
    int rec_no;
    int other_count;
    bool follows;
    std::optional<int> moves_to;
  };
  const std::vector<Case> cases = {
      {3, 10, true, 3},           {10, 10, true, 10},
      {3, 2, true, std::nullopt}, {3, 10, false, std::nullopt},
      {1, 0, true, std::nullopt}, {0, 5, true, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.rec_no) + " of " + std::to_string(c.other_count));
    EXPECT_EQ(CoupledRecNo(c.rec_no, c.other_count, c.follows), c.moves_to);
  }
}

}  // namespace
