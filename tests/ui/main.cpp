#include <dlfcn.h>
#include <gtest/gtest.h>
#include <link.h>

#include <QApplication>
#include <clocale>
#include <string>
#include <string_view>
#include <vector>

#include "ui/uruchomienie.h"

namespace {

// Mesa unloads its GL driver at exit, before the leak checker reports; what the driver still
// holds then has no module name to meet the suppressions with. Kept loaded, it is named.
void zatrzymaj_sterownik_gl() {
  std::vector<std::string> sterowniki;
  dl_iterate_phdr(
      [](dl_phdr_info* info, std::size_t, void* dane) {
        if (std::string_view(info->dlpi_name).ends_with("_dri.so"))
          static_cast<std::vector<std::string>*>(dane)->push_back(info->dlpi_name);
        return 0;
      },
      &sterowniki);
  for (const std::string& s : sterowniki) dlopen(s.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

}  // namespace

// The window tests share one application, made as the editor makes it.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Listing the tests happens at build time, where there may be no display.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  ustaw_format_gl();
  QApplication aplikacja(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  // Closing a tested window must not end anything.
  QApplication::setQuitOnLastWindowClosed(false);
  const int wynik = RUN_ALL_TESTS();
  zatrzymaj_sterownik_gl();
  return wynik;
}
