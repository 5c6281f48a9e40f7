// The shared state words and globals through which the windows hand control to each other.
//
// Every window reads and writes these through the one Program object; nothing here is
// stored between runs. The state words are compared exactly (case-sensitive); their words
// are the constants of shell/state_words.h.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "formats/document_path.h"
#include "platform/base/scope.h"
#include "shell/state_words.h"

namespace shell {

struct SharedState {
  // "be", "be2", "vissza", "ki", "For", "felvitt".
  std::string StartState;
  // "megnyitas", "uj", "mas", "2cd1cd", "22".
  std::string OpenMode;
  // "1280x1024", "1024x768", "800x600", "kicsi", or empty (at least 800 wide, under 600 high).
  std::string ScreenLayout;
  // "Felirat", "Forditas1", "Forditas2", "Eredeti", "Forditott".
  std::string OpenPurpose;
  // "ki", "megnyit", "vissza".
  std::string OpenWindowResult;
  // A mode word before a question ("semmit", "felulir", "felbontas", "torol",
  // "hozzarendeles", "mentes2"), the answer after it ("igen", "nem", "mentes3", "nemlepki").
  std::string DialogReply;
  // 1 exactly while the subtitle is being saved after "Igen" to the exit question (see
  // ExitSaveScope); the message window then keeps back only the confirmation of a successful
  // save, never an error or a question.
  bool ExitSaveInProgress = false;
  // "Felirat", "Forditas", "dupla", "MentesMaskent".
  std::string FileDialogCaller;
  // 1 from the file-name window's activation until its OK.
  bool FileDialogPending = false;
  // "1": the main text; "2": the second text.
  std::string TextSlot;
  // "Frame" or "Time": the form the stored row values are in; empty at start.
  std::string CurrentTimeBase;
  // "FPS" or "megnyitas".
  std::string AviPurpose;
  // 1: a file was chosen and the open driver may read it.
  bool FileChosen = false;
  // 1: an empty translation is built beside the source being loaded.
  bool BuildEmptyTranslation = false;
  // 1 while code changes rows or controls.
  bool InternalUpdate = false;
  // Subtitle path from the command line, in the system's own bytes.
  std::filesystem::path StartFile;

  // The document path: the real paths the files are read from and written to, and the file
  // names as the name box shows them (Windows-1250 texts).
  files::ShownPath CurrentFilePath;
  std::string CurrentFileName;
  files::ShownPath CurrentDirectory;
  files::ShownPath SecondFilePath;
  std::string SecondFileName;

  // Detail line of a read failure.
  std::string ReadErrorDetail;
  // The program's own cut/copy/paste buffer of row texts.
  std::string TextClipboard;

  int32_t LongLineRowCount = 0;
  int32_t ManyLineRowCount = 0;
  int32_t SecondTextRowCount = 0;
  // Lengths of lines 1-5 of the text last measured (0 for an absent line).
  std::array<uint8_t, 5> LineLengths{};
};

// Raises InternalUpdate for the lifetime of the guard and puts back what it found.
class InternalUpdateGuard {
 public:
  explicit InternalUpdateGuard(SharedState& state) : raised_(state.InternalUpdate, true) {}

 private:
  base::ValueRestorer<bool> raised_;
};

// Raises InternalUpdate for the lifetime of the scope and lowers it when the scope ends,
// whatever it was found at. A command uses it where the tables' data-change coupling must be
// live again afterwards, also when an earlier window left the flag raised: the translation
// window's loads, checks, saves, stores from a line editor and typing hand-overs. (A typing
// hand-over started inside a store, whose Edit starts it, lowers the flag before the store's
// post, so that the post shows the stored row in the source side's editors and drags the
// translation along.)
class InternalUpdateEndsLowered {
 public:
  explicit InternalUpdateEndsLowered(SharedState& state) : state_(state) {
    state_.InternalUpdate = true;
  }
  ~InternalUpdateEndsLowered() { state_.InternalUpdate = false; }
  InternalUpdateEndsLowered(const InternalUpdateEndsLowered&) = delete;
  InternalUpdateEndsLowered& operator=(const InternalUpdateEndsLowered&) = delete;

 private:
  SharedState& state_;
};

// Raises ExitSaveInProgress for the save on exit and lowers it when the save is over, however
// it ends (the exit question lowers it before it is asked, so the scope always finds it low).
class ExitSaveScope {
 public:
  explicit ExitSaveScope(SharedState& state) : raised_(state.ExitSaveInProgress, true) {}

 private:
  base::ValueRestorer<bool> raised_;
};

}  // namespace shell
