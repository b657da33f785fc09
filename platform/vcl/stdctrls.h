// Standard controls: label, edit, masked edit, memo, buttons, check box, radio button,
// combo box and group box.
#pragma once

#include <memory>
#include <string>

#include "platform/vcl/application.h"
#include "platform/vcl/control.h"
#include "platform/vcl/form.h"
#include "platform/vcl/mask.h"

namespace pxq::vcl {

enum TTextLayout : uint8_t { tlTop, tlCenter, tlBottom };
const TEnumInfo& EnumInfoOf(TTextLayout*);
const TEnumInfo& EnumInfoOf(TLeftRight*);

class TLabel : public TGraphicControl {
  PXQ_CLASS(TLabel)
 public:
  explicit TLabel(TComponent* owner);

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* c);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a) { alignment_ = a; }
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout l) { layout_ = l; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v) { wordWrap_ = v; }
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool v) { showAccelChar_ = v; }
  // Sizes the label to its caption (done after every change while AutoSize is on).
  void AdjustBounds();
  // Its accelerator focuses FocusControl.
  bool DialogChar(char ch) override;

 protected:
  void Notification(TComponent* c, TOperation op) override;
  void TextChanged() override;
  void FontChanged() override;
  void Loaded() override;

 private:
  bool autoSize_ = true;
  TWinControl* focusControl_ = nullptr;
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool transparent_ = false;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
};

enum TEditCharCase : uint8_t { ecNormal, ecUpperCase, ecLowerCase };
const TEnumInfo& EnumInfoOf(TEditCharCase*);
enum TImeMode : uint8_t {
  imDisable,
  imClose,
  imOpen,
  imDontCare,
  imSAlpha,
  imAlpha,
  imHira,
  imSKata,
  imKata,
  imChinese,
  imSHanguel,
  imHanguel
};
const TEnumInfo& EnumInfoOf(TImeMode*);

// The input method settings of text controls (kept; the view applies them).
struct TImeSettings {
  std::string name;
  TImeMode mode = imDontCare;
};

// A one-line text editor. The text, the cursor and the selection are kept by the edit engine
// that the masked edit uses too (an edit without a mask edits plain text).
class TCustomEdit : public TWinControl {
  PXQ_CLASS(TCustomEdit)
 public:
  explicit TCustomEdit(TComponent* owner);

  std::string Text() const override;
  void SetText(const std::string& text) override;
  void Clear() { SetText(std::string()); }

  int MaxLength() const { return editor_.MaxLength(); }
  void SetMaxLength(int n);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);
  char PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char c) { passwordChar_ = c; }
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool v) { autoSelect_ = v; }
  const std::string& ImeName() const { return ime_.name; }
  void SetImeName(const std::string& n) { ime_.name = n; }
  TImeMode ImeMode() const { return ime_.mode; }
  void SetImeMode(TImeMode m) { ime_.mode = m; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v) { autoSize_ = v; }
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle b) { borderStyle_ = b; }
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase c);
  bool Modified() const { return modified_; }
  void SetModified(bool v) { modified_ = v; }

  int SelStart() const { return editor_.SelStart(); }
  void SetSelStart(int pos) { editor_.SetSel(pos, 0); }
  int SelLength() const { return editor_.SelLength(); }
  void SetSelLength(int n) { editor_.SetSel(editor_.SelStart(), n); }
  std::string SelText() const { return editor_.SelText(); }
  void SelectAll();

  int DialogCode() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }

  TNotifyEvent OnChange;

 protected:
  virtual void Change();
  void DoEnter() override;
  void DefaultKeyDown(Word key, TShiftState shift) override;
  void DefaultChar(char ch) override;
  // The engine's text changed: keep the control's text in step and raise OnChange.
  void EditorChanged();
  std::string ApplyCharCase(std::string text) const;

  MaskEditor editor_;

 private:
  bool readOnly_ = false;
  TImeSettings ime_;
  bool autoSize_ = true;
  TFormBorderStyle borderStyle_ = bsSingle;
  char passwordChar_ = 0;
  bool autoSelect_ = true;
  TEditCharCase charCase_ = ecNormal;
  bool modified_ = false;
  std::string pendingLead_;  // first byte of a double-byte character being typed
};

class TEdit : public TCustomEdit {
  PXQ_CLASS(TEdit)
 public:
  using TCustomEdit::TCustomEdit;
};

// An edit with an input mask: EditText is what the user sees (literals and blanks in
// place), Text what is stored.
class TMaskEdit : public TCustomEdit {
  PXQ_CLASS(TMaskEdit)
 public:
  explicit TMaskEdit(TComponent* owner);

  const std::string& EditMask() const { return editor_.Mask().Mask(); }
  void SetEditMask(const std::string& mask);
  bool IsMasked() const { return editor_.Mask().IsMasked(); }
  const std::string& EditText() const { return editor_.EditText(); }
  void SetEditText(const std::string& text);
  // True when every required position is filled; otherwise the cursor moves to the first
  // empty one.
  bool ValidateEdit();

 protected:
  void DoExit() override;
};

class TMemo : public TCustomEdit {
  PXQ_CLASS(TMemo)
 public:
  explicit TMemo(TComponent* owner);

