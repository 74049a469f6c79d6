#include "io/porownanie_ukladow.h"

#include <bit>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <unordered_map>

#include "track/siec.h"
#include "track/tor.h"

namespace {

class porownanie {
 public:
  bool zgodne() const { return wynik.empty(); }

  template <class T>
  void pole(const std::string& gdzie, const T& a, const T& b) {
    if (!zgodne() || a == b) return;
    std::ostringstream s;
    s << gdzie << ": " << +a << " != " << +b;
    wynik = s.str();
  }

  void pole(const std::string& gdzie, double a, double b) {
    if (!zgodne() || std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b)) return;
    char tekst[128];
    std::snprintf(tekst, sizeof tekst, "%a != %a", a, b);
    wynik = gdzie + ": " + tekst;
  }

  std::string wynik;
};

template <class T>
std::unordered_map<const T*, int> indeksy(const std::vector<T*>& v) {
  std::unordered_map<const T*, int> wynik;
  for (std::size_t i = 0; i < v.size(); ++i) wynik[v[i]] = static_cast<int>(i);
  wynik[nullptr] = -1;
  return wynik;
}

void porownaj_zdarzenia(porownanie& p, const std::string& gdzie, const lista_zdarzen& a, const lista_zdarzen& b) {
  p.pole(gdzie + " liczba zdarzeń", a.ile(), b.ile());
  const wezel_zdarzenia* x = a.pierwszy();
  const wezel_zdarzenia* y = b.pierwszy();
  for (int i = 0; x && y && p.zgodne(); ++i, x = x->nastepny.get(), y = y->nastepny.get()) {
    const std::string z = gdzie + " zdarzenie " + std::to_string(i);
    p.pole(z + " typ", x->dane.typ, y->dane.typ);
    p.pole(z + " typ_b", x->dane.typ_b, y->dane.typ_b);
    p.pole(z + " kierunek", x->dane.kierunek, y->dane.kierunek);
    p.pole(z + " pozycja", x->dane.pozycja, y->dane.pozycja);
    p.pole(z + " argument", x->dane.argument, y->dane.argument);
    p.pole(z + " rezerwa", x->dane.rezerwa, y->dane.rezerwa);
    p.pole(z + " czujnik_x", x->dane.czujnik_x, y->dane.czujnik_x);
    p.pole(z + " czujnik_y", x->dane.czujnik_y, y->dane.czujnik_y);
  }
}

void porownaj_punkty(porownanie& p, const w_uklad& A, const w_uklad& B) {
  const auto la = indeksy(A.l), lb = indeksy(B.l);
  const auto ea = indeksy(A.e), eb = indeksy(B.e);
  for (int i = 0; i < A.pmax() && p.zgodne(); ++i) {
    const w_punkt& a = *A.p[i];
    const w_punkt& b = *B.p[i];
    const std::string g = "punkt " + std::to_string(i);
    p.pole(g + " zaznaczony", a.zaznaczony(), b.zaznaczony());
    p.pole(g + " x", a.x, b.x);
    p.pole(g + " y", a.y, b.y);
    p.pole(g + " z", a.z, b.z);
    porownaj_zdarzenia(p, g, a.zdarzenia, b.zdarzenia);
    p.pole(g + " limax", a.GET_LIMAX(), b.GET_LIMAX());
    for (int j = 0; j < a.GET_LIMAX() && p.zgodne(); ++j)
      p.pole(g + " li[" + std::to_string(j) + "]", la.at(a.li[j]), lb.at(b.li[j]));
    p.pole(g + " element", ea.at(a.element), eb.at(b.element));
    const auto* ta = dynamic_cast<const tor_punkt*>(&a);
    const auto* tb = dynamic_cast<const tor_punkt*>(&b);
    p.pole(g + " rodzaj", ta != nullptr, tb != nullptr);
    if (!ta || !tb) continue;
    p.pole(g + " wysokosc2", ta->wysokosc2, tb->wysokosc2);
    p.pole(g + " przeswit", ta->przeswit, tb->przeswit);
    p.pole(g + " promien", ta->promien, tb->promien);
    p.pole(g + " dlugosc_stycznej", ta->dlugosc_stycznej, tb->dlugosc_stycznej);
    p.pole(g + " parametr1", ta->parametr1, tb->parametr1);
    p.pole(g + " parametr2", ta->parametr2, tb->parametr2);
    p.pole(g + " obiekt", ta->obiekt, tb->obiekt);
    p.pole(g + " srodek_x", ta->srodek_x, tb->srodek_x);
    p.pole(g + " srodek_y", ta->srodek_y, tb->srodek_y);
    p.pole(g + " kat_poczatkowy", ta->kat_poczatkowy, tb->kat_poczatkowy);
    p.pole(g + " kat_koncowy", ta->kat_koncowy, tb->kat_koncowy);
    p.pole(g + " skret", ta->skret, tb->skret);
    p.pole(g + " punkt_zdarzenia", ta->punkt_zdarzenia, tb->punkt_zdarzenia);
  }
}

