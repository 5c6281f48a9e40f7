// The editor window `TFelirat`: the open subtitle's row table `cds`, shown row by row in
// the grid `racs`, with the row panel below the grid, the settings and activities groups on
// the left, the menus, the popup menus of the grid, the text boxes and the buttons, and the
// film area of the full build.
//
// Every control, menu item and timer is a public member named as the program names it.
// The constructor gives them their captions, hints, shortcuts and the state the window
// starts in; the positions are those of the 1024x768 layout with the film area hidden (the
// layout routines move them). In the build without the film player the film controls exist
// but stay hidden and the "Film" menu is hidden.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "editor/layouts.h"
#include "editor/message_hook.h"
#include "editor/style_tags.h"
#include "film/film_parts.h"
#include "platform/dataset/row_table.h"
#include "platform/ui/ui.h"
#include "timecode/timecode.h"

namespace shell {
class Program;
}

namespace editor {

class TFelirat : public ui::Form {
 public:
  explicit TFelirat(shell::Program& program);

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

  // ---- Export (editor/export_command.cpp) ----------------------------------------------------
  // "Felirat konvertálása" (Ctrl+Shift+S): the export window, modally; always enabled.
  void Feliratmentsemsknt1Click();

  // ---- Opening and saving (editor/open_commands.cpp, editor/save_commands.cpp) ---------------
  // "Tallózás" and "Felirat megnyitása" (Ctrl+O): the open window for the main text, modeless.
  void BtallozasClick();
  // "Másik felirat beolvasása" (Ctrl+M): the open window for the second text, modeless.
  void MasikfeliratClick();
  // "Mentés" and "Felirat mentése" (Ctrl+S).
  void Mentes1Click();
  // "Mentés Más Néven" and "Felirat mentése más néven" (Shift+Ctrl+M).
  void BmentesClick();
  // "Másik felirat mentése" (Ctrl+F).
  void MentesMFClick();
  // The editor closes (every way, the close box too): its modeless open window closes with it,
  // so that a later pick never reads into a closed table; the clock and the film timer stop;
  // StartState becomes "ki" unless the user went back to the start window; the rows go.
  void FormClose(ui::CloseAction& action);

  // ---- Row panel: the current row in and out of the panel -----------------------------------
  // (editor/row_panel.cpp, editor/row_panel_keys.cpp)

  // Shows the current row in the panel: start, end, difference, the text and, while the
  // grid's second-text column is visible, the second text, with their letter counts.
  void LoadRowIntoEditor();
  // Writes the current row's main text (after the option `Max2`), brings its flags up to
  // date (`UpdateRowFlags` when `useUpdateRowFlags`, else the reader's flag rule), lowers
  // InternalUpdate when `clearInternal`, posts, and marks the subtitle modified. With
  // `doEdit` the row is put into edit state first.
  void SetRowText1(std::string_view text, bool doEdit, bool clearInternal, bool useUpdateRowFlags);
  // Whether SetRowText1 would store `text` whole: after the `Max2` rule it fits the main text's
  // field (220 characters). A command whose result does not fit is not carried out.
  bool FitsMainText(std::string_view text) const;
  // Whether `text` fits the second text's field whole (no `Max2` rule there).
  bool FitsSecondText(std::string_view text) const;
  // The warning of a command refused because its result would not fit the row: `what` is the
  // first line ("A formázással a sor hosszabb lenne 220 karakternél!"); the row is unchanged.
  void ShowRowWouldNotFit(std::string_view what);
  // As SetRowText1 for `Szoveg2`, without the `Max2` rule; leaves the save commands alone.
  void SetRowText2(std::string_view text, bool doEdit, bool clearInternal, bool useUpdateRowFlags);
  // Sets or clears `betu38` and `sor3` of the current row (in edit or insert state) from its
  // text, keeps the two counters and shows them; the text box keeps its caret.
  void UpdateRowFlags();
  // "(" + counter + ")" into `Lbetu` and `Lsor`.
  void ShowFlagCounters();
  // Measures a row text into the shared LineLengths.
  void SplitLineLengths(std::string_view text);
  // Fill `szoveg` / `szoveg2` with the lines of a non-empty row text, measure it into
  // LineLengths and set the letter-count label.
  void ShowTextInMemo1(std::string_view text);
  void ShowTextInMemo2(std::string_view text);
  // Drop the trailing line break of `szoveg` / `szoveg2`; the caret goes to the start.
  void TrimMemo1();
  void TrimMemo2();
  // Fills the difference box `kulonbseg` (end minus start, on red when negative).
  void ShowTimeDifference();
  // Checks the start and end boxes and writes them into the current row.
  void ApplyEditedTimes();
  // "Time" or "Frame": the boxes' maximum lengths and the shift box's start value.
  void SetTimeBaseLimits(std::string_view time_base);
  // The panel for one text, or for the main and the second text side by side.
  void EditorOneTextLayout();
  void EditorTwoTextLayout();
  // The check marks of the format items from the current row's tags.
  void UpdateFormatChecks();
  void UpdateFormatChecks2();
  // The letter limit of the row flags (`SEbetu`).
  int LetterLimit() const;

