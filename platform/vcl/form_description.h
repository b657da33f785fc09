// Form descriptions: the components of a form and their properties as text.
//
//   object frmMain: TfrmMain
//     Caption = '条件'
//     KeyPreview = True
//     object btnOk: TButton
//       Left = 8
//       Caption = '确定'
//       ModalResult = 1
//       OnClick = btnOkClick
//     end
//   end
//
// An object block creates a component of the named class (owned by the root, nested in the
// enclosing object: a control's parent, a menu item's parent item) and sets its properties by
// name. An inherited block ("inherited btnOk: TButton") changes a component that an ancestor's
// description created. Values: integers, floats, 'texts' (with '' for a quote, #n for the
// character with code n, + joining pieces), identifiers (enumeration values, True and False,
// named constants such as clBtnFace, components, and handlers published by the root's class),
// sets [a, b], string lists ('a' 'b') and collections <item ... end>. Texts are UTF-8 and enter
// the model in the ANSI code page.
#pragma once

#include <string_view>
#include <vector>

namespace pxq::vcl {

class TComponent;

// Reads descriptions into `root`, the most basic first; then resolves references between
// components and calls Loaded. EReadError (with the line) for text that cannot be read, an
// unknown class, property or handler, or a value the property does not take; what was read
// before stays (owned by the root).
void ReadDescription(TComponent* root, const std::vector<std::string_view>& texts);
void ReadDescription(TComponent* root, std::string_view text);

}  // namespace pxq::vcl
