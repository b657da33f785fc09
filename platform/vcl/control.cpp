#include "platform/vcl/control.h"

#include <algorithm>
#include <tuple>

#include "platform/vcl/application.h"
#include "platform/vcl/form.h"
#include "platform/vcl/menus.h"

namespace pxq::vcl {

const TEnumInfo& EnumInfoOf(TAlign*) {
  static const TEnumInfo info{
      "TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TAlignment*) {
  static const TEnumInfo info{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TAnchorKind*) {
  static const TEnumInfo info{"TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"}};
  return info;
}

namespace {
constexpr int kMaxPos = 1000000;
int ClampPos(int v) { return std::clamp(v, -kMaxPos, kMaxPos); }
int ClampSize(int v) { return std::clamp(v, 0, kMaxPos); }
}  // namespace

// --- TControl ------------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TControl, TComponent)
void TControl::DefineClass(TClassBuilder<TControl>& c) {
  c.Int("Left", &TControl::Left, &TControl::SetLeft);
  c.Int("Top", &TControl::Top, &TControl::SetTop);
  c.Int("Width", &TControl::Width, &TControl::SetWidth);
  c.Int("Height", &TControl::Height, &TControl::SetHeight);
  c.Enum("Align", &TControl::Align, &TControl::SetAlign);
  c.Set("Anchors", "TAnchors", &TControl::Anchors, &TControl::SetAnchors);
  c.Bool("Visible", &TControl::Visible, &TControl::SetVisible);
  c.Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled);
  c.Str("Hint", &TControl::Hint, &TControl::SetHint);
  c.Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint);
  c.Bool("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint);
  c.Object<TFont>("Font", &TControl::Font);
  c.Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
  c.Int("Color", &TControl::Color, &TControl::SetColor, &ColorIdents());
  c.Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor);
  c.Int("Cursor", &TControl::Cursor, &TControl::SetCursor, &CursorIdents());
  c.Bool("Ctl3D", &TControl::Ctl3D, &TControl::SetCtl3D);
  c.Bool("ParentCtl3D", &TControl::ParentCtl3D, &TControl::SetParentCtl3D);
  c.Int("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext);
  c.Reference<TPopupMenu>("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
  c.Event("OnClick", &TControl::OnClick);
  c.Event("OnDblClick", &TControl::OnDblClick);
  c.Event("OnMouseDown", &TControl::OnMouseDown, "TMouseEvent");
  c.Event("OnMouseUp", &TControl::OnMouseUp, "TMouseEvent");
  c.Event("OnMouseMove", &TControl::OnMouseMove, "TMouseMoveEvent");
  c.Event("OnResize", &TControl::OnResize);
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  font_->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() {
  if (parent_) parent_->RemoveControl(this);
}

void TControl::BeforeDestruction() {
  if (ComponentState().Contains(csDestroying)) return TComponent::BeforeDestruction();
  Destroying();
  TComponent::BeforeDestruction();
  SetParent(nullptr);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* w = dynamic_cast<TWinControl*>(parent)) SetParent(w);
}

TCustomForm* TControl::ParentForm() const { return GetParentForm(this); }

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent && (parent == this || (dynamic_cast<TWinControl*>(this) &&
                                    static_cast<TWinControl*>(this)->ContainsControl(parent)))) {
    throw EInvalidOperation("A control cannot have itself as its parent");
  }
  TWinControl* old = parent_;
  if (old) {
    if (auto* w = dynamic_cast<TWinControl*>(this)) {
      if (TCustomForm* form = GetParentForm(this); form && form != this)
        form->DefocusControl(w, true);
    }
    old->RemoveControl(this);
  }
  if (parent) {
    parent->InsertControl(this);
    if (parentFont_) {
      parentFont_ = false;
      SetParentFont(true);
    }
    if (parentColor_) {
      parentColor_ = false;
      SetParentColor(true);
    }
  }
  Application().Notify([&](TModelObserver& o) { o.ParentChanged(*this, old); });
}

