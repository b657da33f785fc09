// Forms: top-level windows with an active control, keyboard navigation, show/modal/close.
//
// Create a form with CreateForm<T>(owner): after construction it reads the descriptions of
// its class chain (the most basic class first, derived classes adding to and overriding it)
// and raises OnCreate. Focus changes raise OnExit of the old control and of each container it
// leaves (innermost first), then OnEnter of each container entered and of the new control
// (outermost first). While a form is not shown, setting the active control only records it;
// the focus moves there (with its events) when the form is shown.
#pragma once

#include <string>

#include "platform/vcl/application.h"
#include "platform/vcl/control.h"

namespace pxq::vcl {

class TButtonControl;
class TMainMenu;

enum TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };
const TEnumInfo& EnumInfoOf(TCloseAction*);
enum TPosition : uint8_t {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
const TEnumInfo& EnumInfoOf(TPosition*);
enum TFormBorderStyle : uint8_t {
  bsNone,
  bsSingle,
  bsSizeable,
  bsDialog,
  bsToolWindow,
  bsSizeToolWin
};
const TEnumInfo& EnumInfoOf(TFormBorderStyle*);
enum TBorderIcon : uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
const TEnumInfo& EnumInfoOf(TBorderIcon*);
enum TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
const TEnumInfo& EnumInfoOf(TWindowState*);
enum TFormStyle : uint8_t { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
const TEnumInfo& EnumInfoOf(TFormStyle*);
enum TFormStateFlag : uint8_t { fsCreating, fsVisible, fsShowing, fsModal, fsActivated };
using TFormState = TSet<TFormStateFlag>;

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;

class TCustomForm : public TWinControl {
  PXQ_CLASS(TCustomForm)
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;
  // Reads the descriptions of the class chain, then raises OnCreate.
  void AfterConstruction() override;
  // Raises OnDestroy before anything is freed.
  void BeforeDestruction() override;

  TFormState FormState() const { return formState_; }

  // --- focus
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  // Moves the focus to `control` with the exit and enter events; false when the control
  // cannot take the focus or a handler moved the focus elsewhere.
  bool FocusControl(TWinControl* control);
  // The control that last received the enter event (the focused one while shown).
  TWinControl* FocusedControl() const { return focused_; }
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool v) { keyPreview_ = v; }

  // --- showing and closing
  void SetVisible(bool visible) override;
  bool CanFocus() const override;
  void Show();
  void Hide();
  virtual TModalResult ShowModal();
  // Asks to close: OnCloseQuery, then OnClose with its action (hide, free, minimize, none).
  // A modal form gets ModalResult mrCancel and ends its modal loop.
  void Close();
  bool CloseQuery();
  // Frees the form after the current event (posts a release message to itself).
  void Release();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult r);
  // The modal loop asks this after every event: true when the modal session is over.
  bool ModalDone();
  bool Active() const;

  TPosition Position() const { return position_; }
  void SetPosition(TPosition p) { position_ = p; }
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle b) { borderStyle_ = b; }
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons b) { borderIcons_ = b; }
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState s);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle s) { formStyle_ = s; }
  bool Scaled() const { return scaled_; }
  void SetScaled(bool v) { scaled_ = v; }
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int v) { pixelsPerInch_ = v; }
  // The form's menu bar.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  bool OldCreateOrder() const { return oldCreateOrder_; }
  void SetOldCreateOrder(bool v) { oldCreateOrder_ = v; }
  int TextHeight() const { return textHeight_; }
  void SetTextHeight(int v) { textHeight_ = v; }

  // The default button (Enter) and the cancel button (Esc) of the form.
  TButtonControl* DefaultButton() const;
  TButtonControl* CancelButton() const;

  void WndProc(TMessage& msg) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 protected:
  void Notification(TComponent* c, TOperation op) override;
  virtual void DoCreate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& action);
  virtual void Activate();
  virtual void Deactivate();
  // Tab, Enter, Esc not consumed by the focused control.
  virtual bool DialogKey(Word key, TShiftState shift);

 public:
  // An accelerator key: offered to the showing, enabled controls in order until one acts.
  bool DialogChar(char ch) override;

 protected:
  void SetWindowFocus();
  // Centres the form as its Position asks, when it is shown.
  void PlaceByPosition();

 private:
  friend class TApplication;
  friend class TControl;
  friend class TWinControl;
  // The focus leaves `w` (hidden, disabled, removed or freed); `removing`: without its exit
  // event.
  void DefocusControl(TWinControl* w, bool removing);
  void ReadDescriptions();

  TFormState formState_{fsCreating};
  TWinControl* activeControl_ = nullptr;
  TWinControl* focused_ = nullptr;
  unsigned focusGeneration_ = 0;
  bool keyPreview_ = false;
  TModalResult modalResult_ = mrNone;
  TPosition position_ = poDesigned;
  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TWindowState windowState_ = wsNormal;
  TFormStyle formStyle_ = fsNormal;
  bool scaled_ = true;
  int pixelsPerInch_ = 96;
  int textHeight_ = 13;
  bool oldCreateOrder_ = false;
  TMainMenu* menu_ = nullptr;
};

class TForm : public TCustomForm {
  PXQ_CLASS(TForm)
 public:
  using TCustomForm::TCustomForm;
};

// Creates a form of class F, reads its descriptions and raises OnCreate.
template <class F, class... Args>
F* CreateForm(TComponent* owner, Args&&... args) {
  F* form = new F(owner, std::forward<Args>(args)...);
  try {
    form->AfterConstruction();
  } catch (...) {
    delete form;
    throw;
  }
  return form;
}

}  // namespace pxq::vcl
