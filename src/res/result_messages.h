#pragma once
// What the common error reporter shows for a library result code.

#include <cstdint>

namespace zm {

enum class ResultBeep { None, Default, Error };

struct ResultMessage {
    int stringId = 0; // 0: the code is silent (success, or the failure was already reported)
    ResultBeep beep = ResultBeep::None; // sounded before the box
};

// The message of a library result code. Unknown codes (a read failure 33, a write failure 34,
// a file that could not be read or written during import and export 36, ...) sound the error
// beep and show "An unknown error has occurred.".
ResultMessage MessageForResult(uint32_t code);

} // namespace zm
