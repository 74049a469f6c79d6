#pragma once

// jpeglib.h needs FILE and size_t declared first.
#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

// libjpeg's error manager made to return: a fault longjmps to `powrot` with its text in
// `tekst` instead of ending the program; warnings go to the log. Whoever sets the jump
// target keeps every C++ object it needs outside the frame that calls libjpeg.
struct bledy_jpeg {
  jpeg_error_mgr mgr;
  std::jmp_buf powrot;
  const std::string* nazwa = nullptr;  // the file named in warnings
  char tekst[JMSG_LENGTH_MAX] = {};
};

// Installs the manager on a compress or decompress object (before it is created).
void podlacz_bledy_jpeg(jpeg_common_struct& obiekt, bledy_jpeg& bledy, const std::string& nazwa);
