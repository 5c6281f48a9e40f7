// The editor window as it is laid out: `FeliratForm` holds every control, menu item and timer
// of `TFelirat` (editor/felirat.h), gives them their captions, hints, shortcuts and starting
// state (editor/felirat_form.cpp) and moves them into the place of a screen layout
// (editor/layouts.cpp). The behaviour, the handlers and their wiring, is TFelirat's.
//
// Every control, menu item and timer is a public member named as the program names it. The
// positions below are those of the 1024x768 layout with the film area hidden (the layout
// routines move them). In the build without the film player the film controls exist but stay
// hidden and the "Film" menu is hidden.
#pragma once

#include "editor/layouts.h"
#include "platform/dataset/row_table.h"
#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace editor {

class FeliratForm : public ui::Form {
 public:
  // ---- Row table ---------------------------------------------------------------------
  // Declared before everything bound to it, so it outlives the data source and the grid.
  dataset::RowTable cds{dataset::SubtitleRowFields()};
  ui::DataSource ds{*this, "ds"};

  // ---- Timers ------------------------------------------------------------------------
  ui::Timer Timer1{*this, "Timer1"};  // the clock, 100 ms, runs from creation
  ui::Timer Timer2{*this, "Timer2"};  // the film timer, 100 ms, off until a film plays

  // ---- Main menu ---------------------------------------------------------------------
  ui::MainMenu MainMenu1{*this, "MainMenu1"};

  ui::MenuItem MenuFile{MainMenu1, "MenuFile", "File"};
  ui::MenuItem jfelirat1{MenuFile, "jfelirat1", "Új felirat"};
  ui::MenuItem Megnyit1{MenuFile, "Megnyit1", "Felirat megnyitása"};
  ui::MenuItem Masikfelirat{MenuFile, "Masikfelirat", "Másik felirat beolvasása"};
  ui::MenuItem Mentes1{MenuFile, "Mentes1", "Felirat mentése"};
  ui::MenuItem Feliratmentsemsknt1{MenuFile, "Feliratmentsemsknt1", "Felirat konvertálása"};
  ui::MenuItem MentM1{MenuFile, "MentM1", "Felirat mentése más néven"};
  ui::MenuItem MentesMF{MenuFile, "MentesMF", "Másik felirat mentése"};
  ui::MenuItem VisszaaFmenbe1{MenuFile, "VisszaaFmenbe1", "Vissza a Főmenübe"};
  ui::MenuItem Kilps2{MenuFile, "Kilps2", "Kilépés"};

  ui::MenuItem MenuKereses{MainMenu1, "MenuKereses", "Keresés"};
  ui::MenuItem BMKeres{MenuKereses, "BMKeres", "Keresés"};
  ui::MenuItem BMReszker{MenuKereses, "BMReszker", "Részletes keresés"};
  ui::MenuItem Mkercsere{MenuKereses, "Mkercsere", "Keresés és csere"};

  ui::MenuItem MenuFelbontas{MainMenu1, "MenuFelbontas", "Felbontás"};
  ui::MenuItem Felbonts1{MenuFelbontas, "Felbonts1", "800X600"};
  ui::MenuItem Felbonts2{MenuFelbontas, "Felbonts2", "1024X768"};
  ui::MenuItem Felbonts3{MenuFelbontas, "Felbonts3", "1280x1024"};

