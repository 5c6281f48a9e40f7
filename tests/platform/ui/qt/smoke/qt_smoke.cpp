// The smoke program of the Qt backend: a window with two edits, a menu and a dialog, for
// xvfb_smoke.sh to type into on a real X server. It prints what the model ended with.
#include <cstdio>
#include <memory>

#include "platform/dataset/row_table.h"
#include "platform/text/text.h"
#include "platform/ui/qt/qt_backend.h"
#include "platform/ui/ui.h"

namespace {

class SmokeDialog : public ui::Form {
 public:
  explicit SmokeDialog(ui::Application& app) : Form(app, "SmokeDialog") {
    SetCaption("Smoke dialog");
    SetBounds(300, 300, 240, 110);
    SetBorderStyle(ui::BorderStyle::kDialog);
    Bok.SetCaption("OK");
    Bok.SetKind(ui::ButtonKind::kOk);
    Bmegsem.SetCaption("Mégsem");
    Bmegsem.SetKind(ui::ButtonKind::kCancel);
    Created();
  }
  ui::BitBtn Bok{*this, "Bok", {30, 30, 75, 25}};
  ui::BitBtn Bmegsem{*this, "Bmegsem", {120, 30, 75, 25}};
};

class SmokeForm : public ui::Form {
 public:
  explicit SmokeForm(ui::Application& app) : Form(app, "SmokeForm") {
    SetCaption("Vemko smoke");
    SetBounds(100, 100, 360, 320);
    table.CreateDataSet();
    for (int i = 1; i <= 100; ++i) {
      table.Append();
      table.SetValue(dataset::subtitle_field::kSzoveg, "sor " + text::IntToStr(i));
      table.Post();
    }
    table.First();
    source.SetDataSet(&table);
    racs.SetDataSource(&source);
    racs.AddColumn({.field = "Sorszam", .title = "Sorszám", .width = 50});
    racs.AddColumn({.field = "Szoveg", .title = "Szöveg", .width = 200});
    // The wheel turns into Up and Down keys, as the editor's message hook does.
    app.OnMessage = [this](ui::Message& m, bool&) {
      if (m.kind == ui::MessageKind::kMouseWheel && m.form == this) {
        m.kind = ui::MessageKind::kKeyDown;
        m.key = m.wheel_delta > 0 ? ui::keys::kUp : ui::keys::kDown;
        ++wheel_messages;
      }
    };
    Szamok.OnKeyPress = [](char& ch) {
      if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'))
        ch = 27;
    };
    Lista.SetShortCut(ui::MakeShortCut(ui::keys::kF5));
    Lista.OnClick = [this] { ++f5; };
    Kerdes.SetShortCut(ui::MakeShortCut(ui::keys::kF2));
    Kerdes.OnClick = [this] { modal = dialog->ShowModal(); };
    Bok.SetCaption("Kész");
    Bok.SetDefault(true);
    Bok.OnClick = [this] { Close(); };
    Created();
  }
  ui::MainMenu Menu1{*this, "Menu1"};
  ui::MenuItem Felirat{Menu1, "Felirat", "Felirat"};
  ui::MenuItem Lista{Felirat, "Lista", "Lista"};
  ui::MenuItem Kerdes{Felirat, "Kerdes", "Kérdés"};
  ui::Edit Szamok{*this, "Szamok", {8, 8, 150, 21}};
  ui::Edit Szoveg{*this, "Szoveg", {8, 40, 150, 21}};
  ui::Button Bok{*this, "Bok", {8, 80, 75, 25}};
  dataset::RowTable table{dataset::SubtitleRowFields()};
  ui::DataSource source{*this, "source"};
  ui::DbGrid racs{*this, "racs", {8, 110, 300, 150}};
  int wheel_messages = 0;
  SmokeDialog* dialog = nullptr;
  int f5 = 0;
  int modal = -1;
};

}  // namespace

int main(int argc, char** argv) {
  std::unique_ptr<ui::Backend> backend = ui::qt::MakeQtBackend(argc, argv);
  ui::Application app(*backend);
  SmokeForm form(app);  // the main form: made first
  SmokeDialog dialog(app);
  form.dialog = &dialog;
  app.Run();
  std::printf("edit=%s edit2=%s f5=%d modal=%d row=%d wheel=%d\n",
              text::Cp1250ToUtf8(form.Szamok.Text()).c_str(),
              text::Cp1250ToUtf8(form.Szoveg.Text()).c_str(), form.f5, form.modal,
              form.table.RecNo(), form.wheel_messages);
  return 0;
}
