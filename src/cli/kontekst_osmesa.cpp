#include "cli/kontekst_osmesa.h"

#include <GL/osmesa.h>

#include <stdexcept>
#include <string>

kontekst_osmesa::kontekst_osmesa(int szerokosc, int wysokosc)
    : kontekst_(OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr)), szerokosc_(szerokosc), wysokosc_(wysokosc) {
  if (!kontekst_) throw std::runtime_error("Mesa nie utworzyła kontekstu OpenGL");
  bufor_.resize(static_cast<std::size_t>(szerokosc) * static_cast<std::size_t>(wysokosc) * 4);
  if (!OSMesaMakeCurrent(kontekst_, bufor_.data(), GL_UNSIGNED_BYTE, szerokosc, wysokosc)) {
    OSMesaDestroyContext(kontekst_);
    throw std::runtime_error("Mesa nie przyjęła obrazu " + std::to_string(szerokosc) + " x " +
                             std::to_string(wysokosc));
  }
  // gl* bound to another GL library would draw nothing without a word.
  if (!glGetString(GL_RENDERER)) {
    OSMesaDestroyContext(kontekst_);
    throw std::runtime_error("funkcje OpenGL nie pochodzą z Mesa (OSMesa)");
  }
}

kontekst_osmesa::~kontekst_osmesa() {
  OSMesaMakeCurrent(nullptr, nullptr, GL_UNSIGNED_BYTE, 0, 0);
  OSMesaDestroyContext(kontekst_);
}

std::vector<std::uint8_t> kontekst_osmesa::piksele_rgb() const {
  glFinish();
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(szerokosc_) * static_cast<std::size_t>(wysokosc_) * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, szerokosc_, wysokosc_, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  return rgb;
}
