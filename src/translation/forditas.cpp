#include "translation/forditas.h"

#include <string>

#include "shell/fo_form.h"
#include "shell/program.h"
#include "translation/forditas_layouts.h"
#include "translation/tool_pictures.h"

namespace translation {

namespace {

constexpr ui::Color kSteelBlue = ui::Bgr(31, 106, 152);
constexpr ui::Color kLime = ui::Bgr(0, 255, 0);

void SetTextColor(ui::Control& control, ui::Color color) {
  ui::Font font = control.GetFont();
  font.color = color;
  control.SetFont(font);
}

// The grid shows the three fields of a translation row; it never edits a cell.
void AddTranslationColumns(ui::DbGrid& grid) {
  grid.AddColumn({.field = "Kezdes", .title = "Kezdés", .width = 80});
  grid.AddColumn({.field = "Befejezes", .title = "Befejezés", .width = 80});
  grid.AddColumn({.field = "Szoveg", .title = "Szöveg", .width = 470});
  grid.SetTitles(true);
  grid.SetIndicator(true);
  grid.SetTabsBetweenCells(true);
}

}  // namespace

TForditas::TForditas(shell::Program& program) : Form(program.app, "Forditas"), program_(program) {
  SetCaption("Forditás");
  const WindowLayout& layout = TranslationLayout1024();
  SetBounds(0, 0, layout.width, layout.height);
  SetConstraints({.min_width = layout.width,
                  .max_width = layout.width,
                  .min_height = layout.height,
                  .max_height = layout.height});
  PlaceControls(layout);
  SetBorderStyle(ui::BorderStyle::kSingle);
  SetBorderIcons({.system_menu = true, .minimize = false, .maximize = false});
  SetPosition(ui::FormPosition::kScreenCenter);
  SetColor(kSteelBlue);
  SetAlphaBlendValue(210);

  dsE.SetDataSet(&cdsE);
  dsF.SetDataSet(&cdsF);

  // Source side.
  Efe.SetTabStop(false);
  cb1.SetCaption("Egyidejűség");
  SetTextColor(cb1, kLime);
  cb1.SetChecked(true);
  BitBtn2.SetHint("Felirat megnyitása");
  Esave.SetHint("Mentés");
  Esave.SetEnabled(false);
  BitBtn3.SetHint("Project megnyitása");
  Button8.SetCaption("|");
  Button8.SetVisible(false);
  Esorbe.SetHint("Sor beszúrása");
  Esorbe.SetEnabled(false);
  EsorDel.SetHint("Sor törlése");
  EsorDel.SetEnabled(false);
  BEell.SetCaption("E");
  BEell.SetHint("Felirat ellenőrzése");
  BEell.SetEnabled(false);
  EkerE.SetEnabled(false);
  BkerE.SetEnabled(false);
  EEszazalek.SetVisible(false);
  EEfm.SetVisible(false);
  Button1.SetCaption("Első sor");
  Button1.SetVisible(false);
  Racsef.SetDataSource(&dsE);
  AddTranslationColumns(Racsef);
  Racsef.SetPopupMenu(&Pef);
  Button2.SetCaption("Utolsó sor");
  Button2.SetVisible(false);
  Edit0.SetMaxLength(12);
  Edit1.SetMaxLength(12);
  for (ui::Edit* editor : {&Edit0, &Edit1, &Edit2})
    editor->SetVisible(false);

  // Translated side.
  Eff.SetTabStop(false);
  atlatszo2.SetCaption("Átlátszódás");
  SetTextColor(atlatszo2, kLime);
  BitBtn4.SetHint("Felirat megnyitása");
  Fsave.SetHint("Mentés");
  Fsave.SetEnabled(false);
  Button9.SetCaption("|");
  Button9.SetVisible(false);
  Fsorbe.SetHint("Sor beszúrása");
  Fsorbe.SetEnabled(false);
  FsorDel.SetHint("Sor törlése");
  FsorDel.SetEnabled(false);
  BFell.SetCaption("E");
  BFell.SetHint("Felirat ellenőrzése");
  BFell.SetEnabled(false);
  EkerF.SetEnabled(false);
  BkerF.SetEnabled(false);
  EFfm.SetVisible(false);
  Button4.SetCaption("Első sor");
  Button4.SetVisible(false);
  Racsff.SetDataSource(&dsF);
  AddTranslationColumns(Racsff);
  Racsff.SetPopupMenu(&Pff);
  for (ui::Edit* editor : {&Edit4, &Edit5, &Edit6})
    editor->SetVisible(false);
  Button5.SetCaption("Utolsó sor");
  Button5.SetVisible(false);
  EFszazalek.SetVisible(false);

  // The picture-only tool buttons of both sides.
  struct Tool {
    ui::BitBtn* button;
    ToolPicture picture;
  };
  for (const Tool& tool :
       {Tool{&BitBtn2, ToolPicture::kOpenSubtitle}, Tool{&BitBtn4, ToolPicture::kOpenSubtitle},
        Tool{&Esave, ToolPicture::kSave}, Tool{&Fsave, ToolPicture::kSave},
        Tool{&BitBtn3, ToolPicture::kOpenProject}, Tool{&Esorbe, ToolPicture::kInsertRow},
        Tool{&Fsorbe, ToolPicture::kInsertRow}, Tool{&EsorDel, ToolPicture::kDeleteRow},
        Tool{&FsorDel, ToolPicture::kDeleteRow}, Tool{&BkerE, ToolPicture::kSearch},
        Tool{&BkerF, ToolPicture::kSearch}}) {
    tool.button->SetGlyph(DrawToolPicture(tool.picture));
  }

  // Bottom row.
  Bfvissza.SetCaption("<<< Vissza");
  BfKilepes.SetCaption("Kilépés");
  ido1.SetCaption("ido");
  SetTextColor(ido1, kLime);

  // Menus: the save and search items wait for a loaded side; the style, insert, cut, copy
  // and paste items of the grid popups wait for rows.
  for (ui::MenuItem* item : {&Pem, &Pfm, &Pmm, &Kef, &kff})
    item->SetEnabled(false);
  const std::string dashes(47, '-');
  for (ui::MenuItem* line : {&N1, &N3}) {
    line->SetCaption(dashes);
    line->SetEnabled(false);
  }
  for (ui::MenuItem* item : {&DoltE, &VastagitottE, &AlahuzottE, &MindenE, &eleE, &MogeE, &KivagasE,
                             &MasolasE, &BeillesztesE, &DoltF, &VastagitottF, &AlahuzottF, &MindenF,
                             &EleF, &MogeF, &KivagasF, &MasolasF, &BeillesztesF}) {
    item->SetEnabled(false);
  }

  Timer1.SetInterval(1000);

  WireHandlers();
  Created();
}

}  // namespace translation
