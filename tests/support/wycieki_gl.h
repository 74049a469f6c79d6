#pragma once

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

// Every test program that opens a GL context calls this last in main, while its application
// (and with it the display and the GL driver) still exists. Leaks are then looked for while the
// driver is loaded and its threads wait idle, so what the driver keeps until exit is named by
// its library and suppressed. Left to the exit, the check would come after the display closed
// and the driver unloaded: the driver's blocks would show with no module to name them, and its
// threads would end while the checker stops the world.
inline void sprawdz_wycieki_przy_sterowniku() {
#if defined(__SANITIZE_ADDRESS__)
  __lsan_do_leak_check();
#endif
}
