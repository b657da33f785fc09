// Fuzzes the form-description reader: any text read into a form either builds components or
// raises EReadError; the form is then freed with whatever was read.
#include <cstdint>
#include <string_view>

#include "platform/vcl/application.h"
#include "platform/vcl/form.h"
#include "platform/vcl/form_description.h"
#include "platform/vcl/input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pxq::vcl;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  auto* form = new TForm(nullptr);
  try {
    ReadDescription(form, text);
    // What was built must also survive being shown and navigated.
    form->Show();
    PressKey(*form, VK_TAB);
    TypeText(*form, "x");
  } catch (const EVclError&) {
  }
  delete form;
  Application().ProcessMessages();
  return 0;
}
