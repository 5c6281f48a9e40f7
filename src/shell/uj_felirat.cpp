#include "shell/uj_felirat.h"

#include "shell/program.h"

namespace shell {

TUjFelirat::TUjFelirat(shell::Program& program)
    : Form(program.app, "UjFelirat"), program_(program) {
  SetCaption("Új felirat készítése");
  SetBounds(0, 0, 475, 155);
  SetConstraints({.min_width = 475, .max_width = 475, .min_height = 155, .max_height = 155});
  SetPosition(ui::FormPosition::kScreenCenter);

  Label1.SetCaption("Válasszon egyet:");
  Button1.SetCaption("Másodperc alapú (.srt)");
  Button2.SetCaption("Képkocka alapján (.sub)");
  Button3.SetCaption("Vissza");

  Created();
}

}  // namespace shell
