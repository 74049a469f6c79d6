#pragma once

#include <string>

#include "imagery/obraz.h"

// Textures from images. These calls need the current GL context; reading alone
// (wczytaj_obraz) does not. Texture id 0 means none.

// How a texture keeps its pixels. Orthophoto tiles are many and photographic: compressed to
// DXT1 (half a byte a pixel instead of four, hardly visible on a photo) when the context offers
// S3TC, else kept whole. Pictures and symbols keep every pixel (thin lines of scanned maps).
enum class zapis_tekstury { pelny, skompresowany };

// A mipmapped RGB texture of the image (linear within the nearest level, linear magnified);
// 0 for an empty image or when GL refuses it.
unsigned zbuduj_teksture(const obraz& o, zapis_tekstury zapis = zapis_tekstury::pelny);
// Reads a BMP or JPEG (see wczytaj_obraz) scaled to fit GL_MAX_TEXTURE_SIZE and builds its
// texture; 0 on any failure, after the reader's message, with the reason in `powod` when given.
unsigned laduj_teksture(const std::string& sciezka, std::string* powod = nullptr);
// Deletes the texture, if any, and sets the id to 0.
void usun_teksture(unsigned& id);
// GL_MAX_TEXTURE_SIZE of the current context.
int maks_rozmiar_tekstury();
