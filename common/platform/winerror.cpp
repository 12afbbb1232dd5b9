#include "winerror.h"

namespace win {

namespace {
thread_local ErrorCode t_lastError = error::Success;
}

ErrorCode lastError()
{
    return t_lastError;
}

void setLastError(ErrorCode code)
{
    t_lastError = code;
}

} // namespace win
