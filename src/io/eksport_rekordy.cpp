#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "app/log.h"
#include "io/eksport.h"
#include "io/strumien_rekordow.h"
#include "io/trasa.h"
#include "track/geometria.h"
#include "track/tor.h"

namespace {

constexpr std::int32_t TYP_BEZ_LINII = 0;
constexpr std::int32_t TYP_KONIEC = 1;
constexpr std::int32_t TYP_LUK = 2;
constexpr std::int32_t TYP_LINIA = 3;
constexpr std::int32_t TYP_ROZJAZD = 4;
constexpr std::int32_t TYP_ZDARZENIE = 5;
constexpr int BRAK_REKORDU = -1;

constexpr std::size_t ROZMIAR_NAGLOWKA = 10;
constexpr std::size_t ROZMIAR_TRASY = 12;
constexpr std::size_t ROZMIAR_LINII = 60;
constexpr std::size_t ROZMIAR_ZAKONCZENIA = 4;  // the integer 0 after every point

constexpr std::uint8_t ZNACZNIK_PLIKU = 0x78;
constexpr std::uint8_t WERSJA_PLIKU = 1;

int typ_punktu(const tor_punkt& t) {
  switch (t.GET_LIMAX()) {
    case 0: return TYP_BEZ_LINII;
    case 1: return TYP_KONIEC;
    case 2: return t.punkt_zdarzenia ? TYP_ZDARZENIE : TYP_LUK;
    case 3: return TYP_ROZJAZD;
    default: return BRAK_REKORDU;
  }
}

std::size_t rozmiar_rekordu(int typ) {
  switch (typ) {
    case TYP_BEZ_LINII: return 4;
    case TYP_KONIEC: return 16;
    case TYP_LUK: return 56;
    case TYP_ROZJAZD: return 24;
    case TYP_ZDARZENIE: return 45;
    default: return 0;
  }
}

// The simulator reads singles; a value that has no finite single (a gradient over a zero
// straight length among them) is written as 0.
float f32(double v) {
  const float f = static_cast<float>(v);
  return std::isfinite(f) ? f : 0.0f;
}

// 1 when the point is the line's p2, 0 when it is its p1.
std::int32_t bit_konca(const w_linia* linia, const w_punkt* punkt) { return linia->p2 == punkt ? 1 : 0; }

wektor polozenie(const w_punkt* p) { return {p->GET_X(), p->GET_Y()}; }

class pisarz_eksportu {
 public:
  pisarz_eksportu(const tor_uklad& tor, pisarz_rekordow& s) : s(s) {
    numer_punktu.reserve(tor.pmax());
    numer_linii.reserve(tor.lmax());
    for (int i = 0; i < tor.pmax(); ++i) numer_punktu.emplace(tor.p[i], i);
    for (int i = 0; i < tor.lmax(); ++i) numer_linii.emplace(tor.l[i], tor.pmax() + i);
    std::unordered_map<const w_element*, int> numer_elementu;
    for (int i = 0; i < tor.emax(); ++i) numer_elementu.emplace(tor.e[i], i);
    czujnik_elementu.assign(tor.emax(), -1);
    for (int i = 0; i < tor.pmax(); ++i) {
      const w_punkt* t = tor.p[i];
      if (!t->element || t->GET_LIMAX() != 3) continue;
      const auto el = numer_elementu.find(t->element);
      if (el != numer_elementu.end()) czujnik_elementu[el->second] = i;
    }
  }

  void punkt(const tor_punkt& t) {
    switch (typ_punktu(t)) {
      case TYP_BEZ_LINII: s.int32(TYP_BEZ_LINII); break;
      case TYP_KONIEC: koniec(t); break;
      case TYP_LUK: luk(t); break;
      case TYP_ROZJAZD: rozjazd(t); break;
      case TYP_ZDARZENIE: punkt_ze_zdarzeniem(t); break;
      default: break;
    }
    s.int32(0);
  }

  void linia(const tor_linia& L) {
    const tor_punkt& S = *L.poczatek();
    const tor_punkt& E = *L.koniec();
    const koniec_toru kS = koniec_toru_w_punkcie(L, S);
    const koniec_toru kE = koniec_toru_w_punkcie(L, E);
    const double tS = S.dlugosc_stycznej;
    const double prosta = L.dlugosc();
    s.int32(TYP_LINIA);
    s.int32(L.przeswit);
    s.f32(f32(S.GET_X() - L.kx * tS));
    s.f32(f32(S.GET_Y() - L.ky * tS));
    s.f32(f32(kS.wysokosc));
    s.f32(f32(-L.kx));
    s.f32(f32(-L.ky));
    s.f32(f32((kE.wysokosc - kS.wysokosc) / prosta));
    s.f32(f32(prosta));
    s.f32(f32(kS.parametr));
    s.f32(f32(kE.parametr));
    s.int32(numer_punktu.at(&S));
    s.int32(numer_punktu.at(&E));
    s.int32((S.li[0] != &L ? 1 : 0) | (E.li[0] != &L ? 2 : 0));
    s.int32(0);
  }

 private:
  std::int32_t numer(const w_linia* linia) const { return numer_linii.at(linia); }

  void koniec(const tor_punkt& t) {
    s.int32(TYP_KONIEC);
    s.int32(t.przeswit);
    s.int32(numer(t.li[0]));
    s.int32(bit_konca(t.li[0], &t));
  }

  void dwie_linie(const tor_punkt& t) {
    s.int32(numer(t.li[0]));
    s.int32(numer(t.li[1]));
    s.int32(bit_konca(t.li[0], &t) | bit_konca(t.li[1], &t) << 1);
  }

