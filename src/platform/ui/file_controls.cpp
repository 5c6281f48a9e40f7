#include "platform/ui/file_controls.h"

#include <algorithm>
#include <system_error>

#include "platform/text/text.h"
#include "platform/ui/application.h"

namespace ui {

namespace fs = std::filesystem;

namespace {

// '*' and '?' over bytes already folded to one letter case.
bool GlobMatch(std::string_view name, std::string_view pattern) {
  size_t n = 0;
  size_t p = 0;
  size_t star = std::string_view::npos;
  size_t resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*')
    ++p;
  return p == pattern.size();
}

std::string Trim(std::string_view s) {
  size_t b = 0;
  size_t e = s.size();
  while (b < e && s[b] == ' ')
    ++b;
  while (e > b && s[e - 1] == ' ')
    --e;
  return std::string(s.substr(b, e - b));
}

std::string Shown(const fs::path& name) {
  return text::Utf8ToCp1250(name.string());
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  std::string fa = text::FoldHungarianCapitals(a);
  std::string fb = text::FoldHungarianCapitals(b);
  if (fa != fb)
    return fa < fb;
  return a < b;
}

fs::path Normal(const fs::path& folder) {
  std::error_code ec;
  fs::path p = fs::absolute(folder, ec);
  if (ec)
    p = folder;
  p = p.lexically_normal();
  if (p.has_relative_path() && !p.has_filename())
    p = p.parent_path();
  return p;
}

// Whether `folder` lies in `place` (component by component).
bool Within(const fs::path& folder, const fs::path& place) {
  auto f = folder.begin();
  for (auto p = place.begin(); p != place.end(); ++p, ++f) {
    if (p->empty())
      continue;
    if (f == folder.end() || *f != *p)
      return false;
  }
  return true;
}

}  // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
  std::string folded = text::FoldHungarianCapitals(name);
  bool any_pattern = false;
  size_t start = 0;
  while (start <= mask.size()) {
    size_t end = mask.find(';', start);
    if (end == std::string_view::npos)
      end = mask.size();
    std::string pattern = Trim(mask.substr(start, end - start));
    start = end + 1;
    if (pattern.empty())
      continue;
    any_pattern = true;
    if (pattern == "*.*")
      return true;
    if (GlobMatch(folded, text::FoldHungarianCapitals(pattern)))
      return true;
  }
  return !any_pattern;
}

// ---- Drive box
// -----------------------------------------------------------------------------------

DriveComboBox::DriveComboBox(Control& parent, std::string name, Rect bounds)
    : ComboBox(parent, std::move(name), bounds) {
  SetStyle(ComboStyle::kDropDownList);
  SetPlaces(GetBackend().Places());
}

void DriveComboBox::SetPlaces(std::vector<desktop::Place> places) {
  places_ = std::move(places);
  std::vector<std::string> names;
  for (const desktop::Place& p : places_)
    names.push_back(p.name);
  SetItems(std::move(names));
  SetItemIndex(places_.empty() ? -1 : 0);
}

void DriveComboBox::RemovePlace(int index) {
  if (index < 0 || index >= static_cast<int>(places_.size()))
    return;
  fs::path selected = Drive() != nullptr ? Drive()->path : fs::path();
  int keep = ItemIndex();
  places_.erase(places_.begin() + index);
  std::vector<std::string> names;
  for (const desktop::Place& p : places_)
    names.push_back(p.name);
  SetItems(std::move(names));
  if (keep == index) {
    SetItemIndex(places_.empty() ? -1 : 0);
  } else {
    SetItemIndex(keep > index ? keep - 1 : keep);
  }
}

void DriveComboBox::RemovePlacesOfType(std::initializer_list<desktop::PlaceType> types) {
  for (int i = static_cast<int>(places_.size()) - 1; i >= 0; --i) {
    if (std::find(types.begin(), types.end(), places_[i].type) != types.end())
      RemovePlace(i);
  }
}

const desktop::Place* DriveComboBox::Drive() const {
  int i = ItemIndex();
  return i >= 0 && i < static_cast<int>(places_.size()) ? &places_[i] : nullptr;
}

void DriveComboBox::SetDirList(DirectoryListBox* list) {
  dir_list_ = list;
  if (list != nullptr)
    list->SetDriveBox(this);
}

void DriveComboBox::FollowFolder(const fs::path& folder) {
  int best = -1;
  size_t best_length = 0;
  for (size_t i = 0; i < places_.size(); ++i) {
    size_t length = places_[i].path.native().size();
    if (Within(folder, places_[i].path) && (best < 0 || length > best_length)) {
      best = static_cast<int>(i);
      best_length = length;
    }
  }
  if (best >= 0)
    SetItemIndex(best);
}

void DriveComboBox::SelectionChanged() {
  if (dir_list_ != nullptr && Drive() != nullptr)
    dir_list_->SetDirectory(Drive()->path);
}

// ---- Folder list
// ---------------------------------------------------------------------------------

DirectoryListBox::DirectoryListBox(Control& parent, std::string name, Rect bounds)
    : ListBox(parent, std::move(name), bounds) {}

bool DirectoryListBox::SetDirectory(const fs::path& folder) {
  fs::path p = Normal(folder);
  std::error_code ec;
  if (!fs::is_directory(p, ec))
    return false;
  bool changed = p != directory_;
  directory_ = p;
  Rebuild();
  if (file_list_ != nullptr)
    file_list_->SetDirectory(directory_);
  if (drive_box_ != nullptr)
    drive_box_->FollowFolder(directory_);
  if (changed && OnChange)
    OnChange();
  return true;
}

void DirectoryListBox::Update() {
  Rebuild();
}

