// Lookups into the parts of a selection panel: its list gets the chosen rows, its range edits
// the chosen code.
#include <exception>
#include <string>
#include <vector>

#include "lib/controls/select_panel.h"
#include "lib/dialog/base_gene.h"
#include "platform/os/codepage.h"

namespace pxq::dialog {

using namespace vcl;

namespace {

// A value of an answer as text; a value that has none (a nested array, an object) is empty.
std::string TextOf(const Variant& value) {
  try {
    return value.ToAnsi();
  } catch (const std::exception&) {
    return {};
  }
}

// The texts of a row: its elements (only the first four unless all columns are wanted), or
// the value itself when the row is a single value.
std::vector<std::string> RowTexts(const Variant& row, bool allColumns) {
  std::vector<std::string> texts;
  if (!row.IsArray()) {
    texts.push_back(TextOf(row));
    return texts;
  }
  const VarArray& a = row.Array();
  if (a.DimCount() != 1) return texts;
  for (int i = a.Low(); i <= a.High() && (allColumns || i - a.Low() < 4); ++i)
    texts.push_back(TextOf(a[i]));
  return texts;
}

std::string Join(const std::vector<std::string>& texts, const std::string& separator) {
  std::string out;
  for (size_t i = 0; i < texts.size(); ++i) out += (i ? separator : "") + texts[i];
  return out;
}

}  // namespace

void TfrmBaseGene::FillPanelFromLookup(TControl* control, const Variant& table, const Variant& key,
                                       bool allColumns, const Variant& extra,
                                       const Variant& parameters) {
  auto* panel = control ? dynamic_cast<TSelectPanel*>(control->Owner()) : nullptr;
  if (!panel) {
    ShowDialog(GetLangMessage("TfrmBaseGene", "sBBM", true, os::Ansi("此控件不属于选择面板!")),
               mtError, {mbOK});
    return;
  }
  if (control == panel->ListBox) {
    const Variant answer = LookupByF2(table, key, parameters, extra, true);
    if (!answer.IsArray() || answer.Array().DimCount() != 1) return;
    const VarArray& rows = answer.Array();
    panel->ListBox->BeginUpdate();
    for (int i = rows.Low(); i <= rows.High(); ++i) {
      const std::vector<std::string> texts = RowTexts(rows[i], allColumns);
      if (panel->UseDiscard())
        panel->ListBox->AddRow({Join(texts, panel->Discard())});
      else
        panel->ListBox->AddRow(texts);
    }
    panel->ListBox->EndUpdate();
    return;
  }
  if (control != panel->edBegin && control != panel->edFinal) return;
  const Variant answer = LookupByF2(table, key, parameters, extra, false);
  if (answer.IsBlank()) return;  // nothing chosen: the edit keeps its text
  std::string text;
  if (panel->UseDiscard()) {
    text = Join(RowTexts(answer, allColumns), panel->Discard());
  } else if (answer.IsArray()) {
    const std::vector<std::string> first =
        answer.Array().DimCount() == 1 && answer.Array().Length() > 0
            ? RowTexts(answer.Array()[answer.Array().Low()], allColumns)
            : std::vector<std::string>{};
    text = first.empty() ? std::string() : first[0];
  } else {
    text = TextOf(answer);
  }
  control->SetText(text);
}

}  // namespace pxq::dialog
