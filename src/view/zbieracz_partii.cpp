#include "view/zbieracz_partii.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cmath>

void zbieracz_partii::bloki::nowy_blok() {
  rozmiar_bloku_ = bloki_.empty() ? PIERWSZY_BLOK : std::min(rozmiar_bloku_ * 2, NAJWIEKSZY_BLOK);
  bloki_.push_back(std::make_unique_for_overwrite<float[]>(rozmiar_bloku_));
  wolne_ = rozmiar_bloku_;
}

std::size_t zbieracz_partii::bloki::w_pamieci() const {
  std::size_t n = 0, rozmiar = PIERWSZY_BLOK;
  for (std::size_t i = 0; i < bloki_.size(); ++i, rozmiar = std::min(rozmiar * 2, NAJWIEKSZY_BLOK)) n += rozmiar;
  return n;
}

void zbieracz_partii::bloki::zwolnij() {
  bloki_.clear();
  bloki_.shrink_to_fit();
  rozmiar_bloku_ = wolne_ = ile_ = 0;
}

std::size_t zbieracz_partii::floaty_w_pamieci() const {
  std::size_t n = 0;
  for (const warstwa& w : warstwy_)
    for (const partia& p : w.partie) n += p.xyz.w_pamieci() + p.uv.w_pamieci();
  return n;
}

void zbieracz_partii::zacznij(const macierze& m, double piksel, int glebia_bity) {
  zacznij_od(m);
  piksel_ = piksel;
  for (std::size_t i = 0; i < ile_warstw_; ++i)
    for (partia& p : warstwy_[i].partie) {
      p.xyz.zwolnij();
      p.uv.zwolnij();
      p.wierzcholki = 0;
    }
  ile_warstw_ = 0;
  wyslane_ = false;
  // Depths step by four units of the buffer from just below the far plane: z = 1 - (k + 1) * krok
  // is exact in float and stays apart from its neighbours after the buffer's rounding.
  // Without a depth buffer the order cannot be kept: one layer, reported unfaithful.
  const int bity = std::clamp(glebia_bity, 4, 24);
  wierny_ = glebia_bity >= 4;
  pojemnosc_ = wierny_ ? (std::uint32_t{1} << (bity - 2)) - 1 : UINT32_MAX;
  krok_glebi_ = std::ldexp(1.0f, 3 - bity);
  w_warstwie_ = pojemnosc_;
  rgba_[0] = rgba_[1] = rgba_[2] = rgba_[3] = 1;
  rozmiar_ = szerokosc_ = static_cast<float>(piksel_);
  z_tekstura_ = false;
  tekstura_ = 0;
  w_pasku_ = false;
  ostatnia_ = nullptr;
}

float zbieracz_partii::nowy_prymityw() {
  if (w_warstwie_ == pojemnosc_) {
    if (ile_warstw_ == warstwy_.size()) warstwy_.emplace_back();
    ++ile_warstw_;
    w_warstwie_ = 0;
    ostatnia_ = nullptr;
  }
  ++w_warstwie_;
  return 1 - static_cast<float>(w_warstwie_) * krok_glebi_;
}

zbieracz_partii::partia& zbieracz_partii::partia_dla(rodzaj r) {
  klucz k{r, r == rodzaj::punkty ? rozmiar_ : (r == rodzaj::linie ? szerokosc_ : 0), {rgba_[0], rgba_[1], rgba_[2], rgba_[3]},
          z_tekstura_, z_tekstura_ ? tekstura_ : 0};
  if (ostatnia_ && ostatnia_->k == k) return *ostatnia_;
  std::vector<partia>& partie = warstwy_[ile_warstw_ - 1].partie;
  for (partia& p : partie)
    if (p.k == k) return *(ostatnia_ = &p);
  partie.push_back({k, {}, {}});
  return *(ostatnia_ = &partie.back());
}

void zbieracz_partii::dodaj(partia& p, double x, double y, float z) {
  double ex, ey;
  na_ekran(x, y, ex, ey);
  p.xyz.dodaj(static_cast<float>(ex), static_cast<float>(ey), z);
}

void zbieracz_partii::kolor(float r, float g, float b, float a) {
  // Inside a strip a new colour would be shaded along the segment; translucent ones blend with
  // what is under them, so their order matters.
  if (w_pasku_ || a != 1) wierny_ = false;
  rgba_[0] = r;
  rgba_[1] = g;
  rgba_[2] = b;
  rgba_[3] = a;
}

void zbieracz_partii::punkt(double x, double y, double) {
  if (z_tekstura_) wierny_ = false;
  const float z = nowy_prymityw();
  dodaj(partia_dla(rodzaj::punkty), x, y, z);
}

void zbieracz_partii::linia(double x1, double y1, double, double x2, double y2, double) {
  if (z_tekstura_) wierny_ = false;
  const float z = nowy_prymityw();
  partia& p = partia_dla(rodzaj::linie);
  dodaj(p, x1, y1, z);
  dodaj(p, x2, y2, z);
}

