#pragma once

namespace orvane {

// Which template the next generation uses: 0 new style, 1 old style, anything else nothing.
// Zero when the program starts.
int CurrentMenu();
void SetCurrentMenu(int value);

}  // namespace orvane