  // Hidden in the build without the film player.
  ui::MenuItem MenuFilm{MainMenu1, "MenuFilm", "Film"};
  ui::MenuItem Fmegnyit{MenuFilm, "Fmegnyit", "Megnyitás"};
  ui::MenuItem Fbezar{MenuFilm, "Fbezar", "Bezárás"};
  // Enabled exactly while a film is loaded.
  ui::MenuItem Filminfo{MenuFilm, "Filminfo", "Információ"};
  ui::MenuItem N5{MenuFilm, "N5", "--------------------------"};
  ui::MenuItem Fshow{MenuFilm, "Fshow", "Film mutatása"};
  ui::MenuItem Feliratshow{MenuFilm, "Feliratshow", "Felirat mutatása"};
  ui::MenuItem N2{MenuFilm, "N2", "--------------------------"};
  ui::MenuItem Flejatszas{MenuFilm, "Flejatszas", "Lejátszás"};
  ui::MenuItem Lejtszs2{Flejatszas, "Lejtszs2", "Lejátszás"};
  ui::MenuItem Sznet1{Flejatszas, "Sznet1", "Szünet"};
  ui::MenuItem Meglls1{Flejatszas, "Meglls1", "Leállítás"};
  ui::MenuItem FilmFelirat{MenuFilm, "FilmFelirat", "Felirat"};
  ui::MenuItem BeKezdoEr{FilmFelirat, "BeKezdoEr", "Beállítás Kezdő Értékként"};
  ui::MenuItem BeBefejezoEr{FilmFelirat, "BeBefejezoEr", "Beállítás Befejező Értékként"};

  ui::MenuItem MenuFelirat{MainMenu1, "MenuFelirat", "Felirat"};
  ui::MenuItem BAtfedes{MenuFelirat, "BAtfedes", "Átfedés vizsgálata"};
  ui::MenuItem N05mpessorkibvtse1{MenuFelirat, "N05mpessorkibvtse1", "0,5mp-es sor kibővítése"};
  ui::MenuItem agressziv{MenuFelirat, "agressziv", "Agresszív sortörés"};
  ui::MenuItem Szinezes38{MenuFelirat, "Szinezes38", "Színezés 37 betű felett"};
  ui::MenuItem Szinezes3{MenuFelirat, "Szinezes3", "Színezés 2 sor felett"};
  ui::MenuItem resmsikfelirat1{MenuFelirat, "resmsikfelirat1", "Üres másik felirat"};
  ui::MenuItem Lista1{MenuFelirat, "Lista1", "Lista"};
  ui::MenuItem N6{MenuFelirat, "N6", "1. sor utolsó szava"};
  ui::MenuItem Utolsktsz1{MenuFelirat, "Utolsktsz1", "2. sor első szava"};

  ui::MenuItem MenuInfo{MainMenu1, "MenuInfo", "Info"};
  ui::MenuItem Info1{MenuInfo, "Info1", "Leírás"};
  ui::MenuItem Info2{MenuInfo, "Info2", "Info"};

  // ---- Popup menus -------------------------------------------------------------------
  // The grid's popup; every item starts disabled.
  ui::PopupMenu RacsPM{*this, "RacsPM"};
  ui::MenuItem dolt{RacsPM, "dolt", "Dőlt"};
  ui::MenuItem dolt2{RacsPM, "dolt2", "Dőlt /2.fajta/"};
  ui::MenuItem Vastagitott{RacsPM, "Vastagitott", "Vastagított"};
  ui::MenuItem Alahuzott{RacsPM, "Alahuzott", "Aláhúzott"};
  ui::MenuItem osszesel{RacsPM, "osszesel", "Minden formázás eltávolítása"};
  ui::MenuItem RacsPMSep1{RacsPM, "RacsPMSep1", "-"};
  ui::MenuItem Kivagas{RacsPM, "Kivagas", "Kivágás"};
  ui::MenuItem Masolas{RacsPM, "Masolas", "Másolás"};
  ui::MenuItem Beillesztes{RacsPM, "Beillesztes", "Beillesztés"};
  ui::MenuItem RacsPMSep2{RacsPM, "RacsPMSep2", "-"};
  ui::MenuItem soreleRacs{RacsPM, "soreleRacs", "Egy sor beszúrása az aktuális sor elé"};
  ui::MenuItem sormogeRacs{RacsPM, "sormogeRacs", "Egy sor beszúrása az aktuális sor mögé"};
  ui::MenuItem sor5mogeRacs{RacsPM, "sor5mogeRacs", "5 sor beszúrása az aktuális sor mögé"};
  ui::MenuItem SorTorlese{RacsPM, "SorTorlese", "Sor törlése"};
  ui::MenuItem Tobbsortorlese{RacsPM, "Tobbsortorlese", "Több sor törlése"};

