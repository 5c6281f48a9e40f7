#include "editor/fps_valtas.h"

#include "editor/frame_rates.h"
#include "shell/program.h"

namespace editor {

TFpsValtas::TFpsValtas(shell::Program& program)
    : Form(program.app, "FpsValtas"), program_(program) {
  SetCaption("Fps átváltása");
  SetBounds(0, 0, 380, 160);
  SetPosition(ui::FormPosition::kScreenCenter);

  Label1.SetCaption("Adja meg, hogy milyen FPS-ről milyen FPS-re akar áttérni:");
  cb1.SetItems(StandardFrameRates());
  Button1.SetCaption("Végrehajt");
  Button2.SetCaption("<<< Vissza");
  Created();
}

}  // namespace editor
