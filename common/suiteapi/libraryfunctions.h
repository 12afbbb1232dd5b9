#pragma once

#include "platform/suitelibrary.h"

#include <type_traits>

// How the programs bind a suite library's functions: one struct of function
// pointers per library (worksdata, workstree, suitecommon), filled from the
// library loaded by its Windows name, so that a missing library or function
// gives the program's own message. Tests fill the structs with the linked
// stand-ins or with fakes.
namespace suiteapi {

// Takes the function of that name from the library; false when missing.
template <typename Pointer>
bool bindFunction(const win::SuiteLibrary &library, const char *name, Pointer &function)
{
    function = library.function<std::remove_pointer_t<Pointer>>(name);
    return function != nullptr;
}

} // namespace suiteapi
