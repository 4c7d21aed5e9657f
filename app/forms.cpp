#include "app/forms.h"

Forms::Forms()
    : ChooseStyleMenu(*this),
      NewStyleMenuEditor(*this),
      NewStyle_AddItem(*this),
      Form_Generated(*this),
      frm_OldStyleMenu(*this),
      frm_OldStyleOptions(*this),
      MenuPreview() {}

orvane::NewStyleMenu Forms::newStyleMenu() const {
    return NewStyleMenuEditor.menu();
}

orvane::OldStyleMenu Forms::oldStyleMenu() const {
    orvane::OldStyleMenu menu = frm_OldStyleOptions.options();
    menu.menuString = frm_OldStyleMenu.GetOldStyleMenu();
    return menu;
}
