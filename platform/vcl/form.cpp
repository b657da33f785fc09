#include "platform/vcl/form.h"

#include "platform/vcl/form_description.h"
#include "platform/vcl/menus.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::vcl {

const TEnumInfo& EnumInfoOf(TCloseAction*) {
  static const TEnumInfo info{"TCloseAction", {"caNone", "caHide", "caFree", "caMinimize"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TPosition*) {
  static const TEnumInfo info{
      "TPosition",
      {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
       "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TFormBorderStyle*) {
  static const TEnumInfo info{
      "TFormBorderStyle",
      {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TBorderIcon*) {
  static const TEnumInfo info{"TBorderIcon",
                              {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TWindowState*) {
  static const TEnumInfo info{"TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TFormStyle*) {
  static const TEnumInfo info{"TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}};
  return info;
}

PXQ_REGISTER_CLASS(TCustomForm, TWinControl)
void TCustomForm::DefineClass(TClassBuilder<TCustomForm>& c) {
  c.Str("Caption", &TControl::Caption, &TControl::SetCaption);
  c.Int("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth);
  c.Int("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight);
  c.Reference<TWinControl>("ActiveControl", &TCustomForm::ActiveControl,
                           &TCustomForm::SetActiveControl);
  c.Bool("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview);
  c.Int("ModalResult", &TCustomForm::ModalResult, &TCustomForm::SetModalResult,
        &ModalResultIdents());
  c.Enum("Position", &TCustomForm::Position, &TCustomForm::SetPosition);
  c.Enum("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle);
  c.Set("BorderIcons", "TBorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons);
  c.Enum("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState);
  c.Enum("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle);
  c.Bool("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled);
  c.Int("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch);
  c.Int("TextHeight", &TCustomForm::TextHeight, &TCustomForm::SetTextHeight);
  c.Bool("OldCreateOrder", &TCustomForm::OldCreateOrder, &TCustomForm::SetOldCreateOrder);
  c.Reference<TMainMenu>("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu);
  c.Event("OnCreate", &TCustomForm::OnCreate);
  c.Event("OnDestroy", &TCustomForm::OnDestroy);
  c.Event("OnShow", &TCustomForm::OnShow);
  c.Event("OnHide", &TCustomForm::OnHide);
  c.Event("OnActivate", &TCustomForm::OnActivate);
  c.Event("OnDeactivate", &TCustomForm::OnDeactivate);
  c.Event("OnClose", &TCustomForm::OnClose, "TCloseEvent");
  c.Event("OnCloseQuery", &TCustomForm::OnCloseQuery, "TCloseQueryEvent");
  c.Unpublish("TabOrder");
  c.Unpublish("TabStop");
  c.Unpublish("Align");
}

PXQ_REGISTER_CLASS(TForm, TCustomForm)
void TForm::DefineClass(TClassBuilder<TForm>&) {}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  TWinControl::SetVisible(false);  // a new form is hidden
  SetBounds(0, 0, 320, 240);
  Application().AddForm(this);
}

TCustomForm::~TCustomForm() { Application().RemoveForm(this); }

void TCustomForm::AfterConstruction() {
  ReadDescriptions();
  formState_ -= fsCreating;
  DoCreate();
}

void TCustomForm::ReadDescriptions() {
  std::vector<const TMetaClass*> chain;
  for (const TMetaClass* c = &ClassType(); c; c = c->Parent()) chain.insert(chain.begin(), c);
  std::vector<std::string_view> texts;
  for (const TMetaClass* c : chain) {
    if (!c->Description().empty()) texts.push_back(c->Description());
  }
  if (!texts.empty()) ReadDescription(this, texts);
}

void TCustomForm::BeforeDestruction() {
  if (!ComponentState().Contains(csDestroying)) {
    if (Visible()) {
      formState_ -= fsModal;
      SetVisible(false);
    }
    OnDestroy(this);
  }
  activeControl_ = nullptr;
  focused_ = nullptr;
  TWinControl::BeforeDestruction();
  if (Application().ActiveForm() == this) Application().SetActiveForm(nullptr);
}

void TCustomForm::DoCreate() { OnCreate(this); }

// --- Focus ---------------------------------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control == this) control = nullptr;
  if (control && !ContainsControl(control)) return;
  if (Loading() || !Visible()) {
    activeControl_ = control;
    return;
  }
  FocusControl(control ? control : this);
}

bool TCustomForm::FocusControl(TWinControl* control) {
  if (!control || !ContainsControl(control)) return false;
  if (control != this && !control->CanFocus()) return false;
  TWinControl* target = control == this ? nullptr : control;
  if (!Visible() || Loading()) {
    activeControl_ = target;
    return true;
  }
  if (target == focused_ && activeControl_ == target) return true;
  const unsigned generation = ++focusGeneration_;
  activeControl_ = target;
  // Leave the old control and every container that does not hold the new one.
  while (focused_ && !(target && focused_->ContainsControl(target))) {
    TWinControl* leaving = focused_;
    leaving->Perform(CM_EXIT);
    if (generation != focusGeneration_) return activeControl_ == target;
    if (focused_ != leaving) break;  // the control went away meanwhile
    TWinControl* up = leaving->Parent();
    focused_ = up == this ? nullptr : up;
  }
  // Enter every container on the way down, then the control.
  while (focused_ != target) {
    TWinControl* stop = focused_ ? focused_ : this;
    TWinControl* next = target;
    while (next->Parent() && next->Parent() != stop) next = next->Parent();
    if (next->Parent() != stop) break;
    focused_ = next;
    next->Perform(CM_ENTER);
    if (generation != focusGeneration_) return activeControl_ == target;
  }
  Application().Notify([&](TModelObserver& o) { o.FocusChanged(*this, activeControl_); });
  return true;
}

void TCustomForm::DefocusControl(TWinControl* w, bool removing) {
  if (!w) return;
  if (removing && w->ContainsControl(focused_)) {
    TWinControl* up = w->Parent();
    focused_ = (!up || up == this || !ContainsControl(up)) ? nullptr : up;
  }
  if (!w->ContainsControl(activeControl_)) return;
  if (ComponentState().Contains(csDestroying) || !Visible()) {
    activeControl_ = nullptr;
    return;
  }
  // The focus falls back on the form: what is still entered is left.
  FocusControl(this);
}

void TCustomForm::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  TWinControl* next = FindNextControl(current, goForward, checkTabStop, false);
  if (next) FocusControl(next);
}

void TCustomForm::SetWindowFocus() {
  if (activeControl_ && activeControl_->CanFocus()) {
    TWinControl* target = activeControl_;
    activeControl_ = focused_;
    FocusControl(target);
  } else {
    activeControl_ = nullptr;
    TWinControl* first = FindNextControl(nullptr, true, true, false);
    if (first) FocusControl(first);
  }
}

// --- Showing and closing -------------------------------------------------------------------

bool TCustomForm::CanFocus() const { return Visible() && Enabled(); }

void TCustomForm::SetVisible(bool visible) {
  if (visible == Visible()) return;
  if (ComponentState().Contains(csDestroying) && visible) return;
  if (visible) {
    PlaceByPosition();
    formState_ += fsShowing;
    DoShow();
    formState_ -= fsShowing;
    TWinControl::SetVisible(true);
    formState_ += fsVisible;
    Application().Notify([&](TModelObserver& o) { o.FormShown(*this); });
    Activate();
  } else {
    DoHide();
    TWinControl::SetVisible(false);
    formState_ -= fsVisible;
    if (Application().ActiveForm() == this) Deactivate();
    Application().Notify([&](TModelObserver& o) { o.FormHidden(*this); });
  }
}

void TCustomForm::PlaceByPosition() {
  const TControl* around = nullptr;
  switch (position_) {
    case poMainFormCenter:
      around = Application().MainForm();
      break;
    case poOwnerFormCenter:
      around = dynamic_cast<TCustomForm*>(Owner());
      break;
    case poScreenCenter:
    case poDesktopCenter:
      break;
    default:
      return;
  }
  if (around == this || (around && !around->Visible())) around = nullptr;
  const TRect area =
      around ? around->BoundsRect() : TRect{0, 0, Screen().Width(), Screen().Height()};
  SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2,
            Width(), Height());
}

void TCustomForm::Show() {
  SetVisible(true);
  if (!Active()) Activate();
}

void TCustomForm::Hide() { SetVisible(false); }

void TCustomForm::DoShow() { OnShow(this); }
void TCustomForm::DoHide() { OnHide(this); }

bool TCustomForm::Active() const { return Application().ActiveForm() == this; }

void TCustomForm::Activate() {
  TCustomForm* previous = Application().ActiveForm();
  if (previous == this) return;
  if (previous) previous->Deactivate();
  Application().SetActiveForm(this);
  formState_ += fsActivated;
  SetWindowFocus();
  OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (Application().ActiveForm() == this) Application().SetActiveForm(nullptr);
  OnDeactivate(this);
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || formState_.Contains(fsModal)) {
    throw EInvalidOperation("Cannot make a visible window modal");
  }
  TCustomForm* previous = Application().ActiveForm();
  formState_ += fsModal;
  modalResult_ = mrNone;
  const HWND self = Handle();
  Show();
  Application().Backend().RunModal(*this);
  // The form may have been freed by a handler meanwhile only through Release, which waits
  // for the message queue; it still exists here.
  if (Application().FindControl(self) != this) return mrCancel;
  formState_ -= fsModal;
  TModalResult result = modalResult_;
  Hide();
  if (previous && previous != this && previous->Visible()) previous->Activate();
  return result;
}

bool TCustomForm::ModalDone() {
  if (Application().Terminated() && modalResult_ == mrNone) modalResult_ = mrCancel;
  if (modalResult_ == mrNone) return false;
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  if (action == caNone) {
    modalResult_ = mrNone;
    return false;
  }
  if (action == caFree) Release();
  return true;
}

void TCustomForm::SetModalResult(TModalResult r) { modalResult_ = r; }

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) { OnClose(this, action); }

void TCustomForm::Close() {
  if (formState_.Contains(fsModal)) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  switch (action) {
    case caNone:
      break;
    case caHide:
      Hide();
      break;
    case caMinimize:
      SetWindowState(wsMinimized);
      break;
    case caFree:
      Hide();
      Release();
      break;
  }
}

void TCustomForm::Release() { Application().PostMessage(Handle(), CM_RELEASE); }

void TCustomForm::SetWindowState(TWindowState s) {
  if (s == windowState_) return;
  windowState_ = s;
  Changed("WindowState");
}

TButtonControl* TCustomForm::DefaultButton() const {
  for (TWinControl* w : GetTabOrderList()) {
    auto* b = dynamic_cast<TButton*>(w);
    if (b && b->Default() && b->CanFocus()) return b;
  }
  return nullptr;
}

TButtonControl* TCustomForm::CancelButton() const {
  for (TWinControl* w : GetTabOrderList()) {
    auto* b = dynamic_cast<TButton*>(w);
    if (b && b->Cancel() && b->CanFocus()) return b;
  }
  return nullptr;
}

bool TCustomForm::DialogKey(Word key, TShiftState shift) {
  if (shift.Contains(ssAlt)) return false;
  switch (key) {
    case VK_TAB:
      if (shift.Contains(ssCtrl)) return false;
      SelectNext(activeControl_, !shift.Contains(ssShift), true);
      return true;
    case VK_RETURN: {
      TButtonControl* button = dynamic_cast<TButton*>(activeControl_);
      if (!button) button = DefaultButton();
      if (!button) return false;
      button->Click();
      return true;
    }
    case VK_ESCAPE: {
      TButtonControl* button = CancelButton();
      if (!button) return false;
      button->Click();
      return true;
    }
    default:
      return false;
  }
}

namespace {
bool OfferDialogChar(TWinControl* parent, char ch) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (!c->Visible() || !c->Enabled()) continue;
    if (c->DialogChar(ch)) return true;
    if (auto* w = dynamic_cast<TWinControl*>(c); w && OfferDialogChar(w, ch)) return true;
  }
  return false;
}
}  // namespace

bool TCustomForm::DialogChar(char ch) { return Enabled() && OfferDialogChar(this, ch); }

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  if (menu_) menu_->RemoveFreeNotification(this);
  menu_ = menu;
  if (menu) menu->FreeNotification(this);
  Changed("Menu");
}

void TCustomForm::Notification(TComponent* c, TOperation op) {
  TWinControl::Notification(c, op);
  if (op == opRemove && c) {
    if (c == menu_) menu_ = nullptr;
    if (c == activeControl_) activeControl_ = nullptr;
    if (c == focused_) focused_ = nullptr;
  }
}

void TCustomForm::WndProc(TMessage& msg) {
  switch (msg.Msg) {
    case CM_RELEASE:
      delete this;
      return;
    case CM_DIALOGKEY:
      msg.Result =
          DialogKey(static_cast<Word>(msg.WParam), KeyDataToShiftState(msg.LParam)) ? 1 : 0;
      return;
    case WM_CLOSE:
      Close();
      return;
    default:
      TWinControl::WndProc(msg);
  }
}

}  // namespace pxq::vcl
