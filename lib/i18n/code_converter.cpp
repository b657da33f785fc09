#include "lib/i18n/code_converter.h"

#include <exception>

#include "lib/config/corvane_ini.h"
#include "lib/i18n/component_kinds.h"
#include "platform/vcl/font.h"
#include "platform/vcl/form.h"
#include "platform/vcl/grids.h"
#include "platform/vcl/listview.h"
#include "platform/vcl/menus.h"

namespace pxq::i18n {
namespace {

constexpr char kFontName[] = "SimSun";

vcl::TStrings* StringsProperty(vcl::TObject* object, std::string_view name) {
  const vcl::TPropInfo* prop = vcl::GetPropInfo(object, name);
  if (!prop || prop->Kind != vcl::TTypeKind::StringList || !prop->GetObject) return nullptr;
  return dynamic_cast<vcl::TStrings*>(prop->GetObject(*object));
}

vcl::TObject* ObjectProperty(vcl::TObject* object, std::string_view name,
                             std::string_view typeName) {
  const vcl::TPropInfo* prop = vcl::GetPropInfo(object, name);
  if (!prop || prop->Kind != vcl::TTypeKind::Class || !prop->GetObject) return nullptr;
  if (!prop->ObjectClass || !prop->ObjectClass().InheritsFrom(typeName)) return nullptr;
  return prop->GetObject(*object);
}

// The type name of an enumeration property, or empty.
std::string EnumType(vcl::TObject* object, std::string_view name) {
  const vcl::TPropInfo* prop = vcl::GetPropInfo(object, name);
  return prop && prop->Kind == vcl::TTypeKind::Enumeration ? prop->Type() : std::string();
}

// The selected item of a combo box, kept across a change that may lose it.
class KeepItemIndex {
 public:
  explicit KeepItemIndex(vcl::TComponent* c)
      : c_(IsComboBox(c) ? c : nullptr), index_(c_ ? vcl::GetOrdPropByName(c_, "ItemIndex") : -1) {}
  ~KeepItemIndex() {
    if (c_ && index_ >= 0 && vcl::GetOrdPropByName(c_, "ItemIndex") != index_) {
      vcl::SetOrdPropByName(c_, "ItemIndex", index_);
    }
  }
  KeepItemIndex(const KeepItemIndex&) = delete;
  KeepItemIndex& operator=(const KeepItemIndex&) = delete;

