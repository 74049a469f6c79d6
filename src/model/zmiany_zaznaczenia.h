#pragma once

#include <cstdint>

// A count that moves on with every change a layout's summary of its selection depends on: a
// selection or highlight flag written with a new value, an item made or destroyed, a point
// given another element. A layout whose summary was taken at the count of now can trust it
// without looking at its items. One count for all layouts: a change in one only makes the
// others count again once.
std::uint64_t pokolenie_zaznaczenia();
void zmiana_zaznaczenia();
