#include "shell/leiras.h"

#include "shell/program.h"

namespace shell {

namespace {

constexpr char kEscape = 27;

}  // namespace

std::vector<std::string> DescriptionLines() {
  return {
      "A Vemko feliratszerkesztő program.",
      "",
      "Megnyithatók vele a másodperc alapú (.srt) és a képkocka alapú (.sub) feliratok.",
      "A feliratok sorai táblázatban szerkeszthetők: a kezdés, a befejezés és a szöveg",
      "a táblázat alatti mezőkben módosítható, a sorok beszúrhatók és törölhetők.",
      "A program javítja a gyakori hibákat (sortörés, átfedések, hangutánzó szavak),",
      "a feliratot szét tudja vágni két részre és össze tudja fűzni két részből,",
      "és sokféle formátumba el tudja menteni.",
      "A Fordítás ablakban az eredeti felirat és a fordítása egymás alatt látható.",
      "",
      "Újdonságok:",
      "",
      "6.832",
      "- Film lejátszása a feliratozás közben, a felirat megjelenítése a filmen.",
      "",
      "6.62",
      "- 800x600-as programbéli felbontás; két felirat egymás mellett.",
      "",
      "5.53",
      "- Agresszív sortörés; a 4 soros sorok jelölése.",
      "",
      "4.25",
      "- Fordítás ablak: az eredeti és a fordított felirat együtt.",
      "",
      "3.20",
      "- Feliratok szétvágása és összefűzése.",
      "",
      "2.10",
      "- Keresés és csere; dőlt, vastagított és aláhúzott szöveg.",
      "",
      "1.05",
      "- Az első kiadás: .srt és .sub feliratok megnyitása, szerkesztése és mentése.",
  };
}

TLeiras::TLeiras(shell::Program& program) : Form(program.app, "Leiras"), program_(program) {
  SetCaption("Leírás");
  SetPosition(ui::FormPosition::kScreenCenter);

  Memo1.SetLines(DescriptionLines());
  // The key filter keeps typing out; read-only also keeps out Delete, cut and paste keys.
  Memo1.SetReadOnly(true);
  Bleiras.SetCaption("Bezárás");

  Bleiras.OnClick = [this] { BleirasClick(); };
  Bleiras.OnKeyPress = [this](char& ch) { BleirasKeyPress(ch); };
  Memo1.OnKeyPress = [this](char& ch) { Memo1KeyPress(ch); };
  OnCreate = [this] { FormCreate(); };
  Created();
}

void TLeiras::FormCreate() {
  SetBounds(0, 0, 525, 484);
  SetConstraints({.min_width = 525, .max_width = 525, .min_height = 484, .max_height = 484});
}

void TLeiras::BleirasClick() {
  Close();
}

void TLeiras::BleirasKeyPress(char& ch) {
  if (ch == kEscape)
    Close();
}

void TLeiras::Memo1KeyPress(char& ch) {
  if (ch == kEscape)
    Close();
  else
    ch = kEscape;
}

}  // namespace shell
