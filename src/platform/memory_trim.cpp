#include "platform/memory_trim.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace zm {

void ReleaseFreeMemory() {
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}

} // namespace zm