void zbieracz_partii::pasek_poczatek() {
  if (z_tekstura_) wierny_ = false;
  w_pasku_ = true;
  pierwszy_w_pasku_ = true;
  z_paska_ = nowy_prymityw();
}

// A strip is drawn as its segments: the same pixels as GL_LINE_STRIP.
void zbieracz_partii::wierzcholek(double x, double y, double) {
  if (!w_pasku_) return;
  if (!pierwszy_w_pasku_) {
    partia& p = partia_dla(rodzaj::linie);
    dodaj(p, poprzedni_x_, poprzedni_y_, z_paska_);
    dodaj(p, x, y, z_paska_);
  }
  pierwszy_w_pasku_ = false;
  poprzedni_x_ = x;
  poprzedni_y_ = y;
}

void zbieracz_partii::czworokat(const double xy[4][2], const double uv[4][2]) {
  const float z = nowy_prymityw();
  partia& p = partia_dla(rodzaj::czworokaty);
  for (int i = 0; i < 4; ++i) {
    dodaj(p, xy[i][0], xy[i][1], z);
    p.uv.dodaj(static_cast<float>(uv[i][0]), static_cast<float>(uv[i][1]));
  }
}

void zbieracz_partii::wyslij() {
  std::size_t ile = 0;
  for (std::size_t w = 0; w < ile_warstw_; ++w)
    for (partia& p : warstwy_[w].partie) {
      p.xyz_w_buforze = ile;
      p.uv_w_buforze = ile + p.xyz.ile();
      p.wierzcholki = p.xyz.ile() / 3;
      ile += p.xyz.ile() + p.uv.ile();
    }
  if (bufor_ == 0) glGenBuffers(1, &bufor_);
  glBindBuffer(GL_ARRAY_BUFFER, bufor_);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(ile * sizeof(float)), nullptr, GL_STATIC_DRAW);
  auto wyslij_bloki = [](bloki& b, std::size_t gdzie) {
    b.oddaj([&gdzie](const float* f, std::size_t n) {
      glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(gdzie * sizeof(float)),
                      static_cast<GLsizeiptr>(n * sizeof(float)), f);
      gdzie += n;
    });
  };
  for (std::size_t w = 0; w < ile_warstw_; ++w)
    for (partia& p : warstwy_[w].partie) {
      wyslij_bloki(p.xyz, p.xyz_w_buforze);
      wyslij_bloki(p.uv, p.uv_w_buforze);
    }
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  wyslane_ = true;
}

void zbieracz_partii::zwolnij_gl() {
  if (bufor_ != 0) glDeleteBuffers(1, &bufor_);
  bufor_ = 0;
  wyslane_ = false;
}

void zbieracz_partii::rysuj() {
  if (!wyslane_) wyslij();
  auto przesuniecie = [](std::size_t floaty) { return reinterpret_cast<const void*>(floaty * sizeof(float)); };
  glBindBuffer(GL_ARRAY_BUFFER, bufor_);
  glEnableClientState(GL_VERTEX_ARRAY);
  // Every colour here is opaque: blending would give the same pixels, after reading each back.
  const GLboolean mieszanie = glIsEnabled(GL_BLEND);
  glDisable(GL_BLEND);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);
  glDepthMask(GL_TRUE);
  for (std::size_t w = 0; w < ile_warstw_; ++w) {
    glClear(GL_DEPTH_BUFFER_BIT);
    for (const partia& p : warstwy_[w].partie) {
      if (p.wierzcholki == 0) continue;
      const klucz& k = p.k;
      glColor4f(k.rgba[0], k.rgba[1], k.rgba[2], k.rgba[3]);
      if (k.z_tekstura) {
        glBindTexture(GL_TEXTURE_2D, k.tekstura);
        glEnable(GL_TEXTURE_2D);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, 0, przesuniecie(p.uv_w_buforze));
      }
      glVertexPointer(3, GL_FLOAT, 0, przesuniecie(p.xyz_w_buforze));
      const auto n = static_cast<GLsizei>(p.wierzcholki);
      switch (k.r) {
        case rodzaj::punkty:
          glPointSize(k.rozmiar);
          glDrawArrays(GL_POINTS, 0, n);
          break;
        case rodzaj::linie:
          glLineWidth(k.rozmiar);
          glDrawArrays(GL_LINES, 0, n);
          break;
        case rodzaj::czworokaty:
          glDrawArrays(GL_QUADS, 0, n);
          break;
      }
      if (k.z_tekstura) {
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisable(GL_TEXTURE_2D);
      }
    }
  }
  glDisable(GL_DEPTH_TEST);
  if (mieszanie) glEnable(GL_BLEND);
  glDisableClientState(GL_VERTEX_ARRAY);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
}
