// Small input controls of the dialogs:
//   TNtEdit, TNtDBEdit  edits that carry their own caption label ("EditLabel") beside them;
//   TNtBtnDBEdit        a TNtDBEdit with a lookup button ("F2Button") at its right;
//   TDBLabel            a free label attached to another control, kept aligned to it;
//   TNtSpinEdit         a spin edit that drops a sign typed after the first character and
//                       stays silent while empty.
#pragma once

#include <cstdint>
#include <string>

#include "lib/controls/speed_buttons.h"
#include "platform/vcl/spin.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::vcl {

enum TLabelPosition : uint8_t { lpAbove, lpBelow, lpLeft, lpRight };
const TEnumInfo& EnumInfoOf(TLabelPosition*);

// The caption label of a labelled edit: created with the edit, owned by it, placed by
// LabelPosition and LabelSpacing after every change of the edit's bounds, following the
// edit's parent, Enabled and Visible.
class TEditLabel {
 public:
  explicit TEditLabel(TWinControl* edit);

  TLabel* Label() const { return label_; }
  std::string Caption() const { return label_ ? label_->Caption() : std::string(); }
  void SetCaption(const std::string& caption);
  TLabelPosition Position() const { return position_; }
  void SetPosition(TLabelPosition p);
  int Spacing() const { return spacing_; }
  // Negative spacings are ignored.
  void SetSpacing(int s);

  // Calls from the edit.
  void Place();
  void ParentChanged();
  void EnabledChanged();
  void VisibleChanged();
  // The edit was told that `c` goes away.
  void Forget(TComponent* c);

 private:
  TWinControl* edit_;
  TLabel* label_ = nullptr;
  TLabelPosition position_ = lpLeft;
  int spacing_ = 4;
};

class TNtEdit : public TEdit {
  PXQ_CLASS(TNtEdit)
 public:
  explicit TNtEdit(TComponent* owner);

  TLabel* EditLabel() const { return label_.Label(); }
  std::string LabelCaption() const { return label_.Caption(); }
  void SetLabelCaption(const std::string& c) { label_.SetCaption(c); }
  TLabelPosition LabelPosition() const { return label_.Position(); }
  void SetLabelPosition(TLabelPosition p) { label_.SetPosition(p); }
  int LabelSpacing() const { return label_.Spacing(); }
  void SetLabelSpacing(int s) { label_.SetSpacing(s); }

  void SetBounds(int left, int top, int width, int height) override;
  void SetParent(TWinControl* parent) override;
  void SetVisible(bool visible) override;

 protected:
  void EnabledChanged() override;
  void Notification(TComponent* c, TOperation op) override;

 private:
  TEditLabel label_;
};

// A data-aware edit with its caption label. The condition dialogs bind no data to it (the
// library never opens a database); DataField is kept for the form descriptions.
class TNtDBEdit : public TCustomEdit {
  PXQ_CLASS(TNtDBEdit)
 public:
  explicit TNtDBEdit(TComponent* owner);

  TLabel* EditLabel() const { return label_.Label(); }
  std::string LabelCaption() const { return label_.Caption(); }
  void SetLabelCaption(const std::string& c) { label_.SetCaption(c); }
  TLabelPosition LabelPosition() const { return label_.Position(); }
  void SetLabelPosition(TLabelPosition p) { label_.SetPosition(p); }
  int LabelSpacing() const { return label_.Spacing(); }
  void SetLabelSpacing(int s) { label_.SetSpacing(s); }
  const std::string& DataField() const { return dataField_; }
  void SetDataField(const std::string& f) { dataField_ = f; }

  void SetBounds(int left, int top, int width, int height) override;
  void SetParent(TWinControl* parent) override;
  void SetVisible(bool visible) override;

 protected:
  void EnabledChanged() override;
  void Notification(TComponent* c, TOperation op) override;

 private:
  TEditLabel label_;
  std::string dataField_;
};

class TNtBtnDBEdit : public TNtDBEdit {
  PXQ_CLASS(TNtBtnDBEdit)
 public:
  explicit TNtBtnDBEdit(TComponent* owner);

  TGSpeedButton* Button() const { return button_; }
  int ButtonSpacing() const { return buttonSpacing_; }
  void SetButtonSpacing(int s);
  int GlyphIndex() const { return button_ ? button_->GlyphIndex() : 0; }
  void SetGlyphIndex(int n);
  std::string ButtonHint() const { return button_ ? button_->Hint() : std::string(); }
  void SetButtonHint(const std::string& hint);
  // The button's click: OnDialog when set, else the lookup request for this edit.
  void ButtonClick();

  void SetBounds(int left, int top, int width, int height) override;
  void SetParent(TWinControl* parent) override;
  void SetVisible(bool visible) override;

  TNotifyEvent OnDialog;

 protected:
  void EnabledChanged() override;
  void Notification(TComponent* c, TOperation op) override;

 private:
  void PlaceButton();
  TGSpeedButton* button_ = nullptr;
  int buttonSpacing_ = 2;
};

enum TPos : uint8_t { psTop, psLeft, psRight, psBottom };
const TEnumInfo& EnumInfoOf(TPos*);

class TDBLabel : public TLabel {
  PXQ_CLASS(TDBLabel)
 public:
  explicit TDBLabel(TComponent* owner);
  ~TDBLabel() override;

  TWinControl* FocusControl() const { return control_; }
  // Attaches the label to `c` (refused, with a message when another label holds it, when a
  // label beside it is already attached to `c`); no control detaches it.
  void SetFocusControl(TWinControl* c);
  bool AutoAlign() const { return autoAlign_; }
  void SetAutoAlign(bool v);
  bool AutoCaption() const { return autoCaption_; }
  void SetAutoCaption(bool v);
  TPos Pos() const { return pos_; }
  void SetPos(TPos p);
  uint8_t Gap() const { return gap_; }
  void SetGap(uint8_t g);
  // Caption from the control's data field (when it has one), then alignment.
  void Refresh();
  // Aligns once the description is read and the label has its size.
  void Loaded() override;

 protected:
  void Notification(TComponent* c, TOperation op) override;

 private:
  TWinControl* control_ = nullptr;
  bool autoAlign_ = true;
  bool autoCaption_ = true;
  TPos pos_ = psLeft;
  uint8_t gap_ = 4;
};

class TNtSpinEdit : public TSpinEdit {
  PXQ_CLASS(TNtSpinEdit)
 public:
  using TSpinEdit::TSpinEdit;

 protected:
  void Change() override;

 private:
  bool adjusting_ = false;
};

}  // namespace pxq::vcl