void TControl::SetBounds(int left, int top, int width, int height) {
  left = ClampPos(left);
  top = ClampPos(top);
  width = ClampSize(width);
  height = ClampSize(height);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Changed("Bounds");
  if (resized && !Loading()) Resize();
  RequestAlign();
}

TPoint TControl::ClientOrigin() const {
  TPoint p{left_, top_};
  for (const TWinControl* w = parent_; w && w->parent_; w = w->parent_) {
    p.X += w->left_;
    p.Y += w->top_;
  }
  if (dynamic_cast<const TCustomForm*>(this)) return {0, 0};
  return p;
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  Changed("Align");
  RequestAlign();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  VisibleChanged();
  Changed("Visible");
  RequestAlign();
}

void TControl::VisibleChanged() {}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
  Changed("Enabled");
}

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Changed("Caption");
  TextChanged();
}

void TControl::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  Changed("Hint");
}

bool TControl::ShowHint() const {
  return parentShowHint_ && parent_ ? parent_->ShowHint() : showHint_;
}

void TControl::SetShowHint(bool v) {
  showHint_ = v;
  parentShowHint_ = false;
}

void TControl::SetParentFont(bool v) {
  if (v == parentFont_) return;
  if (v && parent_) {
    font_->Assign(*parent_->Font());  // FontChanged clears the flag; set it after
  }
  parentFont_ = v;
}

void TControl::FontChanged() {
  parentFont_ = false;
  Changed("Font");
  if (auto* w = dynamic_cast<TWinControl*>(this)) {
    for (TControl* c : w->controls_) {
      if (c->parentFont_) {
        c->font_->Assign(*font_);
        c->parentFont_ = true;
      }
    }
  }
}

void TControl::SetColor(TColor color) {
  parentColor_ = false;
  if (color == color_) return;
  color_ = color;
  Changed("Color");
  if (auto* w = dynamic_cast<TWinControl*>(this)) {
    for (TControl* c : w->controls_) {
      if (c->parentColor_) {
        c->SetColor(color);
        c->parentColor_ = true;
      }
    }
  }
}

void TControl::SetParentColor(bool v) {
  if (v == parentColor_) return;
  if (v && parent_) SetColor(parent_->Color());
  parentColor_ = v;
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (menu == popupMenu_) return;
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* c, TOperation op) {
  TComponent::Notification(c, op);
  if (op == opRemove && c == popupMenu_) popupMenu_ = nullptr;
}

LRESULT TControl::Perform(uint32_t msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  WndProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& msg) {
  const int x = LoWordSigned(msg.LParam);
  const int y = HiWordSigned(msg.LParam);
  switch (msg.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
      if (!enabled_) return;
      const bool left = msg.Msg == WM_LBUTTONDOWN;
      // Windowed controls that take part in tabbing take the focus when pressed; when the
      // focus could not move there (an exit check kept it), the press goes no further.
      if (auto* w = dynamic_cast<TWinControl*>(this); w && left && w->TabStop() && w->CanFocus()) {
        if (!w->Focused()) w->SetFocus();
        if (!w->Focused()) return;
      }
      if (left) mouseCaptured_ = true;
      MouseDown(left ? mbLeft : mbRight, MouseKeysToShiftState(msg.WParam), x, y);
      return;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
      const bool left = msg.Msg == WM_LBUTTONUP;
      const bool captured = mouseCaptured_;
      if (left) mouseCaptured_ = false;
      if (!enabled_) return;
      MouseUp(left ? mbLeft : mbRight, MouseKeysToShiftState(msg.WParam), x, y);
      if (left && captured && x >= 0 && y >= 0 && x < width_ && y < height_) Click();
      return;
    }
    case WM_LBUTTONDBLCLK:
      if (enabled_) DblClick();
      return;
    case WM_MOUSEMOVE:
      if (enabled_) MouseMove(MouseKeysToShiftState(msg.WParam), x, y);
      return;
    default:
      return;
  }
}

void TControl::Click() { OnClick(this); }
void TControl::DblClick() { OnDblClick(this); }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseDown(this, button, shift, x, y);
}
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseUp(this, button, shift, x, y);
}
void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }

void TControl::Resize() { OnResize(this); }