  // The grid's popup over the second-text column.
  ui::PopupMenu BeTorlesPM{*this, "BeTorlesPM"};
  ui::MenuItem doltSz2{BeTorlesPM, "doltSz2", "Dőlt"};
  ui::MenuItem BeszurPMB{BeTorlesPM, "BeszurPMB", "Sor beszúrása"};
  ui::MenuItem TorlesPMB{BeTorlesPM, "TorlesPMB", "Sor törlése"};

  // Dropping a dragged second text onto the main text column.
  ui::PopupMenu Athuzas{*this, "Athuzas"};
  ui::MenuItem Beszrsasorel1{Athuzas, "Beszrsasorel1", "Beszúrás a sor elé"};
  ui::MenuItem Beszrsasorutn1{Athuzas, "Beszrsasorutn1", "Beszúrás a sor után"};
  ui::MenuItem Mgsem1{Athuzas, "Mgsem1", "Mégsem"};

  // The text box's popup.
  ui::PopupMenu SzovegPop{*this, "SzovegPop"};
  ui::MenuItem SzPK1B{SzovegPop, "SzPK1B", "Kivágás + 1 sor beszúrása + beillesztés"};
  ui::MenuItem KivagKovBeEleje{SzovegPop, "KivagKovBeEleje",
                               "Kivágás + beszúrás a következő sor elejére"};
  ui::MenuItem SzPK{SzovegPop, "SzPK", "Kivágás"};
  ui::MenuItem SzPM{SzovegPop, "SzPM", "Másolás"};
  ui::MenuItem SzPB{SzovegPop, "SzPB", "Beillesztés"};
  ui::MenuItem kszd{SzovegPop, "kszd", "A kijelölt szöveg DŐLT legyen"};
  ui::MenuItem kszv{SzovegPop, "kszv", "A kijelölt szöveg VASTAG legyen"};
  ui::MenuItem ksza{SzovegPop, "ksza", "A kijelölt szöveg ALÁHÚZOTT legyen"};

  // The second text box's popup.
  ui::PopupMenu PMSz2{*this, "PMSz2"};
  ui::MenuItem Kivgs1{PMSz2, "Kivgs1", "Kivágás + 1 sor beszúrása + beillesztés"};

  // Opened by the narrow button `Belemoge`.
  ui::PopupMenu PopupMenuEM{*this, "PopupMenuEM"};
  ui::MenuItem pmsorele{PopupMenuEM, "pmsorele", "Egy sor beszúrása az aktuális sor elé"};
  ui::MenuItem pmsormoge{PopupMenuEM, "pmsormoge", "Egy sor beszúrása az aktuális sor mögé"};
  ui::MenuItem Beszur5sor{PopupMenuEM, "Beszur5sor", "5 sor beszúrása az aktuális sor mögé"};
  ui::MenuItem N10sorbeszrsaazaktulissormg1{PopupMenuEM, "N10sorbeszrsaazaktulissormg1",
                                            "20 sor beszúrása az aktuális sor mögé"};

  // Opened by the narrow button `BTorlesTobb`.
  ui::PopupMenu PMTorlesTobb{*this, "PMTorlesTobb"};
  ui::MenuItem Btobbsor{PMTorlesTobb, "Btobbsor", "Több sor törlése..."};

