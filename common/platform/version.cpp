#include "version.h"

namespace win {

ProductVersion productVersion()
{
    return {TESSERA_VERSION_MAJOR, TESSERA_VERSION_MINOR, TESSERA_VERSION_PATCH,
            TESSERA_VERSION_TWEAK};
}

} // namespace win
