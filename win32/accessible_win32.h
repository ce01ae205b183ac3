// The controls' names, roles and descriptions for screen readers, from the table beside the
// designs, as Windows' accessibility interfaces report them: MSAA, and UI Automation through it.
#pragma once

#include "ui/accessible_names.h"

#include <windows.h>

#include <optional>
#include <string_view>

namespace qev::win32 {

// Gives a control of the window the name, role (or `role`, for a part of a control, such as a
// combo box's field) and description the table holds for it: as the system's annotations where
// it keeps them, or else by the control answering for itself when asked for its accessible object
// (Wine keeps none). A control the table does not hold keeps what Windows gives it.
void MakeAccessible(HWND control, std::string_view window, std::string_view name, int index = -1,
                    std::optional<AccessibleRole> role = std::nullopt);

} // namespace qev::win32
