#include "generator/current_menu.h"

namespace orvane {

namespace {
int currentMenu = 0;
}

int CurrentMenu() { return currentMenu; }

void SetCurrentMenu(int value) { currentMenu = value; }

}  // namespace orvane