void TControl::BringToFront() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  std::erase(list, this);
  list.push_back(this);
  Changed("ZOrder");
}

void TControl::SendToBack() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  std::erase(list, this);
  list.insert(list.begin(), this);
  Changed("ZOrder");
}

void TControl::Changed(std::string_view property) { NotifyPropertyChanged(*this, property); }

void TControl::RequestAlign() {
  if (parent_ && (align_ != alNone || parent_->aligning_)) parent_->Realign();
}

// --- TGraphicControl, TWinControl ----------------------------------------------------------

PXQ_REGISTER_CLASS(TGraphicControl, TControl)
void TGraphicControl::DefineClass(TClassBuilder<TGraphicControl>&) {}

PXQ_REGISTER_CLASS(TWinControl, TControl)
void TWinControl::DefineClass(TClassBuilder<TWinControl>& c) {
  c.Int("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder);
  c.Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop);
  c.Event("OnEnter", &TWinControl::OnEnter);
  c.Event("OnExit", &TWinControl::OnExit);
  c.Event("OnKeyDown", &TWinControl::OnKeyDown, "TKeyEvent");
  c.Event("OnKeyPress", &TWinControl::OnKeyPress, "TKeyPressEvent");
  c.Event("OnKeyUp", &TWinControl::OnKeyUp, "TKeyEvent");
}

PXQ_REGISTER_CLASS(TCustomControl, TWinControl)
void TCustomControl::DefineClass(TClassBuilder<TCustomControl>&) {}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  while (!controls_.empty()) RemoveControl(controls_.back());
  if (handle_) Application().ReleaseHandle(handle_);
}

void TWinControl::BeforeDestruction() {
  if (!ComponentState().Contains(csDestroying)) {
    Destroying();
    if (TCustomForm* form = GetParentForm(this); form && form != this)
      form->DefocusControl(this, true);
  }
  // Child controls go with their parent, whoever owns them.
  while (!controls_.empty()) {
    TControl* c = controls_.back();
    RemoveControl(c);
    delete c;
  }
  TControl::BeforeDestruction();
  if (handle_) {
    Application().ReleaseHandle(handle_);
    handle_ = 0;
  }
}

TControl* TWinControl::Controls(int i) const {
  if (i < 0 || i >= ControlCount()) {
    throw EListError("List index out of bounds (" + std::to_string(i) + ")");
  }
  return controls_[static_cast<size_t>(i)];
}

bool TWinControl::ContainsControl(const TControl* c) const {
  for (; c; c = c->Parent()) {
    if (c == this) return true;
  }
  return false;
}

HWND TWinControl::Handle() const {
  if (!handle_) handle_ = Application().AllocateHandle(const_cast<TWinControl*>(this));
  return handle_;
}

void TWinControl::InsertControl(TControl* c) {
  controls_.push_back(c);
  c->parent_ = this;
  if (auto* w = dynamic_cast<TWinControl*>(c)) tabList_.push_back(w);
  c->RequestAlign();
}

void TWinControl::RemoveControl(TControl* c) {
  std::erase(controls_, c);
  if (auto* w = dynamic_cast<TWinControl*>(c)) std::erase(tabList_, w);
  c->parent_ = nullptr;
  if (c->align_ != alNone && !ComponentState().Contains(csDestroying)) Realign();
}

int TWinControl::TabOrder() const {
  if (loadedTabOrder_ >= 0) return loadedTabOrder_;
  if (!Parent()) return -1;
  const auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (Loading()) {
    loadedTabOrder_ = std::max(order, -1);
    return;
  }
  if (!Parent()) return;
  auto& list = Parent()->tabList_;
  std::erase(list, this);
  const int n = static_cast<int>(list.size());
  if (order < 0 || order > n) order = n;
  list.insert(list.begin() + order, this);
  Changed("TabOrder");
}

