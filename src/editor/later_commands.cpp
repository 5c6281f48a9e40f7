// The editor's commands whose work is done by later parts of the program: each is bound here to
// its handler, which does nothing yet unless its work is written: the corrections' handlers
// call corrections/commands.h, the film's hand their work to the film module. "Átfedés
// vizsgálata" and the two "Info" items only show their windows.
#include "corrections/atfedes.h"
#include "corrections/clean_up_commands.h"
#include "corrections/commands.h"
#include "corrections/correction_frame.h"
#include "corrections/timing_commands.h"
#include "editor/felirat.h"
#include "shell/info.h"
#include "shell/leiras.h"
#include "shell/program.h"

namespace editor {

void TFelirat::WireLaterCommands() {
  // Search and replace.
  BMKeres.OnClick = [this] { BMKeresClick(); };
  BMReszker.OnClick = [this] { BKreszletesClick(); };
  Mkercsere.OnClick = [this] { MkercsereClick(); };
  Bkeresok.OnClick = [this] { BkeresokClick(); };
  BKreszletes.OnClick = [this] { BKreszletesClick(); };
  Ekereses.OnKeyPress = [this](char& key) { EkeresesKeyPress(key); };
  // Time base and shifting.
  Batvaltas.OnClick = [this] { BatvaltasClick(); };
  Bmodok.OnClick = [this] { BmodokClick(); };
  Breszletes.OnClick = [this] { BreszletesClick(); };
  // The film.
  Bfilm.OnClick = [this] { BfilmClick(); };
  Fmegnyit.OnClick = [this] { BfilmClick(); };
  Fbezar.OnClick = [this] { FbezarClick(); };
  Filminfo.OnClick = [this] { FilminfoClick(); };
  Fshow.OnClick = [this] { FshowClick(); };
  Feliratshow.OnClick = [this] { FeliratshowClick(); };
  Lejtszs2.OnClick = [this] { SBplayClick(); };
  SBplay.OnClick = [this] { SBplayClick(); };
  Sznet1.OnClick = [this] { SBpauseClick(); };
  SBpause.OnClick = [this] { SBpauseClick(); };
  Meglls1.OnClick = [this] { Meglls1Click(); };
  BeKezdoEr.OnClick = [this] { BeKezdoErClick(); };
  BeKeEr.OnClick = [this] { BeKezdoErClick(); };
  SBkezdo.OnClick = [this] { BeKezdoErClick(); };
  BeBefejezoEr.OnClick = [this] { BeBefejezoErClick(); };
  BeBeEr.OnClick = [this] { BeBefejezoErClick(); };
  SBbefejezes.OnClick = [this] { BeBefejezoErClick(); };
  SBvissza1mp.OnClick = [this] { SBvissza1mpClick(); };
  SBvissza.OnClick = [this] { SBvisszaClick(); };
  SBelore.OnClick = [this] { SBeloreClick(); };
  SBkezdbefejez.OnClick = [this] { SBkezdbefejezClick(); };
  SBSub.OnClick = [this] { SBSubClick(); };
  SBNonSub.OnClick = [this] { SBNonSubClick(); };
  racs.OnDblClick = [this] { racsDblClick(); };
  // Corrections and checks.
  BAtfedes.OnClick = [this] { BAtfedesClick(); };
  N05mpessorkibvtse1.OnClick = [this] { N05mpessorkibvtse1Click(); };
  agressziv.OnClick = [this] { agresszivClick(); };
  Lista1.OnClick = [this] { BlistaClick(); };
  Blista.OnClick = [this] { BlistaClick(); };
  Bvonal.OnClick = [this] { BvonalClick(); };
  Boh.OnClick = [this] { BohClick(); };
  BOsszes.OnClick = [this] { BOsszesClick(); };
  L05.OnClick = [this] { L05Click(); };
  HangutnzszavaksNevektrlse1.OnClick = [this] { HangutnzszavaksNevektrlse1Click(); };
  Hangutnzszavaksnevektrlse2.OnClick = [this] { Hangutnzszavaksnevektrlse2Click(); };
  lgomb1.OnClick = [this] { lgomb1Click(); };
  kezgomb1.OnClick = [this] { kezgomb1Click(); };
  sszesbetkisbetlegyen1.OnClick = [this] { sszesbetkisbetlegyen1Click(); };
  ressoroktrlse1.OnClick = [this] { ressoroktrlse1Click(); };
  N4sorossorokmegtrse1.OnClick = [this] { N4sorossorokmegtrse1Click(); };
  Sorfelezs3872bet1.OnClick = [this] { Sorfelezs3872bet1Click(); };
  karakterekelttispaceeltntetse1.OnClick = [this] { karakterekelttispaceeltntetse1Click(); };
  karakterekutntegyenspacet1.OnClick = [this] { karakterekutntegyenspacet1Click(); };
  FeliratTeljes.OnClick = [this] { FeliratTeljesClick(); };
  FeliratTeljesM.OnClick = [this] { FeliratTeljesMClick(); };
  // Style tags and the internal clipboard.
  dolt.OnClick = [this] { doltClick(); };
  dolt2.OnClick = [this] { dolt2Click(); };
  Vastagitott.OnClick = [this] { VastagitottClick(); };
  Alahuzott.OnClick = [this] { AlahuzottClick(); };
  osszesel.OnClick = [this] { osszeselClick(); };
  Kivagas.OnClick = [this] { KivagasClick(); };
  Masolas.OnClick = [this] { MasolasClick(); };
  Beillesztes.OnClick = [this] { BeillesztesClick(); };
  SzovegPop.OnPopup = [this] { SzovegPopPopup(); };
  SzPK1B.OnClick = [this] { SzPK1BClick(); };
  KivagKovBeEleje.OnClick = [this] { KivagKovBeElejeClick(); };
  SzPK.OnClick = [this] { SzPKClick(); };
  SzPM.OnClick = [this] { SzPMClick(); };
  SzPB.OnClick = [this] { SzPBClick(); };
  kszd.OnClick = [this] { kszdClick(); };
  kszv.OnClick = [this] { kszvClick(); };
  ksza.OnClick = [this] { kszaClick(); };
  // The second text.
  resmsikfelirat1.OnClick = [this] { resmsikfelirat1Click(); };
  Mov.OnClick = [this] { MovClick(); };
  movm.OnClick = [this] { movmClick(); };
  doltSz2.OnClick = [this] { doltSz2Click(); };
  BeszurPMB.OnClick = [this] { BeszurPMBClick(); };
  TorlesPMB.OnClick = [this] { TorlesPMBClick(); };
  Beszrsasorel1.OnClick = [this] { Beszrsasorel1Click(); };
  Beszrsasorutn1.OnClick = [this] { Beszrsasorutn1Click(); };
  Kivgs1.OnClick = [this] { Kivgs1Click(); };
  // Splitting and joining.
  RB1.OnClick = [this] { RB1Click(); };
  RB12.OnClick = [this] { RB12Click(); };
  RB12cd1.OnClick = [this] { RB12cd1Click(); };
  RB12cd2.OnClick = [this] { RB12cd2Click(); };
  Bvegrehajt.OnClick = [this] { BvegrehajtClick(); };
  Bfileki.OnClick = [this] { BfilekiClick(); };
  Bvegre21.OnClick = [this] { Bvegre21Click(); };
  // "Leírás" and "Info".
  Info1.OnClick = [this] { program_.Leiras->ShowModal(); };
  Info2.OnClick = [this] { program_.Info->ShowModal(); };
}

void TFelirat::BAtfedesClick() {
  program_.Atfedes->Show();
}

// The film: the film module does the work (nothing in the build without the film player).
void TFelirat::BfilmClick() {
  program_.film->OpenFilmWindow();
}
void TFelirat::FbezarClick() {
  program_.film->CloseFilm();
}
void TFelirat::FilminfoClick() {
  program_.film->ShowFilmInformation();
}
void TFelirat::FshowClick() {
  program_.film->ToggleFilmView();
}
void TFelirat::FeliratshowClick() {
  if (Feliratshow.Checked()) {
    Feliratshow.SetChecked(false);
    SBSubClick();
  } else {
    Feliratshow.SetChecked(true);
    SBNonSubClick();
  }
}
void TFelirat::SBplayClick() {
  program_.film->PlayFilm();
}
void TFelirat::SBpauseClick() {
  program_.film->PauseFilm();
}
void TFelirat::Meglls1Click() {
  program_.film->StopFilm();
}
void TFelirat::BeKezdoErClick() {
  program_.film->StartFromFilm();
}
void TFelirat::BeBefejezoErClick() {
  program_.film->EndFromFilm();
}
void TFelirat::SBvissza1mpClick() {
  program_.film->BackOneSecond();
}
void TFelirat::SBvisszaClick() {
  program_.film->PreviousRowOfFilm();
}
void TFelirat::SBeloreClick() {
  program_.film->NextRowOfFilm();
}
void TFelirat::SBkezdbefejezClick() {
  program_.film->EndAndNextStartFromFilm();
}
void TFelirat::SBSubClick() {
  program_.film->OverlayOff();
}
void TFelirat::SBNonSubClick() {
  program_.film->OverlayOn();
}
void TFelirat::racsDblClick() {
  program_.film->FilmToCurrentRow();
}

// Corrections and checks.
void TFelirat::N05mpessorkibvtse1Click() {
  corrections::ExtendAllHalfSecondRowsCommand(*this, program_, corrections::kShowReport);
}
void TFelirat::agresszivClick() {
  BagresszivN(corrections::kShowReport);
}
void TFelirat::BagresszivN(std::uint8_t Show) {
  corrections::RunAggressiveBreaking(*this, program_, Show);
}
void TFelirat::BlistaClick() {
  corrections::ShowChangeList(*this, program_);
}
void TFelirat::BvonalClick() {
  BvonalN(corrections::kShowReport);
}
void TFelirat::BvonalN(std::uint8_t Show) {
  corrections::RunDialogueDashes(*this, program_, Show);
}
void TFelirat::BohClick() {
  BohN(corrections::kShowReport);
}
void TFelirat::BohN(std::uint8_t Show) {
  corrections::RunJoinShortRows(*this, program_, Show);
}
void TFelirat::BOsszesClick() {
  BOsszesN(corrections::kShowReport);
}
void TFelirat::BOsszesN(std::uint8_t Show) {
  corrections::RunGeneralFixer(*this, program_, Show);
}
void TFelirat::L05Click() {
  corrections::ListHalfSecondRowsCommand(*this, program_);
}
void TFelirat::HangutnzszavaksNevektrlse1Click() {
  HangutanzoN(corrections::kShowReport);
}
void TFelirat::HangutanzoN(std::uint8_t Show) {
  corrections::RunSoundWordRemoval(*this, program_, Show);
}
void TFelirat::Hangutnzszavaksnevektrlse2Click() {
  corrections::RunSoundWordRemovalExtra(*this, program_);
}
void TFelirat::lgomb1Click() {
  corrections::RunLowerLToCapitalI(*this, program_);
}
void TFelirat::kezgomb1Click() {
  corrections::RunAccentRemoval(*this, program_);
}
void TFelirat::sszesbetkisbetlegyen1Click() {
  corrections::RunLowerCase(*this, program_);
}
void TFelirat::ressoroktrlse1Click() {
  corrections::RunEmptyRowDeletion(*this, program_);
}
void TFelirat::N4sorossorokmegtrse1Click() {
  corrections::RunFourLineBreaking(*this, program_);
}
void TFelirat::Sorfelezs3872bet1Click() {
  corrections::RunLineHalving(*this, program_);
}
void TFelirat::karakterekelttispaceeltntetse1Click() {
  corrections::RunBlanksBeforeMarks(*this, program_);
}
void TFelirat::karakterekutntegyenspacet1Click() {
  BkarakterN(corrections::kShowReport);
}
void TFelirat::BkarakterN(std::uint8_t Show) {
  corrections::RunBlankAfterPunctuation(*this, program_, Show);
}
void TFelirat::FeliratTeljesClick() {
  corrections::RunFullFormatting(*this, program_);
}
void TFelirat::FeliratTeljesMClick() {
  FeliratTeljesClick();
  Mentes1Click();
}

}  // namespace editor
