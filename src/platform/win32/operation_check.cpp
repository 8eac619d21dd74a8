// Holds the list of desktop operations to Windows' own declarations: each
// listed operation must have exactly the listed result and parameters, so the
// simulated desktop declares what the Windows programs really call.
#include <windows.h>
#include <shellapi.h>

#include <type_traits>

#include "platform/desktop_operations.h"

#define VESKARA_CHECK_OPERATION(Result, Name, Parameters)                                 \
    static_assert(std::is_same_v<decltype(&::Name), Result(WINAPI*) Parameters>,          \
                  #Name " is declared by Windows as it is listed");
VESKARA_DESKTOP_OPERATIONS(VESKARA_CHECK_OPERATION)
