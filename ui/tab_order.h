// The order Tab visits a window's controls in, from its design table: by tab position, the
// controls with none (-1) after the others, each in the table's order.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <numeric>

namespace qev {

template <typename Control, std::size_t N>
std::array<std::size_t, N> TabOrder(const std::array<Control, N>& controls) {
    std::array<std::size_t, N> places;
    std::iota(places.begin(), places.end(), std::size_t{0});
    std::stable_sort(places.begin(), places.end(), [&controls](std::size_t a, std::size_t b) {
        const auto order = [&controls](std::size_t place) {
            return static_cast<unsigned>(controls[place].tabPosition); // -1 after every other
        };
        return order(a) < order(b);
    });
    return places;
}

} // namespace qev
