// The editor window's controls as the window starts: captions, hints, shortcuts, the grid's
// columns and what is enabled or shown.
#include "editor/felirat_form.h"

#include "editor/rules/frame_rates.h"
#include "shell/program.h"
#include "timecode/time_base.h"

namespace editor {

namespace {

constexpr ui::ShortCut Plain(ui::Key key) {
  return ui::MakeShortCut(key);
}
constexpr ui::ShortCut Ctrl(ui::Key key) {
  return ui::MakeShortCut(key, ui::kCtrl);
}
constexpr ui::ShortCut CtrlShift(ui::Key key) {
  return ui::MakeShortCut(key, ui::ShiftState::kCtrl | ui::ShiftState::kShift);
}

constexpr ui::Color kEditorColor = 9988639;  // red 31, green 106, blue 152
constexpr int kEditorAlpha = 110;

}  // namespace

FeliratForm::FeliratForm(shell::Program& program)
    : Form(program.app, "Felirat"), program_(program) {
  SetUpWindow();
  SetUpMenus();
  SetUpPopupMenus();
  SetUpFilmArea();
  SetUpTopAndLeft();
  SetUpGrid();
  SetUpRowPanel();
  SetUpSplitJoinPanel();
}

void FeliratForm::SetUpWindow() {
  SetCaption("Felirat megnyitása");
  SetBounds(0, 0, 1020, 750);
  SetBorderStyle(ui::BorderStyle::kSingle);
  SetBorderIcons({.system_menu = true, .minimize = true, .maximize = false});
  SetPosition(ui::FormPosition::kScreenCenter);
  SetColor(kEditorColor);
  SetAlphaBlendValue(kEditorAlpha);
  SetAlphaBlend(false);

  Timer1.SetInterval(100);
  Timer1.SetEnabled(true);
  Timer2.SetInterval(100);
  Timer2.SetEnabled(false);
}

void FeliratForm::SetUpMenus() {
  Megnyit1.SetShortCut(Ctrl('O'));
  Masikfelirat.SetShortCut(Ctrl('M'));
  Masikfelirat.SetEnabled(false);
  Mentes1.SetShortCut(Ctrl('S'));
  Mentes1.SetEnabled(false);
  Feliratmentsemsknt1.SetShortCut(CtrlShift('S'));
  MentM1.SetShortCut(CtrlShift('M'));
  MentM1.SetEnabled(false);
  MentesMF.SetShortCut(Ctrl('F'));
  MentesMF.SetEnabled(false);
  Kilps2.SetShortCut(Plain(ui::keys::kEscape));

  BMKeres.SetShortCut(Ctrl('K'));
  BMKeres.SetEnabled(false);
  BMReszker.SetShortCut(Ctrl('R'));
  BMReszker.SetEnabled(false);
  Mkercsere.SetShortCut(Ctrl('Y'));
  Mkercsere.SetEnabled(false);

  Felbonts1.SetShortCut(Plain(ui::keys::kF1));
  Felbonts2.SetShortCut(Plain(ui::keys::kF2));
  Felbonts3.SetShortCut(Plain(ui::keys::kF6));

  // The film menu: only opening and showing the film are available before a film is loaded.
  Fbezar.SetEnabled(false);
  Filminfo.SetEnabled(false);
  N5.SetEnabled(false);
  N2.SetEnabled(false);
  Feliratshow.SetEnabled(false);
  Flejatszas.SetEnabled(false);
  FilmFelirat.SetEnabled(false);
  MenuFilm.SetVisible(program_.FilmPlayer());

  BAtfedes.SetShortCut(Ctrl('B'));
  N05mpessorkibvtse1.SetShortCut(Ctrl('0'));
  agressziv.SetShortCut(Ctrl('A'));
  Szinezes38.SetShortCut(Plain(ui::keys::kF3));
  Szinezes3.SetShortCut(Plain(ui::keys::kF4));
  Lista1.SetShortCut(Plain(ui::keys::kF5));
  N6.SetShortCut(Ctrl(ui::keys::kOem102));
  Utolsktsz1.SetShortCut(Ctrl('X'));

  Info1.SetShortCut(Ctrl('L'));
  Info2.SetShortCut(Ctrl('I'));
}

void FeliratForm::SetUpPopupMenus() {
  for (ui::MenuItem* item : RacsPM.Items())
    item->SetEnabled(false);

  HangutnzszavaksNevektrlse1.SetHint(
      "Hangutánzó szavak és nagybetűs nevek törlése ami után \":\" jel van");
  lgomb1.SetHint(
      "Néha az angol feliratokban l (kis L) betű van az I (nagy i) helyett, ezeket cseréli ki a "
      "program");
  kezgomb1.SetHint("Ékezetes betűk átírása ékezet nélkülire");
  sszesbetkisbetlegyen1.SetHint("Nagybetűk átírása kisbetűsre");
  Sorfelezs3872bet1.SetHint("38 és 72 betű között elfelezi a sort(ha 1 soros volt a sor)");
  karakterekelttispaceeltntetse1.SetHint(
      "Ha a . vagy ? vagy ! előtt space van, akkor kiveszi a space-t");
  karakterekutntegyenspacet1.SetHint(
      "Ha a . vagy ? vagy ! vagy , után nincs space, akkor betesz egyet");

  MentAt.SetChecked(true);

  // Enabled while the film area is shown over a subtitle with rows.
  BeKeEr.SetEnabled(false);
  BeBeEr.SetEnabled(false);
}

void FeliratForm::SetUpFilmArea() {
  wmp1.SetVisible(false);
  for (ui::Label* overlay : {&st1, &st2, &st3, &stsegit})
    overlay->SetVisible(false);

  SBvissza1mp.SetCaption("«1");
  SBvissza.SetCaption("<");
  SBelore.SetCaption(">");
  SBplay.SetCaption("|>");
  SBpause.SetCaption("||");
  SBkezdo.SetCaption("[");
  SBbefejezes.SetCaption("]");
  SBkezdbefejez.SetCaption("][");
  SBvissza1mp.SetHint("Vissza 1mp-et");
  SBvissza.SetHint("Vissza egy sornyit");
  SBelore.SetHint("Előre egy sornyit");
  SBplay.SetHint("Film lejátszása");
  SBpause.SetHint("Film szünetelése");
  SBkezdo.SetHint("Beállítás kezdő értékként");
  SBbefejezes.SetHint("Beállítás befejező értékként");
  SBkezdbefejez.SetHint("Beállítás befejező értékként és a köv. sor kezdő értékeként");
  for (ui::SpeedButton* button : {&SBvissza1mp, &SBvissza, &SBelore, &SBplay, &SBpause, &SBkezdo,
                                  &SBbefejezes, &SBkezdbefejez}) {
    button->SetVisible(false);
  }

  GBAdatok.SetVisible(false);
  IdoFrame.SetCaption("00:00:00,000 / 00:00:00,000");
  IdoFrame.SetPopupMenu(&Szamlalo);
}

void FeliratForm::SetUpTopAndLeft() {
  Lfeliratnev.SetCaption("Felirat neve:");
  Efilenev.SetReadOnly(true);
  Btallozas.SetCaption("Tallózás");
  Bfilm.SetCaption("Film betöltése");
  Bfilm.SetVisible(program_.FilmPlayer());
  Fszazalek.SetVisible(false);

  Lbeosztas.SetCaption("Beosztás:");
  beosztas.SetItems({std::string(timecode::kTimeBaseFrame), std::string(timecode::kTimeBaseTime)});
  beosztas.SetItemIndex(0);
  beosztas.SetEnabled(false);
  LFps.SetCaption("FPS:");
  cbFps.SetItems(StandardFrameRates());
  cbFps.SetItemIndex(cbFps.IndexOf(kDefaultFrameRate));
  Batvaltas.SetCaption("Átváltás");
  Batvaltas.SetEnabled(false);
  BFPS.SetCaption("FPS érték AVI-ból");
  BFPS.SetHint("AVI file FPS értékének kinyerése");
  BFPS.SetEnabled(false);
  GbBeallitas.SetCaption("Beállítások");

  GbTevekenyseg.SetCaption("Tevékenységek");
  Lmodositas.SetCaption("Módosítás:");
  CbPM.SetItems({"+", "-"});
  CbPM.SetItemIndex(0);
  Emodositas.SetMaxLength(12);
  Emodositas.SetText("0");
  Bmodok.SetCaption("Ok");
  Bmodok.SetHint("Módosítás végrehajtása");
  Breszletes.SetCaption("Részletes>>>");
  Lkereses.SetCaption("Keresés:");
  Bkeresok.SetCaption("Ok");
  Bkeresok.SetHint("Keresés indítása");
  BKreszletes.SetCaption("Részletes>>>");
  CBugras.SetCaption("Ugrás a szóra");
  CBsortores.SetCaption("Sortörés figyelmen kívül hagyása");

  Lugras.SetCaption("Ugrás erre a sorra:");
  Eugras.SetMaxLength(8);
  Bugras.SetCaption("Ok");
  Cbki.SetCaption("Kilépésnél: nincs kérdés");
  atlatszo.SetCaption("Átlátszódás");
  Valto.SetMinValue(70);
  Valto.SetMaxValue(255);
  Valto.SetValue(70);
  Valto.SetEnabled(false);
  Bvissza.SetCaption("Vissza a főmenübe");
  Bki.SetCaption("Kilépés");
}

void FeliratForm::SetUpGrid() {
  ds.SetDataSet(&cds);
  racs.SetDataSource(&ds);
  racs.AddColumn({.field = "Sorszam",
                  .title = "Sorszám",
                  .width = 44,
                  .alignment = ui::Alignment::kCenter,
                  .title_alignment = ui::Alignment::kCenter});
  racs.AddColumn({.field = "Kezdes",
                  .title = "Kezdés",
                  .width = 80,
                  .title_alignment = ui::Alignment::kCenter});
  racs.AddColumn({.field = "Befejezes",
                  .title = "Befejezés",
                  .width = 80,
                  .title_alignment = ui::Alignment::kCenter});
  racs.AddColumn({.field = "Szoveg", .title = "Szöveg", .width = 510});
  racs.AddColumn({.field = "Szoveg2", .title = "Szöveg2", .width = 254, .visible = false});
  racs.SetTitles(true);
  racs.SetIndicator(true);
  racs.SetTabsBetweenCells(true);
  racs.SetRowSelect(true);
  racs.SetPopupMenu(&RacsPM);

  Belso.SetCaption("Első sor");
  Belso.SetVisible(false);
  Butolso.SetCaption("Utolsó sor");
  Butolso.SetVisible(false);

  B12.SetCaption("1-2");
  B22.SetCaption("2-2");
  B21.SetCaption("2-1");
  Bvegelso.SetCaption("G");
  Mov.SetCaption("MÖV");
  Mov.SetVisible(false);
  movm.SetCaption("MÖV-");
  movm.SetVisible(false);
  Bov.SetCaption("ÖV");
  Bovm.SetCaption("ÖV-");
  mpm.SetCaption("-|-");
  mpm.SetEnabled(false);

  RB1.SetCaption("Sor módosítása és felvitele");
  RB1.SetChecked(true);
  RB1.SetEnabled(false);
  CBracs.SetCaption("Rácsba kattintáskor ugrás a szövegbe");
  RB12.SetCaption("X CD -> X CD");
}

void FeliratForm::SetUpRowPanel() {
  // The boxes stay disabled until a row is loaded.
  Llsor.SetCaption("Sor:");
  Esorszam.SetDataSource(&ds);
  Esorszam.SetDataField("Sorszam");
  Esorszam.SetEnabled(false);
  Lkezdes.SetCaption("Kezdés:");
  kezdes.SetMaxLength(12);
  kezdes.SetEnabled(false);
  Lbefejezes.SetCaption("Befejezés:");
  befejezes.SetMaxLength(12);
  befejezes.SetEnabled(false);
  Lkulonbseg.SetCaption("Különbség:");
  kulonbseg.SetMaxLength(13);
  kulonbseg.SetTabStop(false);
  kulonbseg.SetEnabled(false);
  Bertek.SetCaption("Értékek beállítása");
  Bertek.SetEnabled(false);

  Lkarakter.SetCaption("Karakterszám:");
  sordarab.SetCaption("0=0 betű");
  szoveg.SetAlignment(ui::Alignment::kCenter);
  szoveg.SetEnabled(false);
  szoveg.SetPopupMenu(&SzovegPop);
  Lkarakter2.SetCaption("Karakterszám:");
  Lkarakter2.SetVisible(false);
  sordarab2.SetCaption("0=0 betű");
  sordarab2.SetVisible(false);
  szoveg2.SetAlignment(ui::Alignment::kCenter);
  szoveg2.SetVisible(false);
  szoveg2.SetPopupMenu(&PMSz2);

  Bmentes.SetCaption("Mentés");
  Bmentes.SetHint("A feliratot itt elmenthetjük");
  Bmentes.SetEnabled(false);
  BMMN.SetCaption("Mentés Más Néven");
  BMMN.SetHint("A feliratot egy másik néven itt elmenthetjük");
  BMMN.SetEnabled(false);
  // "»" marks the buttons that open a menu.
  Btorles.SetCaption("-");
  Btorles.SetHint("Egy sor törlése");
  Bbeszuras.SetCaption("+");
  Bbeszuras.SetHint("Egy sor beszúrása a file végéhez");
  Belemoge.SetCaption("+»");
  Belemoge.SetHint("Egy sor beszúrása az aktuális sor elé/mögé");
  BTorlesTobb.SetCaption("-»");
  BTorlesTobb.SetHint("Több egybefüggő sor törlése");
  Bvonal.SetCaption("1*-");
  Bvonal.SetHint("Ha az egész sorban egy db \"-\" jel van, akkor azt kitörli a program");
  Boh.SetCaption("öh");
  Boh.SetHint(
      "36 karakternél kisebb és két sorból álló sorokat egy sorrá huzza össze/akkor ha nincs "
      "bennük párbeszéd/");
  BOsszes.SetCaption("Ö");
  BOsszes.SetHint("A feliratokban előforduló általános hibákat javítja");
  Blista.SetCaption("Lista");
  Blista.SetHint("Hibák listázása");
  L05.SetCaption("0.5 mp");
  L05.SetHint("0.5 mp-es sorok listája");
  BTobbGomb.SetCaption("»");
  BTobbGomb.SetEnabled(false);
  BTobbCheck.SetCaption("»");
  BTobbCheck.SetEnabled(false);

  for (ui::SpeedButton* overlay : {&SBSub, &SBNonSub}) {
    overlay->SetHint("Felirat mutatás/eltuntetése a film alatt");
    overlay->SetVisible(false);
  }
  SBSub.SetCaption("F-");     // shown with the subtitles over the film: hides them
  SBNonSub.SetCaption("F+");  // shown while they are hidden: shows them

  cburessor.SetCaption("Beszúráskor: üres sor");
  cburessor.SetEnabled(false);
  CBdelete.SetCaption("Ne legyen kérdés a törlésnél");
  Cbtobb.SetCaption("Színezés             betű felett");
  SEbetu.SetMinValue(10);
  SEbetu.SetMaxValue(99);
  SEbetu.SetValue(37);
  SEbetu.SetEnabled(false);
  Lbetu.SetCaption("(0)");
  Lbetu.SetVisible(false);
  CB3sor.SetCaption("Színezés 2 sor felett");
  Lsor.SetCaption("(0)");
  Lsor.SetVisible(false);
}

void FeliratForm::SetUpSplitJoinPanel() {
  GB12.SetVisible(false);
  RB12cd1.SetCaption("1 CD -> 2 CD");
  RB12cd2.SetCaption("2 CD -> 1 CD");

  Label9.SetCaption("1. Válassza ki azt a sort ahol kezdodjön a 2. cd");
  Label13.SetCaption("2. Adja meg a 2. cd elso sorának kezdoértékét:");
  Label13.SetEnabled(false);
  E4kezdo.SetEnabled(false);  // shows the picked row's start; never typed into
  E4kezdouj.SetEnabled(false);
  Bvegrehajt.SetCaption("Végrehajtás");
  Bvegrehajt.SetEnabled(false);
  DBEdit1.SetDataSource(&ds);
  DBEdit1.SetDataField("Kezdes");
  DBEdit1.SetVisible(false);
  szazalek12.SetVisible(false);

  Bfileki.SetCaption("File-ok kiválasztása");
  Bvegre21.SetCaption("Végrehajtás");
  Bvegre21.SetEnabled(false);
}

}  // namespace editor
