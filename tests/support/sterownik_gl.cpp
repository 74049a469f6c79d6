#include "support/sterownik_gl.h"

#include <dlfcn.h>
#include <link.h>

#include <string>
#include <string_view>
#include <vector>

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
