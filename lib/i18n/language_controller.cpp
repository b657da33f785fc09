#include "lib/i18n/language_controller.h"

#include "platform/os/codepage.h"

namespace pxq::i18n {

PXQ_REGISTER_CLASS(TLanguageController, vcl::TComponent)
PXQ_REGISTER_CLASS(TNtLangController, TLanguageController)

void TLanguageController::DefineClass(vcl::TClassBuilder<TLanguageController>& c) {
  c.Bool("Active", &TLanguageController::Active, &TLanguageController::SetActive);
  c.Str("LangPackageName", &TLanguageController::LangPackageName,
        &TLanguageController::SetLangPackageName);
  c.Enum("DesignType", &TLanguageController::DesignType, &TLanguageController::SetDesignType);
  c.Strings("ExcludeControls", &TLanguageController::ExcludeControls);
  c.Event("BeforeOpen", &TLanguageController::BeforeOpen);
  c.Event("AfterOpen", &TLanguageController::AfterOpen);
  c.Event("BeforeClose", &TLanguageController::BeforeClose);
  c.Event("AfterClose", &TLanguageController::AfterClose);
  c.Event("BeforeLoadComponent", &TLanguageController::BeforeLoadComponent, "TLoadComponentEvent");
  c.Event("AfterLoadComponent", &TLanguageController::AfterLoadComponent, "TLoadComponentEvent");
}

void TNtLangController::DefineClass(vcl::TClassBuilder<TNtLangController>&) {}

TLanguageController::TLanguageController(vcl::TComponent* owner)
    : vcl::TComponent(owner),
      xmlText_(std::make_unique<vcl::TStringList>()),
      excludeControls_(std::make_unique<vcl::TStringList>()) {
  xmlText_->OnChange = [this](vcl::TObject*) { XmlTextChanged(); };
  excludeControls_->OnChange = [this](vcl::TObject*) {
    if (reader_) reader_->SetExcludeControls(ExcludeList());
  };
}

TLanguageController::~TLanguageController() {
  // The lists' handlers point at this controller; they must not run while it goes away.
  xmlText_->OnChange = nullptr;
  excludeControls_->OnChange = nullptr;
}

bool TLanguageController::Active() const { return document_ && document_->Root(); }

void TLanguageController::SetActive(bool active) {
  if (ComponentState().Contains(vcl::csReading)) {
    streamedActive_ = active;
    return;
  }
  if (active == Active()) return;
  if (active) {
    Open();
  } else {
    Close();
  }
}

void TLanguageController::Loaded() {
  vcl::TComponent::Loaded();
  if (streamedActive_) {
    streamedActive_ = false;
    SetActive(true);
  }
}

void TLanguageController::Open() {
  BeforeOpen(this);
  reader_.reset();
  document_.reset();
  auto document = std::make_unique<xml::Document>();
  if (xmlText_->Count() > 0) {
    document->LoadText(xmlText_->Text());
  } else if (fileName_.empty()) {
    throw LanguageControllerError("Cannot Find File " + fileName_ + "!");
  } else {
    document->LoadFile(os::AnsiToUtf8(fileName_));
  }
  if (document->ParseErrorCode() != 0) throw LanguageControllerError(document->ParseErrorReason());
  document_ = std::move(document);
  reader_ = std::make_unique<TLangReader>(*document_, ExcludeList(), BeforeLoadComponent,
                                          AfterLoadComponent);
  AfterOpen(this);
}

void TLanguageController::Close() {
  BeforeClose(this);
  reader_.reset();
  document_.reset();
  AfterClose(this);
}

void TLanguageController::SetLangPackageName(const std::string& name) {
  if (name == langPackageName_) return;
  langPackageName_ = name;
  SetFileName(LanguageFileName(designType_, name));
}

void TLanguageController::SetFileName(const std::string& fileName) {
  if (fileName == fileName_) return;
  fileName_ = fileName;
  xmlText_->Clear();
  SetActive(false);
}

void TLanguageController::XmlTextChanged() {
  if (ComponentState().Contains(vcl::csReading)) return;
  if (xmlText_->Count() == 0) return;
  fileName_.clear();
  SetActive(false);
}

void TLanguageController::SetExcludeControls(const vcl::TStrings* names) {
  if (names) {
    excludeControls_->Assign(*names);
  } else {
    excludeControls_->Clear();
  }
}

std::vector<std::string> TLanguageController::ExcludeList() const {
  return excludeControls_->ToVector();
}

TLangReader& TLanguageController::Reader() {
  if (!Active() || !reader_) throw LanguageControllerError("No active LanguageController!");
  return *reader_;
}

void TLanguageController::LoadClassChain(vcl::TComponent* component,
                                         const std::vector<std::string>& classNames) {
  for (const std::string& className : classNames) {
    SetLangPackageName(className);
    if (!LanguageFileExists(fileName_)) continue;
    SetActive(true);
    Reader().ReadComponent(component);
  }
}

std::string TLanguageController::GetLangMessage(TDesignType designType, std::string_view package,
                                                std::string_view messageId,
                                                std::string_view defaultText) {
  const std::string file = LanguageFileName(designType, package);
  // Only a plain element name can name a message element; anything else would change the query.
  if (!IsPlainXmlName(messageId) || !LanguageFileExists(file)) return std::string(defaultText);
  xml::Document document;
  if (!document.LoadFile(os::AnsiToUtf8(file))) return std::string(defaultText);
  const xml::Node node = document.Root().SelectSingleNode("//" + std::string(messageId) + "/@Msg");
  if (!node) return std::string(defaultText);
  return node.Type() == xml::NodeType::kAttribute ? node.Text() : std::string();
}

}  // namespace pxq::i18n
