#include "imagery/tekstura.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glext.h>

#include <cstring>

#include "imagery/wczytaj_obraz.h"

namespace {

GLint format_wewnetrzny(zapis_tekstury zapis) {
  if (zapis == zapis_tekstury::skompresowany) {
    const char* rozszerzenia = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (rozszerzenia && std::strstr(rozszerzenia, "GL_EXT_texture_compression_s3tc"))
      return GL_COMPRESSED_RGB_S3TC_DXT1_EXT;
  }
  return GL_RGB;
}

}  // namespace

unsigned zbuduj_teksture(const obraz& o, zapis_tekstury zapis) {
  if (o.szerokosc <= 0 || o.wysokosc <= 0 ||
      o.piksele.size() != static_cast<std::size_t>(o.szerokosc) * static_cast<std::size_t>(o.wysokosc) * 3)
    return 0;
  GLuint id = 0;
  glGenTextures(1, &id);
  if (id == 0) return 0;
  glBindTexture(GL_TEXTURE_2D, id);
  // RGB rows are packed: with GL's default 4-byte row alignment a width that is not a
  // multiple of 4 would shear the image and read past the end.
  GLint wyrownanie = 4;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &wyrownanie);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  const GLint blad = gluBuild2DMipmaps(GL_TEXTURE_2D, format_wewnetrzny(zapis), o.szerokosc, o.wysokosc, GL_RGB, GL_UNSIGNED_BYTE,
                                       o.piksele.data());
  glPixelStorei(GL_UNPACK_ALIGNMENT, wyrownanie);
  if (blad != 0) {
    glDeleteTextures(1, &id);
    return 0;
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  return id;
}

int maks_rozmiar_tekstury() {
  GLint rozmiar = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &rozmiar);
  return rozmiar;
}

unsigned laduj_teksture(const std::string& sciezka, std::string* powod) {
  obraz_lub_powod o = odczytaj_obraz(sciezka, maks_rozmiar_tekstury());
  const unsigned id = o.obraz ? zbuduj_teksture(*o.obraz) : 0;
  if (id == 0 && powod) *powod = o.obraz ? "karta graficzna nie przyjęła obrazu jako tekstury" : std::move(o.powod);
  return id;
}

void usun_teksture(unsigned& id) {
  if (id != 0) {
    const GLuint nazwa = id;
    glDeleteTextures(1, &nazwa);
  }
  id = 0;
}