 private:
  vcl::TComponent* c_;
  int64_t index_;
};

}  // namespace

PXQ_REGISTER_CLASS(TCodeConverter, vcl::TComponent)

void TCodeConverter::DefineClass(vcl::TClassBuilder<TCodeConverter>& c) {
  c.Enum("DesignType", &TCodeConverter::DesignType, &TCodeConverter::SetDesignType);
}

TCodeConverter::TCodeConverter(vcl::TComponent* owner)
    : TCodeConverter(owner, kTranslatorLibrary) {}

TCodeConverter::TCodeConverter(vcl::TComponent* owner, std::string_view translatorLibrary)
    : vcl::TComponent(owner) {
  config::TCorvaneIniC ini;
  systemCodePage_ = ini.SystemCodePage;
  uiCodePage_ = ini.UICodePage;
  dbCodePage_ = ini.DBCodePage;
  uiConvertMode_ = ini.UIConvertMode;
  dbConvertMode_ = ini.DBConvertMode;
  if (uiConvertMode_ != 0) translator_ = std::make_unique<TTranslator>(translatorLibrary);
}

TCodeConverter::~TCodeConverter() = default;

int TCodeConverter::ReverseMode(int mode) {
  if (mode == kBig5ToGb) return kGbToBig5;
  if (mode == kGbToBig5) return kBig5ToGb;
  return 0;
}

std::string TCodeConverter::Big5ToGb(std::string_view text) const {
  if (!translator_ || text.empty()) return std::string(text);
  return translator_->Big5ToGb(text);
}

std::string TCodeConverter::GbToBig5(std::string_view text) const {
  if (!translator_ || text.empty()) return std::string(text);
  return translator_->GbToBig5(text);
}

std::string TCodeConverter::Convert(int code, std::string_view text) const {
  if (code == kBig5ToGb) return Big5ToGb(text);
  if (code == kGbToBig5) return GbToBig5(text);
  return std::string(text);
}

Variant TCodeConverter::ConvertText(int code, const Variant& value) const {
  if ((code != kBig5ToGb && code != kGbToBig5) || !translator_ || value.IsBlank()) return value;
  if (!value.IsArray()) return Variant(Convert(code, value.ToAnsi()));
  // One or two dimensions alike: every element by these rules (nulls stay null).
  Variant result = value;
  for (Variant& element : result.Array().Elements()) element = ConvertText(code, element);
  return result;
}

Variant TCodeConverter::ConvertForDisplay(const Variant& value) const {
  return ConvertText(uiConvertMode_, value);
}

Variant TCodeConverter::ConvertFromDisplay(const Variant& value) const {
  try {
    return ConvertText(ReverseMode(uiConvertMode_), value);
  } catch (const std::exception&) {
    return value;
  }
}

Variant TCodeConverter::ConvertFromDatabase(const Variant& value) const {
  return ConvertText(dbConvertMode_, value);
}

Variant TCodeConverter::ConvertToDatabase(const Variant& value) const {
  try {
    return ConvertText(ReverseMode(dbConvertMode_), value);
  } catch (const std::exception&) {
    return value;
  }
}

void TCodeConverter::ApplyFont(int mode, vcl::TFont* font) {
  if (!font) return;
  switch (mode) {
    case 0:
    case 1:
    case 4:
      font->SetName(kFontName);
      font->SetCharset(vcl::GB2312_CHARSET);
      break;
    case 2:
    case 3:
      font->SetName(kFontName);
      font->SetCharset(vcl::CHINESEBIG5_CHARSET);
      break;
    default:
      break;
  }
}

void TCodeConverter::ConvertStrProp(vcl::TObject* object, std::string_view name, int code) const {
  const vcl::TPropInfo* prop = vcl::GetPropInfo(object, name);
  if (!prop || prop->Kind != vcl::TTypeKind::String || !prop->GetStr || !prop->SetStr) return;
  const std::string text = prop->GetStr(*object);
  if (!text.empty()) prop->SetStr(*object, Convert(code, text));
}

void TCodeConverter::ConvertStrings(vcl::TComponent* component, std::string_view name,
                                    int code) const {
  vcl::TStrings* list = StringsProperty(component, name);
  if (!list || list->Count() == 0) return;
  KeepItemIndex keep(component);
  list->SetText(Convert(code, list->Text()));
}

void TCodeConverter::ConvertForm(vcl::TCustomForm* form) const {
  if (!form || !translator_) return;
  const int mode = uiConvertMode_;
  if (systemCodePage_ == "950") form->SetCaption(GbToBig5(form->Caption()));
  ConvertStrProp(form, "Hint", mode);
  ConvertStrProp(form, "ButtonHint", mode);
  vcl::TScreen& screen = vcl::Screen();
  for (vcl::TFont* font : {screen.IconFont(), screen.HintFont(), screen.MenuFont()}) {
    ApplyFont(mode, font);
  }
  // Hints take the new font once their display is switched off and back on.
  const bool showHint = vcl::Application().ShowHint();
  vcl::Application().SetShowHint(false);
  vcl::Application().SetShowHint(showHint);
  if (mode == 0) return;
  for (int i = 0; i < form->ComponentCount(); ++i) ConvertComponent(form->Components(i));
}

// Fonts, texts, lists, styles and status panels that the component publishes.
void TCodeConverter::ConvertComponent(vcl::TComponent* c) const {
  const int mode = uiConvertMode_;
  ApplyFont(mode, dynamic_cast<vcl::TFont*>(ObjectProperty(c, "Font", "TFont")));
  ApplyFont(mode, dynamic_cast<vcl::TFont*>(ObjectProperty(c, "TitleFont", "TFont")));
  for (const char* name : {"Caption", "Hint", "ButtonHint"}) ConvertStrProp(c, name, mode);
  ConvertStrings(c, "Items", mode);
  ConvertStrings(c, "Lines", mode);

  const std::string style = EnumType(c, "Style");
  if (style == "TComboBoxStyle") {
    KeepItemIndex keep(c);
    const std::string value = vcl::GetPropText(c, "Style");
    if (value == "csDropDown") vcl::SetPropText(c, "Style", "csOwnerDrawVariable");
    if (value == "csDropDownList") vcl::SetPropText(c, "Style", "csOwnerDrawFixed");
  } else if (style == "TListBoxStyle" && vcl::GetPropText(c, "Style") == "lbStandard") {
    vcl::SetPropText(c, "Style", "lbOwnerDrawFixed");
  }
  if (const vcl::TPropInfo* prop = vcl::GetPropInfo(c, "Panels");
      prop && prop->Type() == "TStatusPanels" && prop->GetObject) {
    if (auto* panels = dynamic_cast<vcl::TCollection*>(prop->GetObject(*c))) {
      for (int i = 0; i < panels->Count(); ++i) ConvertStrProp(panels->Items(i), "Text", mode);
    }
  }

  ConvertByKind(c);
}

// What a kind of control holds beyond its published texts: converted with the interface mode
// when it is a direction; only menus change for the other modes.
void TCodeConverter::ConvertByKind(vcl::TComponent* c) const {
  const int mode = uiConvertMode_;
  if (auto* menu = dynamic_cast<vcl::TMenu*>(c)) menu->SetOwnerDraw(true);
  const int d = mode == kBig5ToGb || mode == kGbToBig5 ? mode : 0;
  if (d == 0) return;

  if (auto* list = dynamic_cast<vcl::TListView*>(c)) {
    ConvertListView(list, d);
  } else if (c->InheritsFrom("TSelectPanel")) {
    // Its parts follow: the hints go to the editors and buttons, the words to the labels.
    if (vcl::TStrings* hints = StringsProperty(c, "ChildHints")) {
      for (int i = 0; i < hints->Count(); ++i) hints->Put(i, Convert(d, hints->Strings(i)));
    }
    for (const char* name : {"BeginWords", "FinalWords"}) {
      if (vcl::TStrings* words = StringsProperty(c, name)) {
        vcl::TStringList converted;
        for (int i = 0; i < words->Count(); ++i) converted.Add(Convert(d, words->Strings(i)));
        vcl::TrySetObjectProp(c, name, &converted);
      }
    }
    ConvertStrProp(c, "HintWord", d);
    if (auto* list = dynamic_cast<vcl::TListView*>(c->FindComponent("ListBox"))) {
      ConvertListView(list, d);
    }
  } else if (c->InheritsFrom("TCustomTabSet") || c->InheritsFrom("TTabSet")) {
    if (vcl::TStrings* tabs = StringsProperty(c, "Tabs"); tabs && tabs->Count() > 0) {
      const int64_t selected = vcl::GetOrdPropByName(c, "TabIndex");
      tabs->SetText(Convert(d, tabs->Text()));
      vcl::SetOrdPropByName(c, "TabIndex", selected);
    }
  } else if (IsComboBox(c)) {
    if (vcl::GetPropText(c, "Style") != "csSimple") {
      vcl::SetPropText(c, "Style", "csOwnerDrawFixed");
    }
    if (vcl::GetOrdPropByName(c, "ItemIndex") < 0) vcl::SetOrdPropByName(c, "ItemIndex", 0);
  } else if (c->InheritsFrom("TCustomDBNavigator") || c->InheritsFrom("TDBNavigator")) {
    if (vcl::TStrings* hints = StringsProperty(c, "Hints")) {
      for (int i = 0; i < hints->Count(); ++i) hints->Put(i, Convert(d, hints->Strings(i)));
    }
  } else if (c->InheritsFrom("TCustomTreeView") || c->InheritsFrom("TTreeView")) {
    auto* nodes = dynamic_cast<vcl::TPersistent*>(ObjectProperty(c, "Items", "TPersistent"));
    for (int i = 0; nodes; ++i) {
      vcl::TPersistent* node = nodes->IndexedItem(i);
      if (!node) break;
      ConvertStrProp(node, "Text", d);
    }
  } else if (auto* grid = dynamic_cast<vcl::TStringGrid*>(c)) {
    for (int row = 0; row < grid->RowCount(); ++row) {
      for (int col = 0; col < grid->ColCount(); ++col) {
        const std::string text = grid->Cells(col, row);
        if (!text.empty()) grid->SetCells(col, row, Convert(d, text));
      }
    }
  }
}

void TCodeConverter::ConvertListView(vcl::TListView* list, int code) const {
  vcl::TListItems* rows = list->Items();
  for (int col = 0; col < list->Columns()->Count(); ++col) {
    vcl::TListColumn* column = list->Columns()->Items(col);
    column->SetCaption(Convert(code, column->Caption()));
    for (int r = 0; r < rows->Count(); ++r) {
      vcl::TListItem* row = rows->Item(r);
      if (col == 0) {
        row->SetCaption(Convert(code, row->Caption()));
      } else if (col - 1 < row->SubItems()->Count()) {
        row->SubItems()->Put(col - 1, Convert(code, row->SubItems()->Strings(col - 1)));
      }
    }
  }
}

vcl::TModalResult TCodeConverter::ShowMessageDialog(std::string_view text, vcl::TMsgDlgType type,
                                                    vcl::TMsgDlgButtons buttons) const {
  if (text.empty()) return vcl::mrNone;
  vcl::TMessageBoxRequest request;
  request.Text = std::string(text);
  // Padding that keeps the last double-byte characters clear of the dialog's edge.
  if (uiCodePage_ == "936" || systemCodePage_ == "936") request.Text += "      ";
  request.Type = type;
  request.Buttons = buttons;
  vcl::TFont font;
  ApplyFont(uiConvertMode_, &font);
  request.FontName = font.Name();
  request.FontCharset = font.Charset();
  if (auto* form = dynamic_cast<vcl::TCustomForm*>(Owner())) {
    if (form->WindowState() == vcl::wsMinimized) form->SetWindowState(vcl::wsNormal);
    request.Caption = form->Caption();
  }
  return vcl::Application().Backend().ShowMessageBox(request);
}

}  // namespace pxq::i18n
