#include "editor/torles_tobb.h"

#include "shell/program.h"

namespace editor {

TTorlesTobb::TTorlesTobb(shell::Program& program)
    : Form(program.app, "TorlesTobb"), program_(program) {
  SetCaption("Több sor törlése");
  SetBounds(0, 0, 260, 160);
  SetPosition(ui::FormPosition::kScreenCenter);

  Label1.SetCaption("Kérem adja meg a törlendő sorok adatait:");
  Label2.SetCaption("Kezdő sor:");
  SPelso.SetMaxLength(5);
  Label3.SetCaption("Utolsó törlendő sor:");
  Btorles.SetCaption("Törlés");
  Button1.SetCaption("<<< Vissza");
  Created();
}

}  // namespace editor
