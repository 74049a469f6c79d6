// The layout's own records: the gz record form of the project file and the text form.
#include <string>
#include <unordered_map>

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
struct najmniejsze_rekordy {
  std::size_t punkt, linia, element;
};
// Bytes: a point without events, a line entry with its two indices, an element of the form.
constexpr std::size_t NAJMNIEJSZY_PUNKT = 68;
constexpr std::size_t NAJMNIEJSZA_LINIA = 8 + 12;
constexpr std::size_t ROZMIAR_ELEMENTU_1412 = 41;
constexpr std::size_t ROZMIAR_ELEMENTU_1411 = 37;
constexpr std::size_t ROZMIAR_ELEMENTU_1410 = 32;
// Values of the text form: a point holds at least four, a line entry three, an element four.
constexpr najmniejsze_rekordy NAJMNIEJSZE_TXT{4, 3, 4};

[[noreturn]] void odrzuc_format(int numer) {
  log_pisz("proba wczytania nierozpoznanego pliku!\n");
  throw nieznany_format(numer);
}

[[noreturn]] void odrzuc(const char* co, int nr, const std::string& tekst) {
  throw blad_pliku(std::string(co) + " " + std::to_string(nr) + ": " + tekst);
}

// A fault inside one record names the record.
template <class Czytaj>
void w_rekordzie(const char* co, int nr, Czytaj czytaj) {
  try {
    czytaj();
  } catch (const blad_pliku& b) {
    odrzuc(co, nr, b.what());
  }
}

void czytaj_rekord(w_punkt& punkt, czytnik_rekordow& s) { punkt.wczytaj(s); }
void czytaj_rekord(w_punkt& punkt, czytnik_tekstu& s) { punkt.wczytaj_txt(s); }
void czytaj_rekord(w_linia& linia, czytnik_rekordow& s) { linia.wczytaj(s); }
void czytaj_rekord(w_linia& linia, czytnik_tekstu& s) { linia.wczytaj_txt(s); }

// A line between points a and b of the appended ones. A file that names one point twice or
// joins the same pair twice cannot come from this program, and the join would not make a line.
void sprawdz_pare(const w_uklad& uklad, int nr, int a, int b, int liczba_punktow, int p0) {
  for (int indeks : {a, b})
    if (indeks < 0 || indeks >= liczba_punktow)
      odrzuc("linia", nr, "indeks punktu " + std::to_string(indeks) + " poza zakresem 0.." +
                              std::to_string(liczba_punktow - 1));
  if (a == b) odrzuc("linia", nr, "łączy punkt " + std::to_string(a) + " z nim samym");
  if (w_uklad::linia_miedzy(uklad.p[p0 + a], uklad.p[p0 + b]))
    odrzuc("linia", nr, "powtórzone połączenie punktów " + std::to_string(a) + " i " + std::to_string(b));
}

// Removes what a refused read appended: the layout is left as it was.
void cofnij_dopisane(w_uklad& u, std::size_t p0, std::size_t l0, std::size_t e0) {
  for (std::size_t i = l0; i < u.l.size(); ++i) delete u.l[i];
  u.l.resize(l0);
  for (std::size_t i = p0; i < u.p.size(); ++i) delete u.p[i];
  u.p.resize(p0);
  for (std::size_t i = e0; i < u.e.size(); ++i) delete u.e[i];
  u.e.resize(e0);
}

// Appends the points, lines and elements of one file and links the points to their elements,
// as the layout's add-point and join would append them one by one with the cursor markers
// cleared. Nothing that was there before is touched until the whole file has been read; then
// it is deselected and the last point read is the only one selected.
template <class Czytnik, class CzytajElement>
void dopisz(w_uklad& u, Czytnik& s, const najmniejsze_rekordy& najmniejsze, CzytajElement czytaj_element) {
  const int p0 = u.pmax();
  const int e0 = u.emax();
  const std::size_t l0 = u.l.size();
  int n = 0;
  try {
    n = s.licznik(najmniejsze.punkt, "punktów");
    u.p.reserve(u.p.size() + n);  // the count was checked against the data
    for (int i = 0; i < n; ++i) {
      w_punkt* punkt = u.utworz_punkt(0, 0, 0);
      u.dodaj_do_p(punkt);
      w_rekordzie("punkt", i, [&] { czytaj_rekord(*punkt, s); });
    }

    const int m = s.licznik(najmniejsze.linia, "linii");
    u.l.reserve(u.l.size() + m);
    for (int i = 0; i < m; ++i) {
      const int a = s.int32();
      const int b = s.int32();
      sprawdz_pare(u, i, a, b, n, p0);
      w_linia* linia = u.polacz(u.p[p0 + a], u.p[p0 + b]);
      if (!linia) odrzuc("linia", i, "nie da się połączyć punktów");
      w_rekordzie("linia", i, [&] { czytaj_rekord(*linia, s); });
    }

    const int k = s.licznik(najmniejsze.element, "elementów");
    for (int i = 0; i < k; ++i) {
      w_element* element = u.nowy_element(0, 0, 0);
      w_rekordzie("element", i, [&] { czytaj_element(*element, s); });
    }

    // References below -1 mean none, as -1 does.
    for (int i = 0; i < n; ++i) {
      const int r = s.int32();
      if (r >= k)
        odrzuc("punkt", i, "indeks elementu " + std::to_string(r) + " poza zakresem 0.." + std::to_string(k - 1));
      if (r >= 0) u.p[p0 + i]->ustaw_element(u.e[e0 + r]);
    }
  } catch (...) {
    cofnij_dopisane(u, p0, l0, e0);
    throw;
  }
  if (n > 0) {
    // What was read is unselected already: deselecting all touches only what was there.
    for (int i = 0; i < p0; ++i) u.p[i]->ZAZNACZ(false);
    for (std::size_t i = 0; i < l0; ++i) u.l[i]->ZAZNACZ(false);
    u.p.back()->ustaw_zaznaczony(true);
    u.punkt_kursor = u.linia_kursor = -1;
  }
}

