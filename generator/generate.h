#pragma once

#include "generator/menu_inputs.h"

#include <QString>

namespace orvane {

struct Generation {
    QString text;     // the generated lines, each followed by CR LF
    QString failure;  // empty unless generation stopped early; then the message to report
};

// Reads CurrentMenu once and generates the matching plugin from the inputs; a value other
// than 0 and 1 generates nothing.
Generation Generate(const MenuInputs &inputs);

}  // namespace orvane
