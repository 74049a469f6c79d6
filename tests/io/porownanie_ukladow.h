#pragma once

#include <string>

class w_uklad;

// Every field of two layouts, doubles to the last bit: points with their kind's fields, lines,
// elements, event lists, the links between them (as indices), selection flags and markers.
// Returns the first difference found, or "" when the two are the same.
std::string roznica_ukladow(const w_uklad& a, const w_uklad& b);
