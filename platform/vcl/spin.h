// The spin edit: an edit for whole numbers with up and down steps.
#pragma once

#include "platform/vcl/stdctrls.h"

namespace pxq::vcl {

class TSpinEdit : public TCustomEdit {
  PXQ_CLASS(TSpinEdit)
 public:
  explicit TSpinEdit(TComponent* owner);

  // The text as a number (MinValue when it is not one).
  int Value() const;
  void SetValue(int v);
  int MinValue() const { return minValue_; }
  void SetMinValue(int v);
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int v);
  int Increment() const { return increment_; }
  void SetIncrement(int v) { increment_ = v; }
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool v) { editorEnabled_ = v; }
  // The up and down buttons (and arrow keys): Value +/- Increment within the limits.
  void StepUp();
  void StepDown();
  // Within MinValue..MaxValue when they differ; unchanged otherwise.
  int CheckValue(int v) const;

 protected:
  void DefaultKeyDown(Word key, TShiftState shift) override;
  void DefaultChar(char ch) override;
  void DoExit() override;

 private:
  int minValue_ = 0;
  int maxValue_ = 0;
  int increment_ = 1;
  bool editorEnabled_ = true;
};

}  // namespace pxq::vcl
