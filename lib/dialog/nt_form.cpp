#include "lib/dialog/nt_form.h"

#include <exception>

#include "lib/dialog/disabled_glyph.h"
#include "lib/util/alert_log.h"
#include "platform/os/codepage.h"
#include "platform/vcl/font.h"

namespace pxq::dialog {

using namespace vcl;

PXQ_REGISTER_CLASS(TNTForm, TForm)
void TNTForm::DefineClass(TClassBuilder<TNTForm>&) {}

TNTForm::TNTForm(TComponent* owner) : TForm(owner) {
  SetCaption("NTForm");
  SetBounds(Left(), Top(), 400, 191);
  SetPosition(poScreenCenter);
  SetKeyPreview(true);
  SetShowHint(true);
  SetScaled(false);
  Font()->SetName(os::Ansi("宋体"));
  Font()->SetHeight(-13);
  Font()->SetCharset(DEFAULT_CHARSET);
  SetTextHeight(13);
  SetPixelsPerInch(96);

  NtConverter = new i18n::TCodeConverter(this);
  NtConverter->SetName("NtConverter");
  NtConverter->SetDesignType(i18n::dtClient);
  LangController = new i18n::TNtLangController(this);
  LangController->SetName("LangController");
}

void TNTForm::DoCreate() {
  converted_ = false;
  loadLanguageOnShow_ = true;
  for (int i = 0; i < ComponentCount(); ++i) PrepareComponent(Components(i));
  TForm::DoCreate();
}

void TNTForm::PrepareComponent(TComponent* c) {
  if (HasProperty(c, "ImeName")) SetStrPropByName(c, "ImeName", "");
  if (UICodePage() == "437" && HasProperty(c, "Font")) {
    SetOrdPropByName(c, "Font.Charset", GB2312_CHARSET);
    SetStrPropByName(c, "Font.Name", "Tahoma");
  }
  AddDisabledImages(c);
}

void TNTForm::DoShow() {
  if (loadLanguageOnShow_) {
    try {
      LoadLanguage(this, true);
    } catch (const std::exception& e) {
      // A broken language file leaves the form in its own texts; the form still opens.
      util::WriteAlertLog("NTForm", ClassName() + ": " + e.what(), "D");
    }
  }
  TForm::DoShow();
}

void TNTForm::ConvertOnce() {
  if (!converted_) NtConverter->ConvertForm(this);
  converted_ = true;
}

TModalResult TNTForm::ShowMessageBox(std::string_view text, TMsgDlgType type,
                                     TMsgDlgButtons buttons) {
  return NtConverter->ShowMessageDialog(text, type, buttons);
}

std::string TNTForm::GetLangMessage(std::string_view className, std::string_view identifier,
                                    bool convertDefault, std::string_view defaultText) const {
  std::string fallback(defaultText);
  if (convertDefault) fallback = NtConverter->ConvertForDisplay(Variant(fallback)).ToAnsi();
  return i18n::TLanguageController::GetLangMessage(LangController->DesignType(), className,
                                                   identifier, fallback);
}

std::vector<std::string> TNTForm::LanguageChain(const TComponent* component, bool withAncestors,
                                                bool withBase) {
  if (!withAncestors) return {component->ClassName()};
  std::vector<std::string> names;
  for (const TMetaClass* c = &component->ClassType(); c; c = c->Parent()) {
    if (c == &TForm::StaticClass() || c == &TComponent::StaticClass()) break;
    if (!withBase && c == &TNTForm::StaticClass()) break;
    names.insert(names.begin(), c->Name());
  }
  return names;
}

void TNTForm::LoadLanguage(TComponent* component, bool withAncestors) {
  LangController->LoadClassChain(component, LanguageChain(component, withAncestors, true));
}

void TNTForm::LoadOwnLanguage(TComponent* component, bool withAncestors) {
  LangController->LoadClassChain(component, LanguageChain(component, withAncestors, false));
}

}  // namespace pxq::dialog
