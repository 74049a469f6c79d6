// The layout's own records: the gz record form of the project file and the text form.
#include <algorithm>
#include <string>

#include "app/log.h"
#include "io/blad_pliku.h"
#include "io/strumien_rekordow.h"
#include "io/strumien_tekstowy.h"
#include "model/w_uklad.h"
#include "track/tor.h"

namespace {

constexpr int FORMAT_1410 = 1410;
constexpr int FORMAT_1411 = 1411;
constexpr int FORMAT_1412 = 1412;

// The smallest records, for checking counts against what the rest of a file can hold.
constexpr std::size_t NAJMNIEJSZY_PUNKT = 68;
constexpr std::size_t NAJMNIEJSZA_LINIA = 8 + 12;
constexpr std::size_t NAJMNIEJSZY_ELEMENT = 32;

[[noreturn]] void odrzuc_format(int numer) {
  log_pisz("proba wczytania nierozpoznanego pliku!\n");
  throw nieznany_format(numer);
}

std::string opis(const char* co, int nr, const std::string& tekst) {
  return std::string(co) + " " + std::to_string(nr) + ": " + tekst;
}

// A line between points a and b of the appended ones; the pair is checked first, since a file
// that names one point twice or joins the same pair twice cannot come from this program.
void sprawdz_pare(const w_uklad& uklad, int nr, int a, int b, int liczba_punktow, int p0) {
  if (a < 0 || a >= liczba_punktow || b < 0 || b >= liczba_punktow)
    throw blad_pliku(opis("linia", nr, "indeks punktu " + std::to_string(a < 0 || a >= liczba_punktow ? a : b) +
                                           " poza zakresem 0.." + std::to_string(liczba_punktow - 1)));
  if (a == b) throw blad_pliku(opis("linia", nr, "łączy punkt " + std::to_string(a) + " z nim samym"));
  if (w_uklad::linia_miedzy(uklad.p[p0 + a], uklad.p[p0 + b]))
    throw blad_pliku(opis("linia", nr, "powtórzone połączenie punktów " + std::to_string(a) + " i " + std::to_string(b)));
}

}  // namespace

void w_uklad::zapisz(pisarz_rekordow& s) const {
  s.int32(FORMAT_1412);
  s.int32(pmax());
  for (const w_punkt* punkt : p) punkt->zapisz(s);
  // Indices of line ends and elements are looked up once, not searched per line.
  std::vector<std::pair<const w_punkt*, int>> indeksy;
  indeksy.reserve(p.size());
  for (int i = 0; i < pmax(); ++i) indeksy.emplace_back(p[i], i);
  std::sort(indeksy.begin(), indeksy.end());
  auto indeks = [&](const w_punkt* punkt) {
    auto it = std::lower_bound(indeksy.begin(), indeksy.end(), std::make_pair(punkt, -1));
    return it != indeksy.end() && it->first == punkt ? it->second : -1;
  };
  s.int32(lmax());
  for (const w_linia* linia : l) {
    s.int32(indeks(linia->p1));
    s.int32(indeks(linia->p2));
    linia->zapisz(s);
  }
  s.int32(emax());
  for (const w_element* element : e) element->zapisz(s);
  std::vector<std::pair<const w_element*, int>> elementy;
  for (int i = 0; i < emax(); ++i) elementy.emplace_back(e[i], i);
  std::sort(elementy.begin(), elementy.end());
  for (const w_punkt* punkt : p) {
    int nr = -1;
    if (punkt->element) {
      auto it = std::lower_bound(elementy.begin(), elementy.end(), std::make_pair(static_cast<const w_element*>(punkt->element), -1));
      if (it != elementy.end() && it->first == punkt->element) nr = it->second;
    }
    s.int32(nr);
  }
}

