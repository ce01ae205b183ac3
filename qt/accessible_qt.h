// The windows for a clerk who cannot see them well or works with the keyboard alone: the controls'
// names, descriptions and link roles for screen readers, from the table beside the designs, as
// Qt's accessibility interfaces give them to the desktop (AT-SPI on Linux), and the focus shown.
#pragma once

#include <string_view>

class QWidget;

namespace qev {

// Gives a control of the window its name and description from the table, and a link the link
// role; a control the table does not hold keeps what Qt gives it.
void MakeAccessible(QWidget* control, std::string_view window, std::string_view name,
                    int index = -1);

// Has the style show the focus in the window from its first showing on, as it shows it once Tab
// has moved it: Qt forgets that at every showing, and the first button to have the focus would
// show none.
void ShowFocusFromTheStart(QWidget* window);

} // namespace qev