  // Handlers of the data source, the text box, the start and end boxes and `Bertek`.
  void dsDataChange(int field);
  void dsUpdateData();
  void szovegKeyUp(ui::Key& key, ui::ShiftState shift);
  void kezdesKeyDown(ui::Key& key, ui::ShiftState shift);
  void kezdesKeyPress(char& key);
  void befejezesKeyDown(ui::Key& key, ui::ShiftState shift);
  void befejezesKeyPress(char& key);
  void BertekClick();

  // ---- Layouts and the resolution switch (editor/layouts.cpp, editor/resolution_menu.cpp) ---
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
  // "800X600" (F1), "1024X768" (F2), "1280x1024" (F6): ask, then switch layouts.
  void Felbonts1Click();
  void Felbonts2Click();
  void Felbonts3Click();
  // The film player, for keeping a film over a switch; set by the film module.
  LayoutFilmPlayer* layout_film = nullptr;

  // ---- Life cycle, options and window keys (editor/window_life.cpp, editor/window_keys.cpp)
  // The window's creation: the film player made (or its missing-player message), the layout
  // of ScreenLayout with the film area hidden, InternalUpdate raised, no time base yet.
  void FormCreate();
  // The last step of the creation, run by the program once it holds the editor: a subtitle
  // named on the command line (".srt" or ".sub") is opened in the editor at once, before the
  // start window is shown.
  void FinishCreation();
  // Every time the window becomes active coming from another window: the entry dispatch by
  // OpenMode (a new subtitle, the join panel), the command-line file, the open window.
  void FormActivate();
  // "Kilépés" (button, menu, Esc) and the window's close box: the exit question, then the
  // window closes unless the user chose "Mégsem" or the save on exit failed.
  void BkiClick();
  void AskSaveAndClose();
  // Why the rows are about to be thrown away.
  enum class Discard {
    kLeaving,    // the editor closes ("Kilépésnél: nincs kérdés" silences the question)
    kReplacing,  // another subtitle, a new one or a join takes their place
  };
  // Asked before the rows are thrown away: while the subtitle is modified, "A felirat
  // módosítva lett!" / "Elmenti?" (mode word "mentes2"). True: go on (nothing to save, "Nem",
  // or "Igen" and the subtitle was saved); false: keep everything as it is ("Mégsem", or the
  // save failed or got no name).
  bool AskSaveBeforeDiscard(Discard why);
  // "(0)" counters for a table that has no flagged row (a new or emptied table).
  void ResetFlagCounters();
  // "Vissza a főmenübe": the start window again, no question.
  void BvisszaClick();
  // The application-message hook: wheel turns become arrow keys for the focused control,
  // and every right-button release picks the grid's popup by the grid's current column.
  void ApplicationEvents1Message(ui::Message& message, bool& handled);
  // The clock label `ido`.
  void Timer1Timer();
  // "Átlátszódás" and its spin edit `Valto`.
  void atlatszoClick();
  void ValtoChange();
  // "Első sor", "Utolsó sor".
  void BelsoClick();
  void ButolsoClick();
  // "FPS érték AVI-ból": the AVI window for the frame rate.
  void BFPSClick();
  // The option popup's items toggle their own tick.
  void MentAtClick();
  void BeolvasClick();
  void Max2Click();
  void UresNeClick();
  // The text box's keys: rows by Ctrl+Up / Ctrl+Down, the internal clipboard by Ctrl+C,
  // the subtitle marked modified by editing keys.
  void szovegKeyDown(ui::Key& key, ui::ShiftState shift);
  void szovegKeyPress(char& key);
  // TextClipboard := the text box's selection as a row text ("|" for a line break).
  void CopySelectionToClipboard();
  // The read-only name box hands the focus to "Tallózás"; the jump box hands it to the grid
  // on Up or Down; the difference box hands it to the end box.
  void EfilenevKeyPress(char& key);
  void EugrasKeyUp(ui::Key& key, ui::ShiftState shift);
  void kulonbsegClick();
  // Moving the mouse over a time box drops its selection.
  void kezdesMouseMove(ui::ShiftState shift, int x, int y);
  void befejezesMouseMove(ui::ShiftState shift, int x, int y);
  void EmodositasMouseMove(ui::ShiftState shift, int x, int y);
  // The narrow buttons open the corrections and the options at the mouse pointer.
  void BTobbGombMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void BTobbCheckMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  // Opening the grid's popup brings its format ticks up to date.
  void RacsPMPopup();

