// The editor's corrections and checks: the buttons under the text box, the corrections popup
// and the "Felirat" menu hand their work to corrections/; "Átfedés vizsgálata" only shows its
// window.
#include "corrections/atfedes.h"
#include "corrections/clean_up_commands.h"
#include "corrections/commands.h"
#include "corrections/correction_frame.h"
#include "corrections/timing_commands.h"
#include "editor/felirat.h"
#include "shell/program.h"

namespace editor {

void TFelirat::WireCorrections() {
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
}

void TFelirat::BAtfedesClick() {
  // Not modal: the window stays above the editor while it is open.
  program_.Atfedes->SetOwner(this);
  program_.Atfedes->Show();
}

void TFelirat::N05mpessorkibvtse1Click() {
  corrections::ExtendAllHalfSecondRowsCommand(*this, program_, corrections::kShowReport);
}
void TFelirat::agresszivClick() {
  BagresszivN(corrections::kShowReport);
}
void TFelirat::BagresszivN(corrections::Reporting show) {
  corrections::RunAggressiveBreaking(*this, program_, show);
}
void TFelirat::BlistaClick() {
  corrections::ShowChangeList(*this, program_);
}
void TFelirat::BvonalClick() {
  BvonalN(corrections::kShowReport);
}
void TFelirat::BvonalN(corrections::Reporting show) {
  corrections::RunDialogueDashes(*this, program_, show);
}
void TFelirat::BohClick() {
  BohN(corrections::kShowReport);
}
void TFelirat::BohN(corrections::Reporting show) {
  corrections::RunJoinShortRows(*this, program_, show);
}
void TFelirat::BOsszesClick() {
  BOsszesN(corrections::kShowReport);
}

// The general fixer. Here and in the other ...N commands (the aggressive line breaking, the
// sound-word removal and three clean-up commands) kShowReport ends with the report, and
// kShowNothing (the full formatting) shows nothing.
void TFelirat::BOsszesN(corrections::Reporting show) {
  corrections::RunGeneralFixer(*this, program_, show);
}
void TFelirat::L05Click() {
  corrections::ListHalfSecondRowsCommand(*this, program_);
}
void TFelirat::HangutnzszavaksNevektrlse1Click() {
  HangutanzoN(corrections::kShowReport);
}
void TFelirat::HangutanzoN(corrections::Reporting show) {
  corrections::RunSoundWordRemoval(*this, program_, show);
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
void TFelirat::BkarakterN(corrections::Reporting show) {
  corrections::RunBlankAfterPunctuation(*this, program_, show);
}
void TFelirat::FeliratTeljesClick() {
  corrections::RunFullFormatting(*this, program_);
}
void TFelirat::FeliratTeljesMClick() {
  FeliratTeljesClick();
  Mentes1Click();
}

}  // namespace editor
