#pragma once

// The program's six windows. Each exists once, is created at start in this order and lives
// until the program ends; they reach one another through this set.
//
//   ChooseStyleMenu --Continue--> NewStyleMenuEditor --Generate--> Form_Generated
//                                    `--Add--> NewStyle_AddItem (any number of times)
//                   --Continue--> frm_OldStyleMenu --Continue--> frm_OldStyleOptions
//                                                                 --Generate--> Form_Generated
//
// Each window shows the next with exec() and closes itself when that one ends, so one run
// leads through at most one generation and then unwinds to the end of the program.

#include "app/choose_style_menu.h"
#include "generator/menu_inputs.h"
#include "ui/form_generated.h"
#include "ui/menu_preview.h"
#include "ui/new_style_add_item.h"
#include "ui/new_style_menu_editor.h"
#include "ui/old_style_menu.h"
#include "ui/old_style_options.h"

class Forms final : public orvane::MenuInputs {
  public:
    Forms();

    // The editors' contents as generation needs them, read at the moment of the call.
    orvane::NewStyleMenu newStyleMenu() const override;
    orvane::OldStyleMenu oldStyleMenu() const override;

    TChooseStyleMenu ChooseStyleMenu;
    TNewStyleMenuEditor NewStyleMenuEditor;
    TNewStyle_AddItem NewStyle_AddItem;
    TForm_Generated Form_Generated;
    Tfrm_OldStyleMenu frm_OldStyleMenu;
    Tfrm_OldStyleOptions frm_OldStyleOptions;
    // Not part of the chain: opened beside an editor, non-modal, by its preview button. Last,
    // so that it goes first: it may be a window of an editor when the set is destroyed.
    TMenuPreview MenuPreview;
};