  // ---- Commands built elsewhere (editor/later_commands.cpp): bound, doing nothing yet ----
  // Search and replace.
  void BMKeresClick();
  void BKreszletesClick();
  void MkercsereClick();
  void BkeresokClick();
  // Enter in the search box `Ekereses` searches (editor/search_commands.cpp).
  void EkeresesKeyPress(char& key);
  // Time base, shifting.
  void BatvaltasClick();
  void BmodokClick();
  void BreszletesClick();
  // The film.
  void BfilmClick();
  void FbezarClick();
  void FilminfoClick();
  void FshowClick();
  void FeliratshowClick();
  void SBplayClick();
  void SBpauseClick();
  void Meglls1Click();
  void BeKezdoErClick();
  void BeBefejezoErClick();
  void SBvissza1mpClick();
  void SBvisszaClick();
  void SBeloreClick();
  void SBkezdbefejezClick();
  void SBSubClick();
  void SBNonSubClick();
  // Double click on the grid: the film to the current row's start.
  void racsDblClick();
  // Corrections and checks.
  void BAtfedesClick();
  void N05mpessorkibvtse1Click();
  void agresszivClick();
  void BlistaClick();
  void BvonalClick();
  void BohClick();
  void BOsszesClick();
  // The general fixer and the aggressive line breaking: `Show` 1 (corrections::kShowReport)
  // ends with the report, 0 (the full formatting) shows nothing.
  void BOsszesN(std::uint8_t Show);
  void BagresszivN(std::uint8_t Show);
  // The sound-word removal and three clean-up commands, with the same `Show`.
  void HangutanzoN(std::uint8_t Show);
  void BvonalN(std::uint8_t Show);
  void BkarakterN(std::uint8_t Show);
  void BohN(std::uint8_t Show);
  void L05Click();
  void HangutnzszavaksNevektrlse1Click();
  void Hangutnzszavaksnevektrlse2Click();
  void lgomb1Click();
  void kezgomb1Click();
  void sszesbetkisbetlegyen1Click();
  void ressoroktrlse1Click();
  void N4sorossorokmegtrse1Click();
  void Sorfelezs3872bet1Click();
  void karakterekelttispaceeltntetse1Click();
  void karakterekutntegyenspacet1Click();
  void FeliratTeljesClick();
  void FeliratTeljesMClick();
  // Style tags and the internal clipboard.
  void doltClick();
  void dolt2Click();
  void VastagitottClick();
  void AlahuzottClick();
  void osszeselClick();
  void KivagasClick();
  void MasolasClick();
  void BeillesztesClick();
  void SzPK1BClick();
  void KivagKovBeElejeClick();
  void SzPKClick();
  void SzPMClick();
  void SzPBClick();
  void kszdClick();
  void kszvClick();
  void kszaClick();
  // The second text.
  void resmsikfelirat1Click();
  void MovClick();
  void movmClick();
  void doltSz2Click();
  void BeszurPMBClick();
  void TorlesPMBClick();
  void Beszrsasorel1Click();
  void Beszrsasorutn1Click();
  void Kivgs1Click();
  // Splitting and joining.
  void RB1Click();
  void RB12Click();
  void RB12cd1Click();
  void RB12cd2Click();
  void BvegrehajtClick();
  void BfilekiClick();
  void Bvegre21Click();

  // The film module's parts inside this window (film/film_parts.h). Declared after every
  // control so that it goes first.
  std::unique_ptr<film::FilmParts> film_parts;

  // Bmentes and Mentes1 enabled: the subtitle counts as modified; disabled: as saved.
  void MarkModified();
  void MarkSaved();

