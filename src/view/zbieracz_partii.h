#pragma once

#include <cstdint>
#include <vector>

#include "view/malarz_ekranowy.h"

// What one vertex array of a gathering draws: a kind of primitive of one size, colour and
// texture.
struct klucz_partii {
  enum class rodzaj : std::uint8_t { punkty, linie, czworokaty };
  rodzaj r;
  float rozmiar;
  float rgba[4];
  bool z_tekstura;
  unsigned tekstura;
  bool operator==(const klucz_partii&) const = default;
};

// The arrays of one gathering in a GL buffer of their own, drawn from there: GL keeps the only
// copy. Make, draw and delete with the buffer's context current.
class partie_gl {
 public:
  // Draws the arrays, clearing the depth buffer before each run of depths.
  void rysuj() const;
  // Deletes the GL buffer (the destructor leaves it to the context, which frees it when it goes).
  void zwolnij_gl();

 private:
  friend class zbieracz_partii;
  struct partia {
    klucz_partii k;
    // Where the arrays are in the buffer, in floats (uv for quads only), and how many vertices.
    std::size_t xyz = 0, uv = 0, wierzcholki = 0;
  };
  unsigned bufor_ = 0;
  // Primitives between two clears of the depth buffer.
  std::vector<std::vector<partia>> warstwy_;
};

// Drawing calls gathered into a few vertex arrays, one per kind of primitive, size, colour and
// texture, and drawn with a handful of glDrawArrays instead of one glBegin per primitive. Each
// primitive keeps its place in the order as its depth (later ones nearer, the depth test
// GL_LESS): since every colour is opaque, each pixel ends as the last primitive over it made it,
// exactly as drawing them one by one in order. A translucent colour, a colour changed inside a
// strip or a textured point or line would not: the gathering then reports itself unfaithful.
// The arrays are the gatherer's working memory, kept from one gathering to the next: what is
// drawn goes on from a partie_gl.
class zbieracz_partii : public malarz_ekranowy {
 public:
  // Empties the arrays (their memory stays for the next gathering). `ekran` maps the plan to the
  // screen, `piksel` multiplies sizes as in malarz_gl, and `glebia_bity` is the depth buffer's
  // precision, which bounds the primitives between two clears of it.
  void zacznij(const przeksztalcenie& ekran, double piksel, int glebia_bity);
  // The arrays give the picture of the calls drawn in order.
  bool wierny() const { return wierny_; }
  // Moves what was gathered into `cel`'s buffer, which it replaces. Call with its context current.
  void wyslij(partie_gl& cel) const;

  void kolor(float r, float g, float b) override { kolor(r, g, b, 1); }
  void kolor(float r, float g, float b, float a) override;
  void rozmiar_punktu(float rozmiar) override { rozmiar_ = static_cast<float>(rozmiar * piksel_); }
  void szerokosc_linii(float szerokosc) override { szerokosc_ = static_cast<float>(szerokosc * piksel_); }
  void punkt(double x, double y, double z) override;
  void linia(double x1, double y1, double z1, double x2, double y2, double z2) override;
  void pasek_poczatek() override;
  void wierzcholek(double x, double y, double z) override;
  void pasek_koniec() override { w_pasku_ = false; }
  void czworokat(const double xy[4][2], const double uv[4][2]) override;
  void tekstura(unsigned id) override {
    tekstura_ = id;
    z_tekstura_ = true;
  }
  void bez_tekstury() override { z_tekstura_ = false; }

 private:
  using rodzaj = klucz_partii::rodzaj;
  struct partia {
    klucz_partii k;
    std::vector<float> xyz;
    std::vector<float> uv;  // quads only
  };
  // Primitives between two clears of the depth buffer.
  struct warstwa {
    std::vector<partia> partie;
  };

  // The depth of the next primitive; a new layer when the depth buffer has no more room.
  float nowy_prymityw();
  partia& partia_dla(rodzaj r);
  void dodaj(partia& p, double x, double y, float z);

  std::vector<warstwa> warstwy_;
  std::size_t ile_warstw_ = 0;
  std::uint32_t w_warstwie_ = 0;
  std::uint32_t pojemnosc_ = 0;
  float krok_glebi_ = 0;
  double piksel_ = 1;
  bool wierny_ = true;

  float rgba_[4] = {1, 1, 1, 1};
  float rozmiar_ = 1, szerokosc_ = 1;
  bool z_tekstura_ = false;
  unsigned tekstura_ = 0;
  bool w_pasku_ = false;
  bool pierwszy_w_pasku_ = false;
  float z_paska_ = 0;
  double poprzedni_x_ = 0, poprzedni_y_ = 0;
  partia* ostatnia_ = nullptr;
};