  // The corrections, opened by the narrow button `BTobbGomb`.
  ui::PopupMenu PMtobbgomb{*this, "PMtobbgomb"};
  ui::MenuItem HangutnzszavaksNevektrlse1{PMtobbgomb, "HangutnzszavaksNevektrlse1",
                                          "Hangutánzó szavak és nevek törlése"};
  ui::MenuItem Hangutnzszavaksnevektrlse2{PMtobbgomb, "Hangutnzszavaksnevektrlse2",
                                          "Hangutánzó szavak és nevek törlése - extra"};
  ui::MenuItem lgomb1{PMtobbgomb, "lgomb1", "l betű kicserélése I-re"};
  ui::MenuItem kezgomb1{PMtobbgomb, "kezgomb1", "Ékezetek eltűntetése"};
  ui::MenuItem sszesbetkisbetlegyen1{PMtobbgomb, "sszesbetkisbetlegyen1",
                                     "Összes betű kis betű legyen"};
  ui::MenuItem ressoroktrlse1{PMtobbgomb, "ressoroktrlse1", "Üres sorok törlése"};
  ui::MenuItem N4sorossorokmegtrse1{PMtobbgomb, "N4sorossorokmegtrse1", "4 soros sorok megtörése"};
  ui::MenuItem Sorfelezs3872bet1{PMtobbgomb, "Sorfelezs3872bet1", "Sorfelezés /38-72 betű/"};
  ui::MenuItem karakterekelttispaceeltntetse1{PMtobbgomb, "karakterekelttispaceeltntetse1",
                                              ".?! karakterek előtti space eltűntetése"};
  ui::MenuItem karakterekutntegyenspacet1{PMtobbgomb, "karakterekutntegyenspacet1",
                                          ".,?! karakterek után tegyen space-t "};
  ui::MenuItem FeliratTeljes{PMtobbgomb, "FeliratTeljes", "Felirat teljes formázása"};
  ui::MenuItem FeliratTeljesM{PMtobbgomb, "FeliratTeljesM", "Felirat teljes formázása - mentéssel"};

  // The options, opened by the narrow button `BTobbCheck`; each item carries its own tick.
  ui::PopupMenu PMTobbCheck{*this, "PMTobbCheck"};
  ui::MenuItem MentAt{PMTobbCheck, "MentAt", "Mentéskor átfedés ellenőrzése"};
  ui::MenuItem Beolvas{PMTobbCheck, "Beolvas", "Beolvasáskor a hibák ne jelenjenek meg"};
  ui::MenuItem Max2{PMTobbCheck, "Max2", "Ha (max.2) sortöréssel kezdődik a sor->sortörés törlése"};
  ui::MenuItem UresNe{PMTobbCheck, "UresNe", "Üres sort ne mentsen ki"};

  // The film position label's popup (full build).
  ui::PopupMenu Szamlalo{*this, "Szamlalo"};
  ui::MenuItem BeKeEr{Szamlalo, "BeKeEr", "Beállítás Kezdő Értékként"};
  ui::MenuItem BeBeEr{Szamlalo, "BeBeEr", "Beállítás Befejező Értékként"};

  // ---- Film area (full build; hidden and inert without the film player) ---------------
  // Declared before the overlay labels so that they lie over the player.
  ui::MediaHost wmp1{*this, "wmp1", {224, 36, 745, 227}};
  ui::Label st1{*this, "st1", {224, 176, 0, 0}};
  ui::Label st2{*this, "st2", {224, 189, 0, 0}};
  ui::Label st3{*this, "st3", {224, 203, 0, 0}};
  ui::Label stsegit{*this, "stsegit", {0, 0, 0, 0}};  // measures a text's width, never shown
  ui::SpeedButton SBvissza1mp{*this, "SBvissza1mp", {224, 264, 25, 25}};
  ui::SpeedButton SBvissza{*this, "SBvissza", {252, 264, 25, 25}};
  ui::SpeedButton SBelore{*this, "SBelore", {280, 264, 25, 25}};
  ui::SpeedButton SBplay{*this, "SBplay", {308, 264, 25, 25}};
  ui::SpeedButton SBpause{*this, "SBpause", {308, 264, 25, 25}};
  ui::SpeedButton SBkezdo{*this, "SBkezdo", {336, 264, 25, 25}};
  ui::SpeedButton SBbefejezes{*this, "SBbefejezes", {364, 264, 25, 25}};
  ui::SpeedButton SBkezdbefejez{*this, "SBkezdbefejez", {392, 264, 25, 25}};
  ui::GroupBox GBAdatok{*this, "GBAdatok", {720, 258, 249, 30}};
  ui::Label IdoFrame{GBAdatok, "IdoFrame", {40, 11, 0, 0}};