 private:
  // Binds the layout menus (editor/resolution_menu.cpp); the window is laid out by FormCreate.
  void WireLayouts();
  void SwitchLayout(Layout target);
  // Binds the row panel's handlers (editor/row_panel.cpp).
  void WireRowPanel();
  void WireOpenAndSaveCommands();
  // Binds the life cycle, the hook, the clock, the options and the window keys
  // (editor/window_life.cpp), and the commands built elsewhere (editor/later_commands.cpp).
  void WireWindow();
  void WireLaterCommands();
  // The new-subtitle branch of the activation.
  void StartNewSubtitle();
  // Set by the text box's key-down for a key that edits, read by its key press.
  bool MemoEditPending = false;
  // Wheel delta of small turns not yet worth a whole arrow key.
  int wheel_rest_ = 0;
  // FormCreate left the command-line file for FinishCreation.
  bool start_file_pending_ = false;
  // The application-message hook, bound to this window while it exists.
  MessageHookBinding message_hook_{App()};
  // Binds "Felirat konvertálása" (editor/export_command.cpp).
  void WireExportCommand();
  void SetUpWindow();
  void SetUpMenus();
  void SetUpPopupMenus();
  void SetUpFilmArea();
  void SetUpTopAndLeft();
  void SetUpGrid();
  void SetUpRowPanel();
  void SetUpSplitJoinPanel();

  shell::Program& program_;

  // ---- Row flags, grid colouring, grid keys and row commands --------------------------------
  // (editor/grid_colouring.cpp, editor/grid_keys.cpp, editor/row_commands*.cpp)
 public:
  // The letter limit `SEbetu` changed: both flags of every row are set again and counted.
  void SEbetuChange();
  // Sets or clears both flags of the current row from its text against the letter limit and
  // adds the row to the counters (the caller has zeroed them).
  void CountRowFlags();
  // Before the current row is merged away: takes its share, judged from its text, off the
  // counters and shows them.
  void DecrementRowFlagCounters();
  // The colouring boxes, and their menu items F3 and F4 (which reverse an enabled box).
  void CbtobbClick();
  void CB3sorClick();
  void Szinezes38Click();
  void Szinezes3Click();
  // Recolours a cell the grid painted: short rows, long lines, many lines.
  void racsDrawColumnCell(const ui::Rect& rect, int column, const ui::GridColumn& col,
                          ui::GridCellState state, ui::CellCanvas& canvas);
  // Delete deletes the row; Enter and Ctrl+Enter move into the row panel; "i", "b" and "u"
  // toggle the style tags of the row.
  void racsKeyDown(ui::Key& key, ui::ShiftState shift);
  void racsKeyPress(char& key);

  // Deleting rows: one with its question ("Sor törlése", Delete in the grid), several through
  // `TTorlesTobb`.
  void BtorlesClick();
  void BTorlesTobbMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void BtobbsorClick();
  void TobbsortorleseClick();
  // Deletes rows `first` to `last` (1 <= first <= last <= row count), each as BtorlesClick
  // deletes one; the row that moves into `first` becomes current.
  void DeleteRowRange(int first, int last);
  // Inserting rows: appended at the end, one before or after the current row, five or twenty
  // after it; "Új felirat" starts over with one appended row.
  void BbeszurasClick();
  void BelemogeMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void pmsoreleClick();
  void pmsormogeClick();
  void sor5mogeRacsClick();
  void Beszur5sorClick();
  void N10sorbeszrsaazaktulissormg1Click();
  void jfelirat1Click();
  // Appends a row to `cds` as a new last row. Every append to a table with rows goes through
  // here, so that the second-text row count stays where it is.
  void AppendRow();
  // Before every Insert or Append of `cds`: a row inserted at or above the last second-text
  // row moves that row down.
  void ClientDataSet1BeforeInsert();
  // Timing: "G" (the next row starts where the current one ends) and "1-2", "2-2", "2-1"
  // (the previous row's span divided with the current row).
  void BvegelsoClick();
  void B12Click();
  void B22Click();
  void B21Click();
  void DividePreviousRowTime(int part, int parts);
  // The jump box: Enter or "Ok" goes to the row typed.
  void EugrasKeyPress(char& key);
  void BugrasClick();
  // Merging into the previous row ("ÖV", "ÖV-"; no action without the film player), dialogue
  // dashes ("-|-") and the word moves across the first line break.
  void BovClick();
  void BovmClick();
  void mpmClick();
  void N6Click();
  void Utolsktsz1Click();

 private:
  void WireRowCommands();
  // The bookkeeping of one row deletion: counters, second-text row count, the delete itself.
  void DeleteCurrentRowCounted();
  // What an emptied table can no longer offer.
  void DisableRowButtonsWhenEmpty();
  void MergeIntoPreviousRow(bool dialogue);
  // Writes a new main text into the current row with its flags, as the text commands do.
  void StoreCommandText(std::string_view text);
  void InsertAfterCurrent(const std::string& start, const std::string& end, bool at_last);
  void ShowRowCommandInfo(std::string_view caption, std::string_view line);
  bool appending_row_ = false;

