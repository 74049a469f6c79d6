#include "imagery/bledy_jpeg.h"

namespace {

void przy_bledzie(j_common_ptr cinfo) {
  auto* bledy = reinterpret_cast<bledy_jpeg*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, bledy->tekst);
  std::longjmp(bledy->powrot, 1);
}

void przy_ostrzezeniu(j_common_ptr cinfo) {
  auto* bledy = reinterpret_cast<bledy_jpeg*>(cinfo->err);
  if (bledy->ostrzezenie[0] == 0) (*cinfo->err->format_message)(cinfo, bledy->ostrzezenie);
}

}  // namespace

void podlacz_bledy_jpeg(jpeg_common_struct& obiekt, bledy_jpeg& bledy) {
  obiekt.err = jpeg_std_error(&bledy.mgr);
  bledy.mgr.error_exit = przy_bledzie;
  bledy.mgr.output_message = przy_ostrzezeniu;
}
