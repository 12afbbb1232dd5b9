#pragma once

#include "suiteapi/suitecommonfunctions.h"

// The functions of the linked suitecommon library, with IsWin2KorXP chosen
// by the test (true at first).
suiteapi::SuiteCommonFunctions testSuiteCommon();
void setPerUserDataFolder(bool perUser);