void DirectoryListBox::Rebuild() {
  std::vector<std::string> items;
  paths_.clear();
  fs::path walked;
  for (const fs::path& part : directory_) {
    walked /= part;
    if (part.empty())
      continue;
    items.push_back(Shown(part));
    paths_.push_back(walked);
  }
  const int current = static_cast<int>(paths_.size()) - 1;
  std::vector<std::pair<std::string, fs::path>> subfolders;
  std::error_code ec;
  for (fs::directory_iterator it(directory_, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.')
      continue;
    std::error_code kind_error;
    if (!it->is_directory(kind_error))
      continue;
    subfolders.emplace_back(Shown(it->path().filename()), it->path());
  }
  std::sort(subfolders.begin(), subfolders.end(),
            [](const auto& a, const auto& b) { return LessIgnoringCase(a.first, b.first); });
  for (auto& [shown, path] : subfolders) {
    items.push_back(shown);
    paths_.push_back(path);
  }
  SetItems(std::move(items));
  SetItemIndex(current);
}

fs::path DirectoryListBox::ItemPath(int index) const {
  if (index < 0 || index >= static_cast<int>(paths_.size()))
    return {};
  return paths_[index];
}

void DirectoryListBox::OpenSelected() {
  fs::path p = ItemPath(ItemIndex());
  if (!p.empty())
    SetDirectory(p);
}

bool DirectoryListBox::WantsKey(Key key, ShiftState) const {
  return key == keys::kReturn;
}

void DirectoryListBox::DefaultChar(char ch) {
  if (ch == '\r')
    OpenSelected();
}

void DirectoryListBox::DefaultDblClick(int, int) {
  OpenSelected();
}

// ---- File list
// -----------------------------------------------------------------------------------

FileListBox::FileListBox(Control& parent, std::string name, Rect bounds)
    : ListBox(parent, std::move(name), bounds) {}

void FileListBox::SetDirectory(const fs::path& folder) {
  directory_ = Normal(folder);
  Update();
}

void FileListBox::SetMask(std::string_view mask) {
  mask_ = std::string(mask);
  Update();
}

void FileListBox::Update() {
  std::vector<std::pair<std::string, fs::path>> files;
  std::error_code ec;
  if (!directory_.empty()) {
    for (fs::directory_iterator it(directory_, ec), end; !ec && it != end; it.increment(ec)) {
      fs::path name = it->path().filename();
      std::string native = name.string();
      if (native.empty() || native[0] == '.')
        continue;
      std::error_code kind_error;
      if (!it->is_regular_file(kind_error))
        continue;
      std::string shown = Shown(name);
      if (!MatchesMask(shown, mask_))
        continue;
      files.emplace_back(std::move(shown), std::move(name));
    }
  }
  std::sort(files.begin(), files.end(),
            [](const auto& a, const auto& b) { return LessIgnoringCase(a.first, b.first); });
  std::vector<std::string> items;
  names_.clear();
  for (auto& [shown, name] : files) {
    items.push_back(std::move(shown));
    names_.push_back(std::move(name));
  }
  SetItems(std::move(items));
}

fs::path FileListBox::FileName() const {
  int i = ItemIndex();
  if (i < 0 || i >= static_cast<int>(names_.size()))
    return {};
  return directory_ / names_[i];
}

bool FileListBox::SelectFile(std::string_view name) {
  const text::LineList& items = Items();
  auto it = std::find(items.begin(), items.end(), name);
  if (it == items.end())
    return false;
  SetItemIndex(static_cast<int>(it - items.begin()));
  return true;
}

void FileListBox::UserSelected() {
  RunOnClick();
  if (OnChange)
    OnChange();
}

void FileListBox::DefaultWheel(int steps) {
  if (Count() == 0 || steps == 0)
    return;
  int target = std::clamp(ItemIndex() < 0 ? 0 : ItemIndex() - steps, 0, Count() - 1);
  if (target != ItemIndex())
    UserSelect(target);
}

// ---- Filter box
// ----------------------------------------------------------------------------------

FilterComboBox::FilterComboBox(Control& parent, std::string name, Rect bounds)
    : ComboBox(parent, std::move(name), bounds) {
  SetStyle(ComboStyle::kDropDownList);
  SetFilter("All files (*.*)|*.*");
}

void FilterComboBox::SetFilter(std::string_view filter) {
  filter_ = std::string(filter);
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= filter.size()) {
    size_t end = filter.find('|', start);
    if (end == std::string_view::npos)
      end = filter.size();
    parts.emplace_back(filter.substr(start, end - start));
    start = end + 1;
  }
  std::vector<std::string> descriptions;
  masks_.clear();
  for (size_t i = 0; i + 1 < parts.size() || (i < parts.size() && !parts[i].empty()); i += 2) {
    descriptions.push_back(parts[i]);
    masks_.push_back(i + 1 < parts.size() ? parts[i + 1] : std::string());
  }
  SetItems(std::move(descriptions));
  SetItemIndex(masks_.empty() ? -1 : 0);
  if (file_list_ != nullptr && ItemIndex() >= 0)
    file_list_->SetMask(Mask());
}

std::string FilterComboBox::Mask() const {
  int i = ItemIndex();
  return i >= 0 && i < static_cast<int>(masks_.size()) ? masks_[i] : std::string();
}

void FilterComboBox::SetFileList(FileListBox* list) {
  file_list_ = list;
  if (file_list_ != nullptr && ItemIndex() >= 0)
    file_list_->SetMask(Mask());
}

void FilterComboBox::SelectionChanged() {
  if (file_list_ != nullptr)
    file_list_->SetMask(Mask());
}

}  // namespace ui