  // ---- Time base switch and shifting (editor/time_base.cpp) ---------------------------------
 public:
  // "Frame" or "Time" chosen in `beosztas`: every start and end converted at the rate of
  // `cbFps`, and the commands that need time codes enabled or disabled.
  void beosztasChange();
  // Values of `beosztas`, `cbFps` and `CbPM` are only chosen, never typed.
  void beosztasKeyPress(char& key);
  void CbPMKeyPress(char& key);
  // Adds the shift box's value to (or, with "-" in `CbPM`, takes it from) the start and end
  // of every row.
  void ShiftAllTimes();
  // The shift box: no selection by keyboard, no deleting a time code's separators; Enter
  // shifts, other keys are filtered for the time base.
  void EmodositasKeyDown(ui::Key& key, ui::ShiftState shift);
  void EmodositasKeyPress(char& key);

 private:
  void WireTimeBase();
  void SwitchToFrames(timecode::FrameRate rate);
  void SwitchToTimes(timecode::FrameRate rate);

  // ---- Style tags and the internal clipboard (editor/style_commands.cpp) ----------------------
 public:
  // Opening the text box's popup: the selection commands only with a selection, the paste only
  // with something in TextClipboard.
  void SzovegPopPopup();

 private:
  // The grid popup's toggles on the whole row text; `closing` adds the closing tag too.
  void ToggleTagPair(ui::MenuItem& item, TagPair tags, bool closing);
  // Every tag of the pair out of the row text, stored when there was one.
  void RemoveTagPair(TagPair tags);
  // The first occurrence of the text box's selection in the row text between the tags.
  void WrapSelection(TagPair tags);
  // Stores `text` as the row's main text, a dangling closing italic tag at its end dropped.
  void StoreTextFixItalic(std::string_view text);
  // TextClipboard cut out of the row text / inserted at the text box's caret, then stored.
  void CutClipboardTextFromRow();
  void PasteClipboardAtCaret();
  // The row text with TextClipboard inserted at the text box's caret.
  std::string PastedAtCaret() const;
  // Whether the pasted row text `pasted` fits; a message when it does not.
  bool PasteFits(std::string_view pasted);

  // ---- Second-text column (editor/second_text_commands.cpp) -----------------------------------
 public:
  // Drops the current row's second-text cell: the cells below it, up to the last second-text
  // row, move up one row; the main rows stay.
  void RemoveSecondTextCell();
  // An empty second-text cell at the current row: the cells below move down one row (the
  // table's last cell falls off); `report` confirms with a message.
  void InsertSecondTextCell(bool report);
  // Opening the second-text popup ticks "Dőlt" by the current second text.
  void BeTorlesPMPopup();
  // The second text box: every key release stores its text; Ctrl+Up and Ctrl+Down change the
  // row and give the focus to the grid.
  void szoveg2KeyUp(ui::Key& key, ui::ShiftState shift);
  void szoveg2KeyDown(ui::Key& key, ui::ShiftState shift);
  // Dragging a second-text cell onto the main text column.
  void racsMouseMove(ui::ShiftState shift, int x, int y);
  void racsMouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  // The drag state: armed by a mouse release over the grid (not at the start); "Sz2" while a
  // second-text cell is dragged; the dragged text; the grid row under the pointer (1 the first
  // data row shown, 0 the title row, -1 outside).
  bool DragArmed = false;
  std::string DragSource;
  std::string DragText;
  int MouseGridRow = 0;
  // The multi-drag cursor is shown over the grid while a second-text cell is dragged.
  bool DragCursorShown() const { return drag_cursor_shown_; }

 private:
  void WireSecondText();
  // Whether the grid shows the second-text column.
  bool SecondColumnShown() const;
  // The table row under the pointer at the last mouse move; 0 when none.
  int DropTargetRow() const;
  void StoreSecondText(std::string_view text);
  void MergeSecondTextIntoAbove(bool dialogue);
  void InsertDraggedRow(bool after);
  std::string MouseColumnName;
  bool drag_cursor_shown_ = false;

  // ---- Splitting into two parts (editor/split_commands.cpp) ---------------------------------
 public:
  // A click on a grid cell offers the current row as the first row of part 2.
  void racsCellClick(int column);
  void E4kezdoujKeyPress(char& key);
  void DBEdit1Change();
  // In split mode (RB12 and RB12cd1 selected): the current row becomes the first row of part 2,
  // or a message says it has no times.
  void OfferSplitRow();

 private:
  void WireSplitPanel();
};

}  // namespace editor