void w_uklad::wczytaj(czytnik_rekordow& s) {
  const int p0 = pmax();
  const int e0 = emax();
  const int format = s.int32();
  if (format != FORMAT_1410 && format != FORMAT_1411 && format != FORMAT_1412) odrzuc_format(format);

  // Each point read is appended as the kind's add-point operation would append it with the
  // cursor markers cleared: with the layout's defaults, the new point the only one selected.
  // The whole layout is recomputed once the file has been read.
  const int n = s.licznik(NAJMNIEJSZY_PUNKT, "punktów");
  if (n > 0) {
    odznacz_wszystko();
    punkt_kursor = linia_kursor = -1;
  }
  p.reserve(p.size() + n);
  for (int i = 0; i < n; ++i) {
    w_punkt* punkt = utworz_punkt(0, 0, 0);
    dodaj_do_p(punkt);
    try {
      punkt->wczytaj(s);
    } catch (const blad_pliku& b) {
      throw blad_pliku(opis("punkt", i, b.what()));
    }
  }
  if (n > 0) p.back()->zaznaczony = 1;

  const int m = s.licznik(NAJMNIEJSZA_LINIA, "linii");
  l.reserve(l.size() + m);
  for (int i = 0; i < m; ++i) {
    const int a = s.int32();
    const int b = s.int32();
    sprawdz_pare(*this, i, a, b, n, p0);
    w_linia* linia = polacz(p[p0 + a], p[p0 + b]);
    if (!linia) throw blad_pliku(opis("linia", i, "nie da się połączyć punktów"));
    try {
      linia->wczytaj(s);
    } catch (const blad_pliku& bl) {
      throw blad_pliku(opis("linia", i, bl.what()));
    }
  }

  const std::size_t rozmiar_elementu = format == FORMAT_1412 ? 41 : (format == FORMAT_1411 ? 37 : 32);
  const int k = s.licznik(std::max(rozmiar_elementu, NAJMNIEJSZY_ELEMENT), "elementów");
  for (int i = 0; i < k; ++i) {
    w_element* element = nowy_element(0, 0, 0);
    if (format == FORMAT_1412)
      element->wczytaj(s);
    else if (format == FORMAT_1411)
      element->wczytaj_1411(s);
    else
      element->wczytaj_1410(s);
  }

  for (int i = 0; i < n; ++i) {
    const int r = s.int32();
    if (r >= k) throw blad_pliku(opis("punkt", i, "indeks elementu " + std::to_string(r) + " poza zakresem"));
    if (r >= 0) p[p0 + i]->element = e[e0 + r];
  }

  usun_puste_elementy();
  przelicz_wszystko();
  przelicz_wszystko();
  ostatni_punkt = -1;
}

void w_uklad::zapisz_txt(pisarz_tekstu& s) const {
  s.int32(FORMAT_1410);
  s.int32(pmax());
  for (const w_punkt* punkt : p) punkt->zapisz_txt(s);
  s.int32(lmax());
  for (const w_linia* linia : l) {
    s.int32(indeks_punktu(linia->p1));
    s.int32(indeks_punktu(linia->p2));
    linia->zapisz_txt(s);
  }
  s.int32(emax());
  for (const w_element* element : e) element->zapisz_txt(s);
  for (const w_punkt* punkt : p) s.int32(punkt->element ? indeks_elementu(punkt->element) : -1);
}

void w_uklad::wczytaj_txt(czytnik_tekstu& s) {
  const int p0 = pmax();
  const int e0 = emax();
  const int format = s.int32();
  if (format != FORMAT_1410) odrzuc_format(format);

  // A point's text record holds at least four values, a line entry three, an element four.
  const int n = s.licznik(4, "punktów");
  if (n > 0) {
    odznacz_wszystko();
    punkt_kursor = linia_kursor = -1;
  }
  for (int i = 0; i < n; ++i) {
    w_punkt* punkt = utworz_punkt(0, 0, 0);
    dodaj_do_p(punkt);
    punkt->wczytaj_txt(s);
  }
  if (n > 0) p.back()->zaznaczony = 1;

  const int m = s.licznik(3, "linii");
  for (int i = 0; i < m; ++i) {
    const int a = s.int32();
    const int b = s.int32();
    sprawdz_pare(*this, i, a, b, n, p0);
    w_linia* linia = polacz(p[p0 + a], p[p0 + b]);
    if (!linia) throw blad_pliku(opis("linia", i, "nie da się połączyć punktów"));
    linia->wczytaj_txt(s);
  }

  const int k = s.licznik(4, "elementów");
  for (int i = 0; i < k; ++i) nowy_element(0, 0, 0)->wczytaj_txt(s);

  for (int i = 0; i < n; ++i) {
    const int r = s.int32();
    if (r >= k) throw blad_pliku(opis("punkt", i, "indeks elementu " + std::to_string(r) + " poza zakresem"));
    if (r >= 0) p[p0 + i]->element = e[e0 + r];
  }

  przelicz_wszystko();
  ostatni_punkt = -1;
}

namespace {
void wysokosci_wzgledem_elementow(tor_uklad& uklad, int od) {
  for (int i = od; i < uklad.pmax(); ++i) {
    tor_punkt* t = uklad.punkt(i);
    if (t->element) t->wysokosc2 -= t->element->z;
  }
}
}  // namespace

void tor_uklad::wczytaj(czytnik_rekordow& s) {
  const int p0 = pmax();
  w_uklad::wczytaj(s);
  wysokosci_wzgledem_elementow(*this, p0);
}

void tor_uklad::wczytaj_txt(czytnik_tekstu& s) {
  const int p0 = pmax();
  w_uklad::wczytaj_txt(s);
  wysokosci_wzgledem_elementow(*this, p0);
}