void TWinControl::FixupTabList() {
  // Controls read with a TabOrder take that place (before a control that only kept its old
  // place); the others keep their order.
  struct Entry {
    int order;
    int implicit;
    size_t index;
    TWinControl* control;
  };
  std::vector<Entry> entries;
  for (size_t i = 0; i < tabList_.size(); ++i) {
    TWinControl* w = tabList_[i];
    const bool explicitOrder = w->loadedTabOrder_ >= 0;
    entries.push_back(
        {explicitOrder ? w->loadedTabOrder_ : static_cast<int>(i), explicitOrder ? 0 : 1, i, w});
    w->loadedTabOrder_ = -1;
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return std::tie(a.order, a.implicit, a.index) < std::tie(b.order, b.implicit, b.index);
  });
  for (size_t i = 0; i < entries.size(); ++i) tabList_[i] = entries[i].control;
}

void TWinControl::SetTabStop(bool v) {
  if (v == tabStop_) return;
  tabStop_ = v;
  Changed("TabStop");
}

std::vector<TWinControl*> TWinControl::GetTabOrderList() const {
  std::vector<TWinControl*> list;
  for (TWinControl* w : tabList_) {
    list.push_back(w);
    auto inner = w->GetTabOrderList();
    list.insert(list.end(), inner.begin(), inner.end());
  }
  return list;
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
  std::vector<TWinControl*> list = GetTabOrderList();
  if (list.empty()) return nullptr;
  const int n = static_cast<int>(list.size());
  auto it = std::find(list.begin(), list.end(), current);
  int start = it == list.end() ? (goForward ? n - 1 : 0) : static_cast<int>(it - list.begin());
  int i = start;
  for (int step = 0; step < n; ++step) {
    i = goForward ? (i + 1) % n : (i + n - 1) % n;
    TWinControl* c = list[static_cast<size_t>(i)];
    if (c == current) break;
    if ((!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this) && c->CanFocus()) {
      return c;
    }
  }
  return nullptr;
}

void TWinControl::SelectFirst() {
  TCustomForm* form = GetParentForm(this);
  TWinControl* c = FindNextControl(nullptr, true, true, false);
  if (!c) c = FindNextControl(nullptr, true, false, false);
  if (form && c) form->FocusControl(c);
}

bool TWinControl::CanFocus() const {
  TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  for (const TControl* c = this; c && c != form; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return form->Enabled();
}

bool TWinControl::Focused() const {
  TCustomForm* form = GetParentForm(this);
  return form && form->ActiveControl() == this;
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this)) {
    if (form == this) {
      form->FocusControl(form);
    } else {
      form->SetActiveControl(this);
    }
  }
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0) Realign();
}

void TWinControl::Realign() {
  if (aligning_ || alignDisabled_ > 0 || Loading() || ComponentState().Contains(csDestroying))
    return;
  aligning_ = true;
  TRect rect = ClientRect();
  AlignControls(rect);
  aligning_ = false;
}

void TWinControl::AlignControls(TRect& rect) {
  static constexpr TAlign kOrder[] = {alTop, alBottom, alLeft, alRight, alClient};
  for (TAlign align : kOrder) {
    std::vector<TControl*> list;
    for (TControl* c : controls_) {
      if (c->Visible() && c->Align() == align) list.push_back(c);
    }
    std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
      switch (align) {
        case alTop:
          return a->Top() < b->Top();
        case alBottom:
          return a->Top() + a->Height() > b->Top() + b->Height();
        case alLeft:
          return a->Left() < b->Left();
        case alRight:
          return a->Left() + a->Width() > b->Left() + b->Width();
        default:
          return false;
      }
    });
    for (TControl* c : list) {
      const int w = std::max(rect.Width(), 0);
      const int h = std::max(rect.Height(), 0);
      switch (align) {
        case alTop:
          c->SetBounds(rect.Left, rect.Top, w, c->Height());
          rect.Top += std::min(c->Height(), h);
          break;
        case alBottom:
          c->SetBounds(rect.Left, rect.Bottom - c->Height(), w, c->Height());
          rect.Bottom -= std::min(c->Height(), h);
          break;
        case alLeft:
          c->SetBounds(rect.Left, rect.Top, c->Width(), h);
          rect.Left += std::min(c->Width(), w);
          break;
        case alRight:
          c->SetBounds(rect.Right - c->Width(), rect.Top, c->Width(), h);
          rect.Right -= std::min(c->Width(), w);
          break;
        default:
          c->SetBounds(rect.Left, rect.Top, w, h);
          break;
      }
    }
  }
}

