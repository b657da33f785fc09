// Fuzz target: arbitrary bytes as a language file, applied to a small form.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "lib/i18n/language_controller.h"
#include "platform/vcl/form.h"
#include "platform/vcl/listview.h"
#include "platform/vcl/stdctrls.h"

namespace {

using namespace pxq;

template <class T>
T* Add(vcl::TForm* form, const char* name) {
  auto* c = new T(form);
  c->SetName(name);
  c->SetParent(form);
  return c;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<vcl::TForm> form(vcl::CreateForm<vcl::TForm>(nullptr));
  form->SetName("frmFuzz");
  Add<vcl::TLabel>(form.get(), "lblName");
  Add<vcl::TMemo>(form.get(), "meNote");
  auto* combo = Add<vcl::TComboBox>(form.get(), "cboKind");
  combo->Items()->SetText("a\nb\n");
  combo->SetItemIndex(0);
  auto* list = Add<vcl::TListView>(form.get(), "lvRows");
  list->Columns()->Add();
  list->Items()->Add();
  auto* controller = new i18n::TNtLangController(form.get());
  controller->SetName("LangController");
  controller->ExcludeControls()->Add("meNote");
  controller->XmlText()->SetText(std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    controller->SetActive(true);
    controller->Reader().ReadComponent(form.get());
  } catch (const i18n::LanguageControllerError&) {
    // Not well-formed: reported, nothing applied.
  }
  return 0;
}