// Indices by address, found once for a whole file rather than searched per item.
template <class T>
std::unordered_map<const T*, int> indeksy(const std::vector<T*>& v) {
  std::unordered_map<const T*, int> wynik;
  wynik.reserve(v.size());
  for (std::size_t i = 0; i < v.size(); ++i) wynik.emplace(v[i], static_cast<int>(i));
  return wynik;
}

template <class T>
int indeks(const std::unordered_map<const T*, int>& indeksy, const T* x) {
  auto it = indeksy.find(x);
  return it == indeksy.end() ? -1 : it->second;
}

void zapisz_rekord(const w_punkt& punkt, pisarz_rekordow& s) { punkt.zapisz(s); }
void zapisz_rekord(const w_punkt& punkt, pisarz_tekstu& s) { punkt.zapisz_txt(s); }
void zapisz_rekord(const w_linia& linia, pisarz_rekordow& s) { linia.zapisz(s); }
void zapisz_rekord(const w_linia& linia, pisarz_tekstu& s) { linia.zapisz_txt(s); }
void zapisz_rekord(const w_element& element, pisarz_rekordow& s) { element.zapisz(s); }
void zapisz_rekord(const w_element& element, pisarz_tekstu& s) { element.zapisz_txt(s); }

// Items 1 to 8 of the project file, or the text form: the two differ in their format number
// and in the records of their stream.
template <class Pisarz>
void zapisz_uklad(const w_uklad& u, Pisarz& s, int format) {
  s.int32(format);
  s.int32(u.pmax());
  for (const w_punkt* punkt : u.p) zapisz_rekord(*punkt, s);
  const auto punkty = indeksy(u.p);
  s.int32(u.lmax());
  for (const w_linia* linia : u.l) {
    s.int32(indeks(punkty, linia->p1));
    s.int32(indeks(punkty, linia->p2));
    zapisz_rekord(*linia, s);
  }
  s.int32(u.emax());
  for (const w_element* element : u.e) zapisz_rekord(*element, s);
  const auto elementy = indeksy(u.e);
  for (const w_punkt* punkt : u.p) s.int32(punkt->element ? indeks(elementy, punkt->element) : -1);
}

}  // namespace

void w_uklad::zapisz(pisarz_rekordow& s) const { zapisz_uklad(*this, s, FORMAT_1412); }

void w_uklad::wczytaj(czytnik_rekordow& s) {
  const int format = s.int32();
  najmniejsze_rekordy najmniejsze{NAJMNIEJSZY_PUNKT, NAJMNIEJSZA_LINIA, ROZMIAR_ELEMENTU_1412};
  if (format == FORMAT_1411)
    najmniejsze.element = ROZMIAR_ELEMENTU_1411;
  else if (format == FORMAT_1410)
    najmniejsze.element = ROZMIAR_ELEMENTU_1410;
  else if (format != FORMAT_1412)
    odrzuc_format(format);
  // Fields a form lacks keep what a new element has: not mirrored, straight, `szab_akt`.
  dopisz(*this, s, najmniejsze, [format](w_element& element, czytnik_rekordow& s) {
    if (format == FORMAT_1412)
      element.wczytaj(s);
    else if (format == FORMAT_1411)
      element.wczytaj_1411(s);
    else
      element.wczytaj_1410(s);
  });
  usun_puste_elementy();
  przelicz_wszystko_dwa_razy();
  ostatni_punkt = -1;
}

void w_uklad::zapisz_txt(pisarz_tekstu& s) const { zapisz_uklad(*this, s, FORMAT_1410); }

void w_uklad::wczytaj_txt(czytnik_tekstu& s) {
  const int format = s.int32();
  if (format != FORMAT_1410) odrzuc_format(format);
  dopisz(*this, s, NAJMNIEJSZE_TXT, [](w_element& element, czytnik_tekstu& s) { element.wczytaj_txt(s); });
  // Elements that no point refers to stay, as this form has always left them.
  przelicz_wszystko();
  ostatni_punkt = -1;
}

namespace {
// The records hold the second elevation absolute; once the element links are set, points of
// an element hold it relative to the element's z, as they hold z.
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
