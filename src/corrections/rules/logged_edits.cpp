#include "corrections/rules/logged_edits.h"

#include "platform/text/text.h"

namespace corrections {

namespace {

// Runs one logged edit: the entry's first lines with the text before, the edit, the count
// and the "Mire" line with the text after. An edit that would overfill the row is undone and
// leaves no entry.
template <typename Edit>
bool Logged(WorkingText& working, std::string_view label, Edit edit) {
  const std::size_t size_before = working.text.size();
  ChangeList* list = working.list;
  std::string kept;  // the text before, when no entry keeps it
  if (list != nullptr)
    LogRowChange(*list, EntryKind::kChanged, working.row, working.text);
  else
    kept = working.text;
  edit(working.text);
  if (working.text.size() > size_before && text::Length(working.text) > kRowTextLimit) {
    if (list != nullptr) {
      constexpr std::size_t kBeforePrefix = std::string_view("Miből: ").size();
      working.text = list->back().substr(kBeforePrefix);
      list->resize(list->size() - 3);
    } else {
      working.text = std::move(kept);
    }
    return false;
  }
  working.changed = true;
  ++working.findings;
  if (list != nullptr) {
    list->push_back(label, working.text);
  }
  return true;
}

void DeleteWithBlank(std::string& s, int pos, int count) {
  text::Delete(s, pos, count);
  if (!s.empty()) {
    const char now = text::CharAt(s, pos);
    if (now == ' ' || now == '|')
      text::Delete(s, pos, 1);
  }
}

void ReplaceAt(std::string& s, int pos, char ch) {
  if (pos >= 1 && pos <= text::Length(s))
    s[static_cast<std::size_t>(pos - 1)] = ch;
}

}  // namespace

char CharAt(const WorkingText& working, int pos) {
  return text::CharAt(working.text, pos);
}

int Find(const WorkingText& working, std::string_view pattern) {
  return text::Pos(pattern, working.text);
}

bool EndsText(const WorkingText& working, int pos, int length) {
  return pos >= 1 && pos + length - 1 == text::Length(working.text);
}

bool LoggedDeleteChar(WorkingText& working, int pos) {
  return Logged(working, kAfterLabel, [pos](std::string& s) { text::Delete(s, pos, 1); });
}

bool LoggedReplaceChar(WorkingText& working, int pos, char ch) {
  return Logged(working, kAfterLabel, [pos, ch](std::string& s) { ReplaceAt(s, pos, ch); });
}

bool LoggedReplaceCharAddBlank(WorkingText& working, int pos, char ch) {
  return Logged(working, kAfterLabel, [pos, ch](std::string& s) {
    ReplaceAt(s, pos, ch);
    text::Insert(" ", s, pos + 1);
  });
}

bool LoggedInsertBlank(WorkingText& working, int pos) {
  return Logged(working, kAfterLabel, [pos](std::string& s) { text::Insert(" ", s, pos); });
}

bool LoggedDeleteSpan(WorkingText& working, int pos, int count) {
  return Logged(working, kAfterLabel,
                [pos, count](std::string& s) { text::Delete(s, pos, count); });
}

bool LoggedDeleteSpanWithBlank(WorkingText& working, int pos, int count) {
  return Logged(working, kAfterLabel,
                [pos, count](std::string& s) { DeleteWithBlank(s, pos, count); });
}

bool DeleteSpanWithBlank(WorkingText& working, int pos, int count) {
  DeleteWithBlank(working.text, pos, count);
  working.changed = true;
  return true;
}

bool LoggedReplaceSpan(WorkingText& working, int pos, int count, std::string_view replacement) {
  return Logged(working, kAfterLabel, [pos, count, replacement](std::string& s) {
    text::Delete(s, pos, count);
    text::Insert(replacement, s, pos);
  });
}

bool LoggedDeleteCharTidy(WorkingText& working, int pos) {
  return Logged(working, kAfterLabel, [pos](std::string& s) {
    text::Delete(s, pos, 1);
    if (s.empty())
      return;
    if (text::CharAt(s, pos) == ' ')
      text::Delete(s, pos, 1);
    if (pos > 1 && text::Length(s) == pos - 1 && s.back() == '|')
      s.pop_back();
  });
}

bool LoggedDeleteDots(WorkingText& working, int pos) {
  return Logged(working, kAfterLabel, [pos](std::string& s) {
    int end = pos;
    while (text::CharAt(s, end) == '.')
      ++end;
    text::Delete(s, pos, end - pos);
  });
}

bool MoveDashToNextLine(WorkingText& working, int pos) {
  return Logged(working, kAfterLabel, [pos](std::string& s) {
    ReplaceAt(s, pos, '|');
    ReplaceAt(s, pos + 2, ' ');
  });
}

bool ApplyLineBreakAt(WorkingText& working, std::string_view text, int pos) {
  ++working.findings;
  if (working.list != nullptr)
    LogRowChange(*working.list, EntryKind::kChanged, working.row, text);
  std::string broken(text);
  ReplaceAt(broken, pos, '|');
  if (working.list != nullptr)
    working.list->push_back(kAfterLabelWide, broken);
  working.text = std::move(broken);
  working.changed = true;
  return true;
}

void LoggedDeleteRow(WorkingText& working) {
  if (working.list != nullptr)
    LogRowChange(*working.list, EntryKind::kDeleted, working.row, working.text);
  working.changed = true;
  ++working.findings;
  working.text.clear();
  working.row_deleted = true;
}

LineLengths MeasureLines(std::string_view text) {
  LineLengths lengths{};
  if (text.empty())
    return lengths;
  int k = 0;
  int length = 0;
  for (const char c : text) {
    if (c == '|') {
      ++k;
      if (k <= 5)
        lengths[static_cast<std::size_t>(k - 1)] = length;
      length = 0;
    } else {
      ++length;
    }
  }
  if (k <= 4)
    lengths[static_cast<std::size_t>(k)] = length;
  return lengths;
}

bool HasExactlyTwoLines(const LineLengths& lengths) {
  return lengths[0] != 0 && lengths[1] != 0 && lengths[2] == 0 && lengths[3] == 0 &&
         lengths[4] == 0;
}

}  // namespace corrections