void porownaj_linie(porownanie& p, const w_uklad& A, const w_uklad& B) {
  const auto pa = indeksy(A.p), pb = indeksy(B.p);
  for (int i = 0; i < A.lmax() && p.zgodne(); ++i) {
    const w_linia& a = *A.l[i];
    const w_linia& b = *B.l[i];
    const std::string g = "linia " + std::to_string(i);
    p.pole(g + " zaznaczony", a.zaznaczony(), b.zaznaczony());
    porownaj_zdarzenia(p, g, a.zdarzenia, b.zdarzenia);
    p.pole(g + " p1", pa.at(a.p1), pb.at(b.p1));
    p.pole(g + " p2", pa.at(a.p2), pb.at(b.p2));
    p.pole(g + " kx", a.kx, b.kx);
    p.pole(g + " ky", a.ky, b.ky);
    p.pole(g + " kz", a.kz, b.kz);
    p.pole(g + " dl", a.dl, b.dl);
    if (const auto* ta = dynamic_cast<const tor_linia*>(&a)) {
      const auto* tb = dynamic_cast<const tor_linia*>(&b);
      p.pole(g + " rodzaj", true, tb != nullptr);
      if (!tb) continue;
      p.pole(g + " obiekt", ta->obiekt, tb->obiekt);
      p.pole(g + " przeswit", ta->przeswit, tb->przeswit);
      p.pole(g + " blad", ta->blad, tb->blad);
    } else if (const auto* sa = dynamic_cast<const siec_linia*>(&a)) {
      const auto* sb = dynamic_cast<const siec_linia*>(&b);
      p.pole(g + " rodzaj", true, sb != nullptr);
      if (sb) p.pole(g + " typ", sa->typ, sb->typ);
    }
  }
}

void porownaj_elementy(porownanie& p, const w_uklad& A, const w_uklad& B) {
  for (int i = 0; i < A.emax() && p.zgodne(); ++i) {
    const w_element& a = *A.e[i];
    const w_element& b = *B.e[i];
    const std::string g = "element " + std::to_string(i);
    p.pole(g + " x", a.x, b.x);
    p.pole(g + " y", a.y, b.y);
    p.pole(g + " z", a.z, b.z);
    p.pole(g + " kat", a.kat, b.kat);
    p.pole(g + " podswietlony", a.podswietlony(), b.podswietlony());
    p.pole(g + " zaznaczony", a.zaznaczony(), b.zaznaczony());
    p.pole(g + " odbity", a.odbity, b.odbity);
    p.pole(g + " przelozenie", a.przelozenie, b.przelozenie);
    p.pole(g + " nr_szablonu", a.nr_szablonu, b.nr_szablonu);
  }
}

}  // namespace

std::string roznica_ukladow(const w_uklad& a, const w_uklad& b) {
  porownanie p;
  p.pole("pmax", a.pmax(), b.pmax());
  p.pole("lmax", a.lmax(), b.lmax());
  p.pole("emax", a.emax(), b.emax());
  p.pole("punkt_kursor", a.punkt_kursor, b.punkt_kursor);
  p.pole("linia_kursor", a.linia_kursor, b.linia_kursor);
  p.pole("ostatni_punkt", a.ostatni_punkt, b.ostatni_punkt);
  p.pole("szab_akt", a.szab_akt, b.szab_akt);
  p.pole("punkt_docelowy", a.punkt_docelowy == nullptr, b.punkt_docelowy == nullptr);
  porownaj_punkty(p, a, b);
  porownaj_linie(p, a, b);
  porownaj_elementy(p, a, b);
  return p.wynik;
}
