#include "view/zbieracz_partii.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

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

const float* zbieracz_partii::bloki::adres(std::size_t f) const {
  // Blocks double from the first to the largest, then all are the largest.
  constexpr std::size_t PODWAJANE = std::bit_width(NAJWIEKSZY_BLOK / PIERWSZY_BLOK);
  constexpr std::size_t W_PODWAJANYCH = PIERWSZY_BLOK * ((std::size_t{1} << PODWAJANE) - 1);
  std::size_t blok, poczatek;
  if (f < W_PODWAJANYCH) {
    blok = static_cast<std::size_t>(std::bit_width(f / PIERWSZY_BLOK + 1)) - 1;
    poczatek = PIERWSZY_BLOK * ((std::size_t{1} << blok) - 1);
  } else {
    blok = PODWAJANE + (f - W_PODWAJANYCH) / NAJWIEKSZY_BLOK;
    poczatek = W_PODWAJANYCH + (blok - PODWAJANE) * NAJWIEKSZY_BLOK;
  }
  return bloki_[blok].get() + (f - poczatek);
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

zbieracz_partii::wierzcholek_gl zbieracz_partii::na_karte(double x, double y) const {
  double ex, ey;
  na_ekran(x, y, ex, ey);
  return {static_cast<float>(ex), static_cast<float>(ey)};
}

void zbieracz_partii::dodaj(partia& p, double x, double y, float z) {
  const wierzcholek_gl w = na_karte(x, y);
  p.xyz.dodaj(w.x, w.y, z);
}

// A segment whose ends GL gets as the same vertex covers no pixel: whole views of a large
// network hold hundreds of thousands of them (arcs and tangents far below a millimetre).
void zbieracz_partii::odcinek(wierzcholek_gl a, wierzcholek_gl b, float z) {
  if (a == b) return;
  partia& p = partia_dla(rodzaj::linie);
  p.xyz.dodaj(a.x, a.y, z);
  p.xyz.dodaj(b.x, b.y, z);
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
  odcinek(na_karte(x1, y1), na_karte(x2, y2), z);
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
  const wierzcholek_gl w = na_karte(x, y);
  if (!pierwszy_w_pasku_) odcinek(poprzedni_, w, z_paska_);
  pierwszy_w_pasku_ = false;
  poprzedni_ = w;
}

void zbieracz_partii::czworokat(const double xy[4][2], const double uv[4][2]) {
  const float z = nowy_prymityw();
  partia& p = partia_dla(rodzaj::czworokaty);
  for (int i = 0; i < 4; ++i) {
    dodaj(p, xy[i][0], xy[i][1], z);
    p.uv.dodaj(static_cast<float>(uv[i][0]), static_cast<float>(uv[i][1]));
  }
}

namespace {

// The place of a cell of a square grid in Z order: cells near on the plan stay near in it at
// every scale.
std::uint32_t z_porzadek(std::uint32_t x, std::uint32_t y) {
  const auto rozsun = [](std::uint32_t v) {
    v = (v | (v << 4)) & 0x0F0Fu;
    v = (v | (v << 2)) & 0x3333u;
    return (v | (v << 1)) & 0x5555u;
  };
  return rozsun(x) | (rozsun(y) << 1);
}

// Floats sent to GL at a time.
constexpr std::size_t PAKIET = 1 << 16;

}  // namespace

void zbieracz_partii::wyslij_wedlug_miejsca(partia& p, std::vector<float>& pakiet) {
  const std::size_t wierzcholki = p.k.r == rodzaj::punkty ? 1 : p.k.r == rodzaj::linie ? 2 : 4;
  const std::size_t xyz = 3 * wierzcholki, uv = 2 * wierzcholki;
  const std::size_t n = p.xyz.ile() / xyz;
  // A primitive's place is its first vertex, in a grid over them of about one cell for each.
  float x1 = INFINITY, y1 = INFINITY, x2 = -INFINITY, y2 = -INFINITY;
  for (std::size_t i = 0; i < n; ++i) {
    const float* v = p.xyz.adres(i * xyz);
    x1 = std::min(x1, v[0]);
    y1 = std::min(y1, v[1]);
    x2 = std::max(x2, v[0]);
    y2 = std::max(y2, v[1]);
  }
  const int bity = std::clamp(static_cast<int>(std::bit_width(n) + 1) / 2, 1, 8);
  const std::uint32_t najwieksza = (1u << bity) - 1;
  const double na_x = (1u << bity) / std::max(static_cast<double>(x2) - x1, 1e-9);
  const double na_y = (1u << bity) / std::max(static_cast<double>(y2) - y1, 1e-9);
  std::vector<std::uint32_t> w_komorce(std::size_t{1} << (2 * bity), 0), komorki(n);
  for (std::size_t i = 0; i < n; ++i) {
    const float* v = p.xyz.adres(i * xyz);
    const auto komorka = [najwieksza](double d) {
      if (!(d > 0)) return 0u;
      return d >= najwieksza ? najwieksza : static_cast<std::uint32_t>(d);
    };
    komorki[i] = z_porzadek(komorka((v[0] - x1) * na_x), komorka((v[1] - y1) * na_y));
    ++w_komorce[komorki[i]];
  }
  std::uint32_t przed = 0;
  for (std::uint32_t& k : w_komorce) przed += std::exchange(k, przed);
  std::vector<std::uint32_t> kolejnosc(n);
  for (std::size_t i = 0; i < n; ++i) kolejnosc[w_komorce[komorki[i]]++] = static_cast<std::uint32_t>(i);

  const auto wyslij_po_kolei = [&](const bloki& b, std::size_t na_prymityw, std::size_t gdzie) {
    const auto oddaj = [&] {
      glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(gdzie * sizeof(float)),
                      static_cast<GLsizeiptr>(pakiet.size() * sizeof(float)), pakiet.data());
      gdzie += pakiet.size();
      pakiet.clear();
    };
    for (std::uint32_t i : kolejnosc) {
      const float* f = b.adres(i * na_prymityw);
      pakiet.insert(pakiet.end(), f, f + na_prymityw);
      if (pakiet.size() >= PAKIET) oddaj();
    }
    if (!pakiet.empty()) oddaj();
  };
  wyslij_po_kolei(p.xyz, xyz, p.xyz_w_buforze);
  if (p.uv.ile() > 0) wyslij_po_kolei(p.uv, uv, p.uv_w_buforze);
  p.xyz.zwolnij();
  p.uv.zwolnij();
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
  std::vector<float> pakiet;
  pakiet.reserve(PAKIET + 12);
  for (std::size_t w = 0; w < ile_warstw_; ++w)
    for (partia& p : warstwy_[w].partie) wyslij_wedlug_miejsca(p, pakiet);
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
