#include "generator/generate.h"

#include "generator/current_menu.h"
#include "generator/new_style_template.h"
#include "generator/old_style_template.h"

namespace orvane {

Generation Generate(const MenuInputs &inputs) {
    SourceText out;
    Generation result;
    switch (CurrentMenu()) {
        case 0:
            appendNewStyleMenu(out, inputs.newStyleMenu());
            break;
        case 1:
            result.failure = appendOldStyleMenu(out, inputs.oldStyleMenu()).value_or(QString());
            break;
        default:
            break;
    }
    result.text = out.takeText();
    return result;
}

}  // namespace orvane