  TStrings* Lines() const { return lines_.get(); }
  std::string Text() const override;
  void SetText(const std::string& text) override;
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool v) { wantReturns_ = v; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool v) { wantTabs_ = v; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v) { wordWrap_ = v; }
  int DialogCode() const override;

 protected:
  void DefaultChar(char ch) override;
  void Change() override;

 private:
  std::unique_ptr<TStringList> lines_;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
  bool wordWrap_ = true;
  bool syncing_ = false;
};

// Buttons, check boxes and radio buttons.
class TButtonControl : public TWinControl {
  PXQ_CLASS(TButtonControl)
 public:
  explicit TButtonControl(TComponent* owner);
  // Its accelerator focuses it and, once focused, clicks it.
  bool DialogChar(char ch) override;

 protected:
  // Space clicks the focused button.
  void DefaultChar(char ch) override;
  // Raises OnClick unless clicks are suppressed (while the control sets its own state).
  void RaiseClick();
  bool clicksDisabled_ = false;
};

class TButton : public TButtonControl {
  PXQ_CLASS(TButton)
 public:
  explicit TButton(TComponent* owner);

  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult r) { modalResult_ = r; }
  bool Default() const { return default_; }
  void SetDefault(bool v) { default_ = v; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  // Sets the form's ModalResult (when the button has one), then raises OnClick.
  void Click() override;

 private:
  TModalResult modalResult_ = mrNone;
  bool default_ = false;
  bool cancel_ = false;
};

enum TCheckBoxState : uint8_t { cbUnchecked, cbChecked, cbGrayed };
const TEnumInfo& EnumInfoOf(TCheckBoxState*);
// The state a click moves a check box to: unchecked -> grayed (when allowed) or checked,
// checked -> unchecked, grayed -> checked.
TCheckBoxState NextCheckBoxState(TCheckBoxState state, bool allowGrayed);

class TCheckBox : public TButtonControl {
  PXQ_CLASS(TCheckBox)
 public:
  explicit TCheckBox(TComponent* owner);

  TCheckBoxState State() const { return state_; }
  // A change raises OnClick, as on the platform.
  void SetState(TCheckBoxState s);
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool v) { allowGrayed_ = v; }
  TLeftRight Alignment() const { return alignment_; }
  void SetAlignment(TLeftRight a) { alignment_ = a; }
  // Unchecked -> grayed (when allowed) or checked -> unchecked; grayed -> checked.
  void Toggle();
  // The user's click toggles.
  void Click() override;

 private:
  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
  TLeftRight alignment_ = lrRightJustify;
};

class TRadioButton : public TButtonControl {
  PXQ_CLASS(TRadioButton)
 public:
  explicit TRadioButton(TComponent* owner);

  bool Checked() const { return checked_; }
  // Checking unchecks the other radio buttons of the same parent and raises OnClick.
  void SetChecked(bool v);
  TLeftRight Alignment() const { return alignment_; }
  void SetAlignment(TLeftRight a) { alignment_ = a; }
  void Click() override;

 private:
  bool checked_ = false;
  TLeftRight alignment_ = lrRightJustify;
};

enum TComboBoxStyle : uint8_t {
  csDropDown,
  csSimple,
  csDropDownList,
  csOwnerDrawFixed,
  csOwnerDrawVariable
};
const TEnumInfo& EnumInfoOf(TComboBoxStyle*);

class TComboBox : public TWinControl {
  PXQ_CLASS(TComboBox)
 public:
  explicit TComboBox(TComponent* owner);

  TStrings* Items() const { return items_.get(); }
  int ItemIndex() const { return itemIndex_; }
  // Selects item `i` (-1: none) and shows its text; out of range selects none.
  void SetItemIndex(int i);
  std::string Text() const override { return text_; }
  // Drop-down lists select the item with that text (unchanged when there is none); the other
  // styles show the text and select the item that equals it.
  void SetText(const std::string& text) override;
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle s);
  bool Sorted() const { return items_->Sorted(); }
  void SetSorted(bool v) { items_->SetSorted(v); }
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int n) { dropDownCount_ = n; }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int n) { maxLength_ = std::max(n, 0); }
  const std::string& ImeName() const { return ime_.name; }
  void SetImeName(const std::string& n) { ime_.name = n; }
  TImeMode ImeMode() const { return ime_.mode; }
  void SetImeMode(TImeMode m) { ime_.mode = m; }
  // The user picks item `i`: selects it and raises OnChange and OnSelect.
  void SelectItem(int i);
  bool DroppedDown() const { return droppedDown_; }
  void SetDroppedDown(bool v);
  int DialogCode() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  void DefaultKeyDown(Word key, TShiftState shift) override;
  void DefaultChar(char ch) override;

 private:
  void ItemsChanged();
  std::unique_ptr<TStringList> items_;
  int itemIndex_ = -1;
  TImeSettings ime_;
  TComboBoxStyle style_ = csDropDown;
  int dropDownCount_ = 8;
  int maxLength_ = 0;
  bool droppedDown_ = false;
};

class TGroupBox : public TCustomControl {
  PXQ_CLASS(TGroupBox)
 public:
  explicit TGroupBox(TComponent* owner);
};

}  // namespace pxq::vcl
