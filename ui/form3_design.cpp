#include "ui/form3_design.h"

#include <algorithm>

namespace qev::form3 {

const Control& ControlNamed(std::string_view name) {
    return *std::find_if(kControls.begin(), kControls.end(),
                         [name](const Control& control) { return control.name == name; });
}

TwipsRect PlaceIn(const Control& control, int clientWidth, int clientHeight) {
    const int wider = clientWidth - kClientWidth, taller = clientHeight - kClientHeight;
    TwipsRect place = control.place;
    switch (control.kind) {
    case Kind::AmountColumn:
        place.height += taller;
        break;
    case Kind::ResultColumn:
        place.width += wider;
        place.height += taller;
        break;
    case Kind::Label:
        place.width += control.name == "Label2" ? wider : 0;
        break;
    case Kind::Button:
        place.left += wider;
        place.top += taller;
        break;
    case Kind::CheckBox:
        place.top += taller;
        break;
    case Kind::StatusBar:
        place.top += taller;
        place.width += wider;
        break;
    }
    return place;
}

std::u16string RowsNote(std::size_t rows, std::size_t refused) {
    const auto number = [](std::size_t n) {
        const std::string digits = std::to_string(n);
        return std::u16string(digits.begin(), digits.end());
    };
    return u"共" + number(rows) + u"行" +
           (refused ? u"，其中" + number(refused) + u"行无法转换" : std::u16string());
}

} // namespace qev::form3
