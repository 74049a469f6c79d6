#include "plik_w_pamieci.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void przerwij(const char* co) {
  std::perror(co);
  std::abort();
}

}  // namespace

plik_w_pamieci::plik_w_pamieci() {
  deskryptor_ = memfd_create("vialtor-fuzz", MFD_CLOEXEC);
  if (deskryptor_ < 0) przerwij("memfd_create");
  // Opening this path opens the file anew, at offset 0, as an open() of a named file would.
  sciezka_ = "/proc/self/fd/" + std::to_string(deskryptor_);
}

plik_w_pamieci::~plik_w_pamieci() { ::close(deskryptor_); }

const std::string& plik_w_pamieci::zapisz(const std::uint8_t* dane, std::size_t rozmiar) {
  if (::ftruncate(deskryptor_, 0) != 0) przerwij("ftruncate");
  for (std::size_t zapisane = 0; zapisane < rozmiar;) {
    const ssize_t n = ::pwrite(deskryptor_, dane + zapisane, rozmiar - zapisane, static_cast<off_t>(zapisane));
    if (n <= 0) przerwij("pwrite");
    zapisane += static_cast<std::size_t>(n);
  }
  return sciezka_;
}