  // ---- Top bar -----------------------------------------------------------------------
  ui::Label Lfeliratnev{*this, "Lfeliratnev", {8, 6, 0, 0}};
  ui::Edit Efilenev{*this, "Efilenev", {8, 22, 140, 21}};
  ui::Button Btallozas{*this, "Btallozas", {150, 21, 66, 23}};
  ui::Button Bfilm{*this, "Bfilm", {390, 10, 100, 22}};
  ui::Gauge Fszazalek{*this, "Fszazalek", {500, 12, 250, 18}};
  ui::Label ido{*this, "ido", {780, 14, 0, 0}};

  // ---- Settings group ----------------------------------------------------------------
  ui::GroupBox GbBeallitas{*this, "GbBeallitas", {8, 48, 193, 153}};
  ui::Label Lbeosztas{GbBeallitas, "Lbeosztas", {8, 20, 0, 0}};
  ui::ComboBox beosztas{GbBeallitas, "beosztas", {80, 16, 100, 21}};
  ui::Label LFps{GbBeallitas, "LFps", {8, 48, 0, 0}};
  ui::ComboBox cbFps{GbBeallitas, "cbFps", {80, 44, 100, 21}};
  ui::Button Batvaltas{GbBeallitas, "Batvaltas", {8, 76, 175, 25}};
  ui::Button BFPS{GbBeallitas, "BFPS", {8, 110, 175, 25}};

  // ---- Activities group: shifting and searching ----------------------------------------
  ui::GroupBox GbTevekenyseg{*this, "GbTevekenyseg", {8, 200, 193, 193}};
  ui::Label Lmodositas{GbTevekenyseg, "Lmodositas", {8, 18, 0, 0}};
  ui::ComboBox CbPM{GbTevekenyseg, "CbPM", {8, 34, 40, 21}};
  ui::Edit Emodositas{GbTevekenyseg, "Emodositas", {52, 34, 100, 21}};
  ui::SpeedButton Bmodok{GbTevekenyseg, "Bmodok", {156, 33, 25, 23}};
  ui::Button Breszletes{GbTevekenyseg, "Breszletes", {8, 60, 175, 23}};
  ui::Label Lkereses{GbTevekenyseg, "Lkereses", {8, 90, 0, 0}};
  ui::Edit Ekereses{GbTevekenyseg, "Ekereses", {8, 106, 144, 21}};
  ui::SpeedButton Bkeresok{GbTevekenyseg, "Bkeresok", {156, 105, 25, 23}};
  ui::Button BKreszletes{GbTevekenyseg, "BKreszletes", {8, 132, 175, 23}};
  ui::CheckBox CBugras{GbTevekenyseg, "CBugras", {8, 158, 175, 15}};
  ui::CheckBox CBsortores{GbTevekenyseg, "CBsortores", {8, 174, 175, 15}};

  // ---- Left column: jump, exit, transparency -------------------------------------------
  ui::Label Lugras{*this, "Lugras", {8, 400, 0, 0}};
  ui::Edit Eugras{*this, "Eugras", {8, 416, 80, 21}};
  ui::Button Bugras{*this, "Bugras", {92, 415, 40, 23}};
  ui::CheckBox Cbki{*this, "Cbki", {8, 446, 190, 17}};
  ui::CheckBox atlatszo{*this, "atlatszo", {8, 472, 100, 17}};
  ui::SpinEdit Valto{*this, "Valto", {110, 470, 60, 21}};
  ui::Button Bvissza{*this, "Bvissza", {56, 560, 120, 25}};
  ui::Button Bki{*this, "Bki", {72, 640, 90, 25}};

