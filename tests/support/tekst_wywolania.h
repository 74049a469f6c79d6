#pragma once

#include <sstream>
#include <string>

// A recorded call as one line of text: its name and its arguments, blank-separated.
template <class... T>
std::string tekst_wywolania(const char* nazwa, T... wartosci) {
  std::ostringstream s;
  s << nazwa;
  ((s << ' ' << wartosci), ...);
  return s.str();
}
