#pragma once
// Gives the memory the program has freed back to the system, so a resident program that is
// idle keeps a small footprint. The program calls it whenever its main window is not open.

namespace zm {

void ReleaseFreeMemory();

} // namespace zm
