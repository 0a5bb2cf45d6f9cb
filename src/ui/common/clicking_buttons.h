#pragma once
// Check boxes and radio buttons whose accessible toggle is a click.

namespace zm {

// From now on a screen reader's Toggle (or Press) on any check box or radio button clicks it, as
// the mouse or the space bar does: the windows act on clicks, which Qt's own toggle does not send.
// Safe to call more than once.
void InstallClickingButtons();

} // namespace zm