  // ---- Grid and the buttons beside it ---------------------------------------------------
  ui::Button Belso{*this, "Belso", {224, 12, 75, 20}};
  ui::Button Butolso{*this, "Butolso", {303, 12, 75, 20}};
  ui::DbGrid racs{*this, "racs", {224, 33, 745, 485}};
  ui::Button B12{*this, "B12", {973, 100, 40, 18}};
  ui::Button B22{*this, "B22", {973, 120, 40, 18}};
  ui::Button B21{*this, "B21", {973, 140, 40, 18}};
  ui::Button Bvegelso{*this, "Bvegelso", {973, 260, 40, 18}};
  ui::Button Mov{*this, "Mov", {973, 340, 40, 16}};
  ui::Button movm{*this, "movm", {973, 358, 40, 16}};
  ui::Button Bov{*this, "Bov", {973, 412, 40, 16}};
  ui::Button Bovm{*this, "Bovm", {973, 428, 40, 16}};
  ui::Button mpm{*this, "mpm", {973, 480, 40, 18}};

  // ---- Under the grid: panel switch ------------------------------------------------------
  ui::RadioButton RB1{*this, "RB1", {224, 520, 180, 17}};
  ui::CheckBox CBracs{*this, "CBracs", {420, 520, 250, 17}};
  ui::RadioButton RB12{*this, "RB12", {784, 520, 120, 17}};

  // ---- Row panel ---------------------------------------------------------------------------
  ui::GroupBox GB1{*this, "GB1", {224, 536, 745, 165}};
  // The current row's number, start, end and their difference.
  ui::Label Llsor{GB1, "Llsor", {8, 18, 0, 0}};
  ui::DbEdit Esorszam{GB1, "Esorszam", {70, 16, 60, 21}};
  ui::Label Lkezdes{GB1, "Lkezdes", {8, 44, 0, 0}};
  ui::Edit kezdes{GB1, "kezdes", {70, 42, 90, 21}};
  ui::Label Lbefejezes{GB1, "Lbefejezes", {8, 70, 0, 0}};
  ui::Edit befejezes{GB1, "befejezes", {70, 68, 90, 21}};
  ui::Label Lkulonbseg{GB1, "Lkulonbseg", {8, 96, 0, 0}};
  ui::Edit kulonbseg{GB1, "kulonbseg", {70, 94, 90, 21}};
  ui::Button Bertek{GB1, "Bertek", {170, 66, 120, 25}};
  // The main text and, beside it while a second subtitle is shown, the second text.
  ui::Label Lkarakter{GB1, "Lkarakter", {376, 12, 0, 0}};
  ui::Label sordarab{GB1, "sordarab", {448, 12, 0, 0}};
  ui::Memo szoveg{GB1, "szoveg", {376, 28, 360, 76}};
  ui::Label Lkarakter2{GB1, "Lkarakter2", {376, 12, 0, 0}};
  ui::Label sordarab2{GB1, "sordarab2", {448, 12, 0, 0}};
  ui::Memo szoveg2{GB1, "szoveg2", {376, 28, 360, 76}};
  // Saving, row insertion and deletion, corrections, options.
  ui::Button Bmentes{GB1, "Bmentes", {8, 112, 70, 23}};
  ui::Button BMMN{GB1, "BMMN", {82, 112, 110, 23}};
  ui::Button Btorles{GB1, "Btorles", {196, 112, 25, 23}};
  ui::Button Bbeszuras{GB1, "Bbeszuras", {224, 112, 25, 23}};
  ui::Button Belemoge{GB1, "Belemoge", {252, 112, 10, 23}};
  ui::Button BTorlesTobb{GB1, "BTorlesTobb", {265, 112, 10, 23}};
  ui::Button Bvonal{GB1, "Bvonal", {282, 112, 28, 23}};
  ui::Button Boh{GB1, "Boh", {313, 112, 28, 23}};
  ui::Button BOsszes{GB1, "BOsszes", {344, 112, 28, 23}};
  ui::Button Blista{GB1, "Blista", {375, 112, 45, 23}};
  ui::Button L05{GB1, "L05", {423, 112, 50, 23}};
  ui::Button BTobbGomb{GB1, "BTobbGomb", {476, 112, 10, 23}};
  ui::Button BTobbCheck{GB1, "BTobbCheck", {489, 112, 10, 23}};
  // The film overlay switches (full build): one place, never both shown.
  ui::SpeedButton SBSub{GB1, "SBSub", {505, 112, 25, 23}};
  ui::SpeedButton SBNonSub{GB1, "SBNonSub", {505, 112, 25, 23}};
  ui::CheckBox cburessor{GB1, "cburessor", {8, 140, 140, 17}};
  ui::CheckBox CBdelete{GB1, "CBdelete", {150, 140, 170, 17}};
  // The letter limit sits inside the run of blanks of the box's caption.
  ui::CheckBox Cbtobb{GB1, "Cbtobb", {324, 140, 180, 17}};
  ui::SpinEdit SEbetu{GB1, "SEbetu", {388, 136, 34, 21}};
  ui::Label Lbetu{GB1, "Lbetu", {506, 141, 0, 0}};
  ui::CheckBox CB3sor{GB1, "CB3sor", {540, 140, 140, 17}};
  ui::Label Lsor{GB1, "Lsor", {684, 141, 0, 0}};

