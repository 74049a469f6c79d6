#pragma once

// jpeglib.h needs FILE and size_t declared first.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

// libjpeg's error manager made to return: a fault longjmps to `powrot` with its text in
// `tekst` instead of ending the program; the first warning is kept in `ostrzezenie`, so that
// the caller writes one line per image. Whoever sets the jump target keeps every C++ object
// it needs outside the frame that calls libjpeg.
struct bledy_jpeg {
  jpeg_error_mgr mgr;
  std::jmp_buf powrot;
  char tekst[JMSG_LENGTH_MAX] = {};
  char ostrzezenie[JMSG_LENGTH_MAX] = {};
};

// Installs the manager on a compress or decompress object (before it is created).
void podlacz_bledy_jpeg(jpeg_common_struct& obiekt, bledy_jpeg& bledy);
