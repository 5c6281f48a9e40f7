// The check and save words of `translate`: each runs the translation window's handler of the
// same name, a save of the source or the translation written to the path given.
#include <filesystem>
#include <string>

#include "files/fileneve.h"
#include "formats/document_path.h"
#include "platform/ui/headless/driver.h"
#include "probe/probe.h"
#include "shell/program.h"
#include "translation/forditas.h"
#include "translation/rows/side_write.h"
#include "translation/side_busy.h"

namespace probe {

namespace {

namespace fs = std::filesystem;

// The source is saved back to the file its path box names: PATH takes that place.
void PutSourcePath(translation::TForditas& window, const fs::path& path) {
  window.SourcePath = files::ShownPath(path);
  window.Efe.SetText(window.SourcePath.Text());
}

// A translation with a file is saved back to it: PATH takes that place (--cancel keeps it). One
// without asks for a name: PATH's folder and its name without the extension (the window adds
// the one of the translation's mode), or "Mégsem" for --cancel.
void PutTranslationPath(shell::Program& program, ui::headless::Driver& driver,
                        const std::string& argument) {
  translation::TForditas& window = *program.Forditas;
  const bool cancel = argument == "--cancel";
  if (!window.Eff.Text().empty()) {
    if (!cancel) {
      window.TranslationPath = files::ShownPath(fs::path(argument));
      window.Eff.SetText(window.TranslationPath.Text());
    }
    return;
  }
  // The window shows only when the check passes and no question about a partial side (which
  // the probe answers "Mégsem") stops the save first.
  if (window.TranslationPartial ||
      !translation::rows::CheckSideRows(translation::RowsOfSide(window.cdsF), window.EFfm.Text())
           .ok) {
    return;
  }
  const fs::path path = cancel ? fs::path() : fs::absolute(fs::path(argument));
  driver.OnModal("Fileneve", [&driver, &program, path, cancel] {
    files::TFileneve& names = *program.Fileneve;
    if (cancel) {
      driver.Click(names.Button1);
      return;
    }
    names.dlb.SetDirectory(path.parent_path());
    driver.Focus(names.e1);
    driver.Type(files::TextOfPath(path.stem()));
    if (!driver.Click(names.Bok))
      driver.Click(names.Button1);
  });
}

}  // namespace

bool RunTranslateSaveWord(shell::Program& program, ui::headless::Driver& driver,
                          std::span<const std::string> arguments, std::size_t& i, bool& known,
                          std::string& error) {
  translation::TForditas& window = *program.Forditas;
  const std::string& word = arguments[i];
  known = true;
  auto argument = [&](std::string& value) {
    if (i + 1 >= arguments.size()) {
      error = word + " needs a PATH";
      return false;
    }
    value = arguments[++i];
    return true;
  };
  std::string path;
  if (word == "check-source") {
    window.BEellClick();
  } else if (word == "check-translation") {
    window.BFellClick();
  } else if (word == "save-source") {
    if (!argument(path))
      return false;
    PutSourcePath(window, path);
    window.EsaveClick();
  } else if (word == "save-translation") {
    if (!argument(path))
      return false;
    PutTranslationPath(program, driver, path);
    window.FsaveClick();
  } else if (word == "save-both") {
    std::string translation_path;
    if (!argument(path) || !argument(translation_path))
      return false;
    PutSourcePath(window, path);
    PutTranslationPath(program, driver, translation_path);
    window.PmmClick();
  } else {
    known = false;
  }
  return true;
}

}  // namespace probe