  // The paired values follow the turn: for +1 z and the start bearing first, for -1 and 0 the
  // second elevation and the end bearing.
  void luk(const tor_punkt& t) {
    const bool dodatni = t.skret == 1;
    const double z = t.GET_Z();
    const double z2 = t.wysokosc2_bezwzgledna();
    const double h1 = dodatni ? z : z2;
    const double h2 = dodatni ? z2 : z;
    s.int32(TYP_LUK);
    s.int32(t.przeswit);
    s.f32(f32(t.srodek_x));
    s.f32(f32(t.srodek_y));
    s.f32(f32(h1));
    s.f32(f32(dodatni ? t.kat_poczatkowy : t.kat_koncowy));
    s.f32(f32(dodatni ? t.kat_koncowy : t.kat_poczatkowy));
    s.f32(f32(h2 - h1));
    s.f32(f32(t.promien));
    s.f32(f32(dodatni ? t.parametr1 : t.parametr2));
    s.f32(f32(dodatni ? t.parametr2 : t.parametr1));
    dwie_linie(t);
  }

  // A sensor names the turnout it acts on by element index; the simulator wants the point
  // where that turnout branches.
  std::int32_t argument_zdarzenia(const zdarzenie& z) const {
    if (z.typ != ZD_CZUJNIK) return z.argument;
    if (z.argument < 0 || z.argument >= static_cast<std::int32_t>(czujnik_elementu.size())) return -1;
    return czujnik_elementu[z.argument];
  }

  void punkt_ze_zdarzeniem(const tor_punkt& t) {
    // Only the preparation sets the flag, and it gives every such point its event; a point
    // without one writes an empty event.
    const zdarzenie z = t.zdarzenia.pusta() ? zdarzenie{} : t.zdarzenia.pierwszy()->dane;
    s.int32(TYP_ZDARZENIE);
    s.int32(z.typ);
    s.int32(z.typ_b);
    s.u8(z.kierunek);
    s.int32(argument_zdarzenia(z));
    s.f32(f32(z.rezerwa));
    dwie_linie(t);
    s.f32(f32(t.GET_X()));
    s.f32(f32(t.GET_Y()));
    s.f32(f32(t.GET_Z()));
  }

  // The trunk is the line whose far end lies on the other side of the point from both others;
  // the branch running more nearly straight on from it comes first.
  void rozjazd(const tor_punkt& t) {
    const wektor A = polozenie(&t);
    auto iloczyn = [&](int d, int f) {
      const wektor D = polozenie(t.li[d]->drugi_koniec(&t));
      const wektor F = polozenie(t.li[f]->drugi_koniec(&t));
      return static_cast<float>(iloczyn_skalarny(A - D, A - F));
    };
    int pien = 0;
    int galaz1 = 1;
    int galaz2 = 2;
    const float P = iloczyn(0, 1);
    const float Q = iloczyn(0, 2);
    if (!(P * Q >= 0)) {
      if (P < 0) {
        pien = 1;
        galaz1 = 0;
      } else {
        pien = 2;
        galaz2 = 0;
      }
    }
    if (iloczyn(pien, galaz1) > iloczyn(pien, galaz2)) std::swap(galaz1, galaz2);

    const std::int32_t przelozenie = t.element ? t.element->przelozenie & PRZELOZENIE_SKRET : 0;
    s.int32(TYP_ROZJAZD);
    s.int32(t.przeswit);
    s.int32(numer(t.li[pien]));
    s.int32(numer(t.li[galaz1]));
    s.int32(numer(t.li[galaz2]));
    s.int32(bit_konca(t.li[pien], &t) | bit_konca(t.li[galaz1], &t) << 1 | bit_konca(t.li[galaz2], &t) << 2 |
            przelozenie << 3);
  }

  pisarz_rekordow& s;
  std::unordered_map<const w_punkt*, std::int32_t> numer_punktu;
  std::unordered_map<const w_linia*, std::int32_t> numer_linii;
  std::vector<int> czujnik_elementu;  // by element index: its last point with three lines
};

}  // namespace

koniec_toru koniec_toru_w_punkcie(const tor_linia& linia, const tor_punkt& punkt) {
  const auto miejsce = std::find(punkt.li.begin(), punkt.li.end(), &linia) - punkt.li.begin();
  const bool druga = miejsce == 1 || (miejsce > 1 && punkt.skret < 1);
  if (druga) return {punkt.wysokosc2_bezwzgledna(), punkt.parametr2};
  return {punkt.GET_Z(), punkt.parametr1};
}

std::vector<std::uint8_t> rekordy_eksportu(const tor_uklad& tor, const trasa_info& trasa) {
  std::size_t rozmiar = ROZMIAR_NAGLOWKA + ROZMIAR_TRASY + ROZMIAR_LINII * tor.lmax();
  for (int i = 0; i < tor.pmax(); ++i) rozmiar += rozmiar_rekordu(typ_punktu(*tor.punkt(i))) + ROZMIAR_ZAKONCZENIA;
  log_pisz("max=[%d]\n", static_cast<int>(rozmiar));

  pisarz_rekordow s;
  s.dane().reserve(rozmiar);
  s.u8(ZNACZNIK_PLIKU);
  s.u8(WERSJA_PLIKU);
  s.int32(static_cast<std::int32_t>(rozmiar));
  s.int32(tor.pmax() + tor.lmax());
  pisarz_eksportu pisarz(tor, s);
  for (int i = 0; i < tor.pmax(); ++i) pisarz.punkt(*tor.punkt(i));
  for (int i = 0; i < tor.lmax(); ++i) pisarz.linia(*tor.linia(i));
  zapisz_trase(s, trasa);
  return std::move(s.dane());
}
