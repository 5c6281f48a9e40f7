// File controls: drive box (places), folder list, file list and filter box, tied together
// as the classic file windows tie them:
//
//   DriveComboBox1.SetDirList(&DirectoryListBox1);
//   DirectoryListBox1.SetFileList(&filelistbox);
//   FilterComboBox1.SetFileList(&filelistbox);
//   FilterComboBox1.SetFilter("Feliratok (*.srt,*.sub)|*.srt;*.sub");
//
// Paths are std::filesystem::path; the items shown are Windows-1250 texts.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop/places.h"
#include "platform/ui/lists.h"

namespace ui {

class DirectoryListBox;
class FileListBox;

// Whether a file name matches a mask of ';'-separated patterns with '*' and '?', ignoring
// letter case ("*.srt;*.sub"). An empty mask matches everything, as does "*.*".
bool MatchesMask(std::string_view name, std::string_view mask);

// The places of the system as a drop-down list (the backend supplies them; tests give
// fake removable or optical ones). Choosing one moves the folder list there.
class DriveComboBox : public ComboBox {
 public:
  DriveComboBox(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kDriveComboBox; }

  const std::vector<desktop::Place>& Places() const { return places_; }
  void SetPlaces(std::vector<desktop::Place> places);
  // Removes one place (the windows drop removable and optical ones).
  void RemovePlace(int index);
  // Drops every place of these types.
  void RemovePlacesOfType(std::initializer_list<desktop::PlaceType> types);
  const desktop::Place* Drive() const;
  // Ties the folder list to this box both ways.
  void SetDirList(DirectoryListBox* list);
  // Selects, without events, the place that holds `folder` (the longest matching path).
  void FollowFolder(const std::filesystem::path& folder);

 protected:
  void SelectionChanged() override;

 private:
  std::vector<desktop::Place> places_;
  DirectoryListBox* dir_list_ = nullptr;
};

// The folder tree: the folder's parents from the root, the folder, then its subfolders.
// A click selects an entry; a double click or Enter opens it (Directory changes, OnChange
// runs, the file list follows).
class DirectoryListBox : public ListBox {
 public:
  DirectoryListBox(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kDirectoryListBox; }

  const std::filesystem::path& Directory() const { return directory_; }
  // Moves to a folder (made absolute and normal); runs OnChange when it changed. A folder
  // that does not exist is refused (false).
  bool SetDirectory(const std::filesystem::path& folder);
  // The folder of an entry; empty outside the list.
  std::filesystem::path ItemPath(int index) const;
  void SetFileList(FileListBox* list) { file_list_ = list; }
  void SetDriveBox(DriveComboBox* box) { drive_box_ = box; }
  // Opens the selected entry.
  void OpenSelected();
  // Reads the subfolders again.
  void Update();

  std::function<void()> OnChange;

  void DefaultChar(char ch) override;
  bool WantsKey(Key key, ShiftState shift) const override;
  void DefaultDblClick(int x, int y) override;

 private:
  void Rebuild();
  std::filesystem::path directory_;
  std::vector<std::filesystem::path> paths_;
  FileListBox* file_list_ = nullptr;
  DriveComboBox* drive_box_ = nullptr;
};

// The plain (not hidden) files of a folder that match the mask, sorted by name. OnClick
// runs on every change of selection by the user (mouse, keys or wheel).
class FileListBox : public ListBox {
 public:
  FileListBox(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kFileListBox; }

  const std::filesystem::path& Directory() const { return directory_; }
  void SetDirectory(const std::filesystem::path& folder);  // re-reads
  const std::string& Mask() const { return mask_; }
  void SetMask(std::string_view mask);  // re-reads
  // Re-reads the folder; the selection is cleared (OnChange does not run).
  void Update();
  // Full path of the selected file; empty when none is selected.
  std::filesystem::path FileName() const;
  // Selects the file with this name (by code, runs nothing); false when not listed.
  bool SelectFile(std::string_view name);

  std::function<void()> OnChange;

  void DefaultWheel(int steps) override;

 protected:
  // OnClick, then OnChange.
  void UserSelected() override;

 private:
  std::filesystem::path directory_;
  std::string mask_ = "*.*";
  std::vector<std::filesystem::path> names_;  // native file names, in item order
};

// "description|mask|description|mask": the descriptions are the items; choosing one
// sets the file list's mask.
class FilterComboBox : public ComboBox {
 public:
  FilterComboBox(Control& parent, std::string name, Rect bounds = {});
  ControlKind Kind() const override { return ControlKind::kFilterComboBox; }

  const std::string& Filter() const { return filter_; }
  // Rebuilds the items, selects the first and gives its mask to the file list.
  void SetFilter(std::string_view filter);
  // The mask of the selected entry ("" when none).
  std::string Mask() const;
  void SetFileList(FileListBox* list);

 protected:
  void SelectionChanged() override;

 private:
  std::string filter_;
  std::vector<std::string> masks_;
  FileListBox* file_list_ = nullptr;
};

}  // namespace ui
