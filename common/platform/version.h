#pragma once

// The program's version resource (GetFileVersionInfoW / VerQueryValueW).
namespace win {

struct ProductVersion
{
    int major;
    int minor;
    int build;
    int revision;
};

ProductVersion productVersion();

} // namespace win