  // ---- Split/join panel (in the row panel's place) ---------------------------------------
  ui::GroupBox GB12{*this, "GB12", {224, 536, 745, 165}};
  ui::RadioButton RB12cd1{GB12, "RB12cd1", {8, 16, 120, 17}};
  ui::RadioButton RB12cd2{GB12, "RB12cd2", {380, 16, 120, 17}};
  // Split.
  ui::Label Label9{GB12, "Label9", {8, 40, 0, 0}};
  ui::Label Label13{GB12, "Label13", {8, 62, 0, 0}};
  ui::Edit E4kezdo{GB12, "E4kezdo", {8, 80, 90, 21}};
  ui::Edit E4kezdouj{GB12, "E4kezdouj", {104, 80, 90, 21}};
  ui::Button Bvegrehajt{GB12, "Bvegrehajt", {200, 78, 90, 25}};
  ui::DbEdit DBEdit1{GB12, "DBEdit1", {8, 108, 90, 21}};
  ui::Gauge szazalek12{GB12, "szazalek12", {8, 140, 300, 16}};
  // Join.
  ui::Button Bfileki{GB12, "Bfileki", {380, 40, 150, 25}};
  ui::Button Bvegre21{GB12, "Bvegre21", {380, 78, 90, 25}};

  // ---- Layouts (editor/layouts.cpp) ----------------------------------------------------
  // Lay the whole window out: its size and state for the screen, the film area shown
  // (`film`, full build only) or hidden, every control in the layout's place. kIgen shows
  // the window again at the end (switching the scroll bar on for a long table); kNem, at
  // creation, leaves it hidden.
  void LayoutFor(Layout layout, LayoutShow show, bool film);
  void LayoutFor1280(LayoutShow show, bool film);
  void LayoutFor1024(LayoutShow show, bool film);
  void LayoutFor800(LayoutShow show, bool film);
  // The film area of a layout: the player and the film information above the grid, or
  // the grid in their place (the player hidden, the film timer stopped, the overlay and its
  // switches hidden). In the build without the film player the area is always hidden.
  void ShowFilmArea(Layout layout);
  void HideFilmArea(Layout layout);
  void ShowFilmArea1280();
  void ShowFilmArea1024();
  void ShowFilmArea800();
  void HideFilmArea1280();
  void HideFilmArea1024();
  void HideFilmArea800();
  // The film player, for keeping a film over a switch; set by the film module.
  LayoutFilmPlayer* layout_film = nullptr;

 protected:
  // Makes the controls and gives them their starting state; the window's handlers are
  // bound by TFelirat.
  explicit FeliratForm(shell::Program& program);

  shell::Program& program_;

 private:
  void SetUpWindow();
  void SetUpMenus();
  void SetUpPopupMenus();
  void SetUpFilmArea();
  void SetUpTopAndLeft();
  void SetUpGrid();
  void SetUpRowPanel();
  void SetUpSplitJoinPanel();
};

}  // namespace editor
