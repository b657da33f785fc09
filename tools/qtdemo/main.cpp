// Shows the example condition form in a real window and prints what was entered.
//
//   pxq_qtdemo                       the form in a window; OK or Cancel ends the program
//   pxq_qtdemo --screenshot FILE     renders the form offscreen into a PNG file and exits
#include <QApplication>
#include <cstring>
#include <iostream>
#include <string>

#include "lib/controls/register.h"
#include "platform/os/codepage.h"
#include "platform/qt/control_peers.h"
#include "platform/qt/view.h"
#include "tools/qtdemo/demo_form.h"

int main(int argc, char** argv) {
  std::string screenshot;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
      screenshot = argv[++i];
    } else {
      std::cerr << "usage: " << argv[0] << " [--screenshot FILE]\n";
      return 2;
    }
  }
  if (!screenshot.empty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  pxq::qt::QtView view;
  pxq::qt::RegisterControlPeers();
  pxq::vcl::RegisterControlClasses();

  auto* form = pxq::vcl::CreateForm<pxq::demo::TfrmDemo>(nullptr);
  int status = 0;
  if (!screenshot.empty()) {
    form->Show();
    QApplication::processEvents();
    if (!view.SaveScreenshot(*form, screenshot)) {
      std::cerr << "cannot write " << screenshot << "\n";
      status = 1;
    }
  } else {
    const pxq::vcl::TModalResult result = form->ShowModal();
    using pxq::os::AnsiToUtf8;
    std::cout << "result: " << (result == pxq::vcl::mrOk ? "OK" : "Cancel") << "\n"
              << "sp01: " << AnsiToUtf8(form->sp01->edBegin->Text()) << " - "
              << AnsiToUtf8(form->sp01->edFinal->Text()) << "\n"
              << "dates: " << AnsiToUtf8(form->me03Begin->Text()) << " - "
              << AnsiToUtf8(form->me03Final->Text()) << "\n"
              << "sort: " << AnsiToUtf8(form->cbo04->Text()) << "\n"
              << "locked only: " << (form->chk05->Checked() ? "Y" : "N") << "\n";
  }
  delete form;
  return status;
}
