#include "shell/verzioinfo.h"

#include "shell/program.h"

namespace shell {

namespace {

constexpr char kEscape = 27;

}  // namespace

std::vector<std::string> VersionHistoryLines() {
  return {
      "v6.873",
      "- Külön \"gomb\" a 4 soros sorok megtöréséhez",
      "",
      "v6.85",
      "- A fordítás ablakban is lehet keresni",
      "- Javított Átfedés vizsgálata",
      "",
      "v6.832",
      "- Film lejátszása a feliratozás közben",
      "- Felirat megjelenítése a filmen",
      "",
      "v6.80",
      "- Hangutánzó szavak és nevek eltávolítása",
      "",
      "v6.62",
      "- 800x600-as programbéli felbontás",
      "- Két felirat egymás mellett",
      "",
      "v6.50",
      "- Képkocka/másodperc alapú átváltás",
      "- FPS beolvasása AVI file-ból",
      "",
      "v6.20",
      "- Feliratok szétvágása és összefűzése (2 CD <-> 1 CD)",
      "",
      "v6.00",
      "- Mentés 56 különböző formátumba",
      "",
      "v5.95",
      "- Agresszív sortörés",
      "- Dőlt, vastagított és aláhúzott szöveg",
      "",
      "v5.85",
      "- Keresés és csere",
      "- Több sor törlése egyszerre",
      "",
  };
}

TVerzioinfo::TVerzioinfo(shell::Program& program)
    : Form(program.app, "Verzioinfo"), program_(program) {
  SetCaption("Verzióinformáció");
  SetBounds(0, 0, 283, 337);
  SetPosition(ui::FormPosition::kScreenCenter);

  Memo1.SetReadOnly(true);
  Memo1.SetLines(VersionHistoryLines());
  Memo1.OnKeyPress = [this](char& ch) { Memo1KeyPress(ch); };

  Created();
}

void TVerzioinfo::Memo1KeyPress(char& ch) {
  if (ch == kEscape)
    Close();
}

}  // namespace shell
