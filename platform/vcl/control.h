// Controls: TControl (placed on a parent, bounds, text, font, mouse events), TGraphicControl
// (drawn by its parent: labels, speed buttons) and TWinControl (windowed: has a handle, child
// controls, tab order, keyboard focus and key events).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/component.h"
#include "platform/vcl/events.h"
#include "platform/vcl/font.h"
#include "platform/vcl/messages.h"

namespace pxq::vcl {

class TWinControl;
class TCustomForm;
class TPopupMenu;

enum TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
const TEnumInfo& EnumInfoOf(TAlign*);

enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
const TEnumInfo& EnumInfoOf(TAlignment*);

enum TLeftRight : uint8_t { lrLeftJustify, lrRightJustify };  // check box and radio alignment

enum TAnchorKind : uint8_t { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
const TEnumInfo& EnumInfoOf(TAnchorKind*);

using TKeyEvent = TEvent<TObject*, Word&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;
using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;

class TControl : public TComponent {
  PXQ_CLASS(TControl)
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  void BeforeDestruction() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  // The form this control is on (the form itself for a form), or nullptr.
  TCustomForm* ParentForm() const;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  // Positions are kept within +-1000000 and sizes within 0..1000000.
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  virtual int ClientWidth() const { return width_; }
  virtual int ClientHeight() const { return height_; }
  virtual void SetClientWidth(int v) { SetWidth(v); }
  virtual void SetClientHeight(int v) { SetHeight(v); }
  // Position of the control in the coordinates of its form's client area.
  TPoint ClientOrigin() const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors a) { anchors_ = a; }

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible and every parent visible (a form counts as showing only when it is shown).
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  // Caption and Text are the same text.
  const std::string& Caption() const { return text_; }
  void SetCaption(const std::string& text) { SetText(text); }
  virtual std::string Text() const { return text_; }
  virtual void SetText(const std::string& text);

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  // With ParentShowHint the parent's setting applies.
  bool ShowHint() const;
  void SetShowHint(bool v);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool v) { parentShowHint_ = v; }

  TFont* Font() const { return font_.get(); }
  void SetFont(const TFont& font) { font_->Assign(font); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool v);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool v);
  // Settings kept for descriptions and views: the 3-D look and the help topic.
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool v) { ctl3D_ = v; }
  bool ParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool v) { parentCtl3D_ = v; }
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int v) { helpContext_ = v; }
  int Cursor() const { return cursor_; }
  void SetCursor(int c) { cursor_ = c; }
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);

  // Sends a message to the control and returns its result.
  LRESULT Perform(uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void WndProc(TMessage& msg);

  // Clicks the control as the user does (raises OnClick and what clicking does).
  virtual void Click();
  // The accelerator key `ch` ("&S" in a caption) was pressed: true when this control acted.
  virtual bool DialogChar(char /*ch*/) { return false; }
  virtual void DblClick();
  void BringToFront();
  void SendToBack();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnResize;

 protected:
  void Notification(TComponent* c, TOperation op) override;
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void Resize();
  virtual void TextChanged() {}
  virtual void EnabledChanged() {}
  virtual void VisibleChanged();
  virtual void FontChanged();
  // Tells observers of the model that a property changed.
  void Changed(std::string_view property);
  bool Loading() const { return ComponentState().Contains(csLoading); }
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  // The parent realigns its children after a change of this control.
  void RequestAlign();

  std::string text_;

 private:
  friend class TWinControl;
  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  TAlign align_ = alNone;
  TAnchors anchors_{akLeft, akTop};
  bool visible_ = true;
  bool enabled_ = true;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = false;
  int cursor_ = 0;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  int helpContext_ = 0;
  TPopupMenu* popupMenu_ = nullptr;
  bool mouseCaptured_ = false;
};

// A control without a window of its own (label, speed button, image, splitter).
class TGraphicControl : public TControl {
  PXQ_CLASS(TGraphicControl)
 public:
  using TControl::TControl;
};

// Dialog codes: which keys a control keeps for itself instead of offering them to the form.
inline constexpr int DLGC_WANTARROWS = 0x01;
inline constexpr int DLGC_WANTTAB = 0x02;
inline constexpr int DLGC_WANTALLKEYS = 0x04;  // Enter and Esc too
inline constexpr int DLGC_WANTCHARS = 0x80;

class TWinControl : public TControl {
  PXQ_CLASS(TWinControl)
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  void BeforeDestruction() override;

  // Child controls in z-order of insertion.
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int i) const;
  bool ContainsControl(const TControl* c) const;  // c is this or inside it at any depth

  // The window handle, allocated at first use; the target of posted messages.
  HWND Handle() const;
  bool HandleAllocated() const { return handle_ != 0; }

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool v);
  // Windowed children in tab order.
  std::vector<TWinControl*> TabList() const { return tabList_; }
  // Every windowed control inside, in tab order, containers before their children.
  std::vector<TWinControl*> GetTabOrderList() const;
  // The next control in tab order after `current` (cyclic), or nullptr.
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                               bool checkParent) const;
  void SelectFirst();

  // Visible and enabled, and so is every parent up to the form.
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();

  virtual int DialogCode() const { return 0; }

  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();
  // Lays out the aligned children: top, bottom, left, right, then client.
  void Realign();
  TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }

  void Loaded() override;
  void WndProc(TMessage& msg) override;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;

 protected:
  virtual void DoEnter();
  virtual void DoExit();
  // Raise the key events; the form sees them first when its KeyPreview is on. Return true
  // when the key was consumed (set to 0).
  bool DoKeyDown(Word& key, TShiftState shift);
  bool DoKeyPress(char& key);
  bool DoKeyUp(Word& key, TShiftState shift);
  virtual void KeyDown(Word& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual void KeyUp(Word& key, TShiftState shift);
  // What the control does with a key nobody consumed (edits move the caret, insert text).
  virtual void DefaultKeyDown(Word /*key*/, TShiftState /*shift*/) {}
  virtual void DefaultChar(char /*ch*/) {}
  virtual void AlignControls(TRect& rect);
  void VisibleChanged() override;
  void EnabledChanged() override;
  void Resize() override;

 private:
  friend class TControl;
  void InsertControl(TControl* c);
  void RemoveControl(TControl* c);
  void FixupTabList();

  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  mutable HWND handle_ = 0;
  bool tabStop_ = false;
  int loadedTabOrder_ = -1;
  int alignDisabled_ = 0;
  bool aligning_ = false;
};

// A windowed control that draws itself (panels, list views, grids).
class TCustomControl : public TWinControl {
  PXQ_CLASS(TCustomControl)
 public:
  using TWinControl::TWinControl;
};

// True when `caption` marks `ch` as its accelerator ("&S", letters without regard to case).
bool IsAccel(char ch, std::string_view caption);

// The form of a control (nullptr when it is on none).
TCustomForm* GetParentForm(const TControl* control);
// The windowed control with this handle, or nullptr.
TWinControl* FindControl(HWND handle);

}  // namespace pxq::vcl