void TWinControl::Resize() {
  Realign();
  TControl::Resize();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  FixupTabList();
  Realign();
}

void TWinControl::VisibleChanged() {
  if (!Visible()) {
    if (TCustomForm* form = GetParentForm(this); form && form != this) {
      form->DefocusControl(this, false);
    }
  }
}

void TWinControl::EnabledChanged() {
  if (!Enabled()) {
    if (TCustomForm* form = GetParentForm(this); form && form != this) {
      form->DefocusControl(this, false);
    }
  }
}

void TWinControl::DoEnter() { OnEnter(this); }
void TWinControl::DoExit() { OnExit(this); }

void TWinControl::KeyDown(Word& key, TShiftState shift) { OnKeyDown(this, key, shift); }
void TWinControl::KeyPress(char& key) { OnKeyPress(this, key); }
void TWinControl::KeyUp(Word& key, TShiftState shift) { OnKeyUp(this, key, shift); }

bool TWinControl::DoKeyDown(Word& key, TShiftState shift) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview()) {
    form->KeyDown(key, shift);
    if (key == 0) return true;
  }
  KeyDown(key, shift);
  return key == 0;
}

bool TWinControl::DoKeyPress(char& key) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview()) {
    form->KeyPress(key);
    if (key == 0) return true;
  }
  KeyPress(key);
  return key == 0;
}

bool TWinControl::DoKeyUp(Word& key, TShiftState shift) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview()) {
    form->KeyUp(key, shift);
    if (key == 0) return true;
  }
  KeyUp(key, shift);
  return key == 0;
}

void TWinControl::WndProc(TMessage& msg) {
  switch (msg.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      Word key = static_cast<Word>(msg.WParam);
      const TShiftState shift = KeyDataToShiftState(msg.LParam);
      msg.Result = 1;
      if (DoKeyDown(key, shift)) return;
      if (shift.Contains(ssAlt) && ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))) {
        TCustomForm* form = GetParentForm(this);
        if (form && form->DialogChar(static_cast<char>(key))) return;
      }
      int mask = 0;
      if (key == VK_TAB) mask = DLGC_WANTTAB;
      if (key == VK_RETURN || key == VK_ESCAPE) mask = DLGC_WANTALLKEYS;
      if (key >= VK_LEFT && key <= VK_DOWN) mask = DLGC_WANTARROWS;
      if (mask && !(DialogCode() & mask)) {
        TCustomForm* form = GetParentForm(this);
        if (form && form->Perform(CM_DIALOGKEY, key, msg.LParam) != 0) return;
      }
      DefaultKeyDown(key, shift);
      msg.Result = 0;
      return;
    }
    case WM_CHAR: {
      char ch = static_cast<char>(msg.WParam);
      msg.Result = 1;
      if (DoKeyPress(ch)) return;
      // A control that does not take characters lets them act as accelerators.
      if (!(DialogCode() & DLGC_WANTCHARS) && static_cast<unsigned char>(ch) > ' ') {
        TCustomForm* form = GetParentForm(this);
        if (form && form != this && form->DialogChar(ch)) return;
      }
      if (Enabled()) DefaultChar(ch);
      msg.Result = 0;
      return;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      Word key = static_cast<Word>(msg.WParam);
      DoKeyUp(key, KeyDataToShiftState(msg.LParam));
      return;
    }
    case CM_ENTER:
      DoEnter();
      return;
    case CM_EXIT:
      DoExit();
      return;
    default:
      TControl::WndProc(msg);
  }
}

bool IsAccel(char ch, std::string_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    return upper(caption[i + 1]) == upper(ch);
  }
  return false;
}

TCustomForm* GetParentForm(const TControl* control) {
  if (!control) return nullptr;
  while (control->Parent()) control = control->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

TWinControl* FindControl(HWND handle) { return Application().FindControl(handle); }

}  // namespace pxq::vcl
