// A tiny library in the shape of a suite library, loaded by the tests by
// its Windows name.

#include "platform/winerror.h"

extern "C" {

__attribute__((visibility("default"))) int ProbeAnswer()
{
    return 42;
}

// Sets the last error from inside the library: the test reads it back to
// see that the program and the library share one platform layer.
__attribute__((visibility("default"))) void ProbeSetLastError(unsigned code)
{
    win::setLastError(code);
}

}
