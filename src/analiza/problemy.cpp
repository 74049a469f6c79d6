#include "analiza/problemy.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_set>

#include "analiza/nachylenie.h"
#include "app/liczby.h"
#include "track/tor.h"

namespace {

// How far ahead among the old lines a line is looked for: lines are removed in place and new
// ones appended, so an edit's removals sit close together. One found further is looked at anew.
constexpr int OKNO_LINII = 64;

// A tangent length below this is a vertex the line runs straight through, m.
constexpr double PROSTO_PRZEZ_PUNKT = 1e-6;

struct opis_rodzaju {
  waga_problemu waga;
  const char* klucz;
  const char* tytul;
};

constexpr opis_rodzaju RODZAJE[LICZBA_RODZAJOW_PROBLEMOW] = {
    {waga_problemu::blad, "blad_geometrii", "Błąd geometrii toru"},
    {waga_problemu::blad, "zdarzenie_poza_zakresem", "Zdarzenie poza odcinkiem (pozycja poza 0…1)"},
    {waga_problemu::blad, "zdarzenie_bez_toru", "Zdarzenie na punkcie bez łuku i linii"},
    {waga_problemu::ostrzezenie, "maly_promien", "Promień łuku poniżej minimum"},
    {waga_problemu::ostrzezenie, "krotki_luk", "Łuk krótszy niż 1 m"},
    {waga_problemu::ostrzezenie, "krotka_prosta", "Krótka prosta między łukami przeciwnymi"},
    {waga_problemu::ostrzezenie, "duze_nachylenie", "Zbyt duże nachylenie"},
    {waga_problemu::ostrzezenie, "zmiana_nachylenia", "Zbyt duża zmiana nachylenia"},
    {waga_problemu::ostrzezenie, "bliskie_punkty", "Niepołączone punkty bliżej niż 5 cm"},
    {waga_problemu::ostrzezenie, "bliski_koniec", "Niepołączone końce torów bliżej niż 1 m"},
    {waga_problemu::uwaga, "koniec_toru", "Koniec toru"},
    {waga_problemu::uwaga, "koniec_rozjazdu", "Niepołączony koniec rozjazdu"},
};

const opis_rodzaju& opis(rodzaj_problemu r) { return RODZAJE[static_cast<int>(r)]; }

std::uint64_t bity(double v) {
  std::uint64_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

// What of an item's events its problems depend on: how many and where.
std::uint64_t odcisk_zdarzen(const lista_zdarzen& lista) {
  std::uint64_t h = 0;
  for (const wezel_zdarzenia* w = lista.pierwszy(); w; w = w->nastepny.get())
    h = h * 1000003u + bity(w->dane.pozycja) + 1;
  return h;
}

wektor polozenie(const w_punkt* p) { return {p->GET_X(), p->GET_Y()}; }

bool w_przedziale(double pozycja) { return pozycja >= 0 && pozycja <= 1; }

// The turn at a line's end as one travelling along the line from p1 to p2 meets it: the point's
// turn goes from its line 0 to its line 1.
int skret_w_przejezdzie(const tor_linia& l, const tor_punkt& t, bool wjazd) {
  const bool zgodnie = wjazd ? t.li[0] == &l : t.li[1] == &l;
  return zgodnie ? t.skret : -t.skret;
}

// Marks the points by address: an edit touches a few, found one by one; many at once through
// one map of the whole layout.
void oznacz_punkty(const tor_uklad& tor, const std::vector<const w_punkt*>& punkty, std::vector<char>& znaczniki) {
  constexpr std::size_t MALO = 16;
  if (punkty.size() <= MALO) {
    for (const w_punkt* p : punkty)
      if (const int nr = tor.indeks_punktu(p); nr >= 0) znaczniki[nr] = 1;
    return;
  }
  std::unordered_map<const w_punkt*, int> numery;
  numery.reserve(tor.p.size());
  for (int i = 0; i < tor.pmax(); ++i) numery.emplace(tor.p[i], i);
  for (const w_punkt* p : punkty)
    if (const auto it = numery.find(p); it != numery.end()) znaczniki[it->second] = 1;
}

}  // namespace

waga_problemu waga(rodzaj_problemu r) { return opis(r).waga; }

const char* nazwa_wagi(waga_problemu w) {
  switch (w) {
    case waga_problemu::blad: return "błąd";
    case waga_problemu::ostrzezenie: return "ostrzeżenie";
    case waga_problemu::uwaga: return "uwaga";
  }
  return "";
}

const char* klucz_rodzaju(rodzaj_problemu r) { return opis(r).klucz; }
const char* tytul_rodzaju(rodzaj_problemu r) { return opis(r).tytul; }

std::string opis_przedmiotu(const problem& p) {
  if (p.przedmiot == przedmiot_problemu::linia) return "linia " + std::to_string(p.nr);
  if (p.nr2 >= 0) return "punkty " + std::to_string(p.nr) + " i " + std::to_string(p.nr2);
  return "punkt " + std::to_string(p.nr);
}

std::string opis_wartosci(const problem& p) {
  switch (p.rodzaj) {
    case rodzaj_problemu::maly_promien: return "promień " + liczba_na_tekst(p.wartosc, 2) + " m";
    case rodzaj_problemu::krotki_luk: return "łuk " + liczba_na_tekst(p.wartosc, 2) + " m";
    case rodzaj_problemu::krotka_prosta: return "prosta " + liczba_na_tekst(p.wartosc, 2) + " m";
    case rodzaj_problemu::duze_nachylenie: return "nachylenie " + liczba_na_tekst(p.wartosc, 1) + " ‰";
    case rodzaj_problemu::zmiana_nachylenia: return "zmiana " + liczba_na_tekst(p.wartosc, 1) + " ‰";
    case rodzaj_problemu::bliskie_punkty:
    case rodzaj_problemu::bliski_koniec: return "odległość " + liczba_na_tekst(p.wartosc, 3) + " m";
    case rodzaj_problemu::zdarzenie_poza_zakresem: return "pozycja " + liczba_na_tekst(p.wartosc, 3);
    default: return "";
  }
}

void lista_problemow::ustaw(const ustawienia_problemow& ustawienia) {
  if (ustawienia == ustawienia_) return;
  ustawienia_ = ustawienia;
  aktualna_ = false;
}

lista_problemow::stan_punktu lista_problemow::stan(const w_punkt* p) {
  const auto* t = static_cast<const tor_punkt*>(p);
  stan_punktu s;
  s.punkt = p;
  s.element = p->element;
  s.x = p->GET_X();
  s.y = p->GET_Y();
  s.z = p->GET_Z();
  s.z2 = t->wysokosc2_bezwzgledna();
  s.promien = t->promien;
  s.styczna = t->dlugosc_stycznej;
  s.kat_p = t->kat_poczatkowy;
  s.kat_k = t->kat_koncowy;
  s.skret = t->skret;
  s.linie = p->GET_LIMAX();
  for (std::size_t i = 0; i < s.li.size() && i < p->li.size(); ++i) s.li[i] = p->li[i];
  s.zdarzenia = odcisk_zdarzen(p->zdarzenia);
  return s;
}

lista_problemow::stan_linii lista_problemow::stan(const w_linia* l) {
  stan_linii s;
  s.linia = l;
  s.p1 = l->p1;
  s.p2 = l->p2;
  s.dl = l->dl;
  s.kx = l->kx;
  s.ky = l->ky;
  s.blad = static_cast<const tor_linia*>(l)->blad;
  s.zdarzenia = odcisk_zdarzen(l->zdarzenia);
  return s;
}

std::uint64_t lista_problemow::komorka(std::int64_t cx, std::int64_t cy) {
  return static_cast<std::uint64_t>(cx) * 0x9E3779B97F4A7C15ull ^ static_cast<std::uint64_t>(cy);
}

bool lista_problemow::na_planie(double x, double y) {
  return std::fabs(x) < ZASIEG_PLANU && std::fabs(y) < ZASIEG_PLANU;
}

std::int64_t lista_problemow::nr_komorki(double v) { return static_cast<std::int64_t>(std::floor(v / BLISKI_KONIEC)); }

void lista_problemow::dodaj_do_siatki(int nr, double x, double y) {
  if (!na_planie(x, y)) return;
  const auto it = siatka_.try_emplace(komorka(nr_komorki(x), nr_komorki(y)), -1).first;
  nastepny_[nr] = it->second;
  it->second = nr;
}

void lista_problemow::usun_z_siatki(int nr, double x, double y) {
  if (!na_planie(x, y)) return;
  const auto it = siatka_.find(komorka(nr_komorki(x), nr_komorki(y)));
  if (it == siatka_.end()) return;
  if (it->second == nr) {
    it->second = nastepny_[nr];
    if (it->second < 0) siatka_.erase(it);
    return;
  }
  for (int k = it->second; nastepny_[k] >= 0; k = nastepny_[k])
    if (nastepny_[k] == nr) {
      nastepny_[k] = nastepny_[nr];
      return;
    }
}

template <class F>
void lista_problemow::wokol(double x, double y, double r, F&& f) const {
  if (!na_planie(x, y)) return;
  const std::int64_t cx = nr_komorki(x);
  const std::int64_t cy = nr_komorki(y);
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy) {
      const auto it = siatka_.find(komorka(cx + dx, cy + dy));
      if (it == siatka_.end()) continue;
      for (int k = it->second; k >= 0; k = nastepny_[k]) {
        const double ddx = punkty_[k].x - x;
        const double ddy = punkty_[k].y - y;
        if (ddx * ddx + ddy * ddy <= r * r) f(k);
      }
    }
}

void lista_problemow::problemy_punktu(const tor_uklad& tor, int nr, std::vector<problem>& wynik) const {
  wynik.clear();
  const tor_punkt& t = *tor.punkt(nr);
  const wektor P = polozenie(&t);
  const int linie = t.GET_LIMAX();
  auto dodaj = [&](rodzaj_problemu r, wektor miejsce, double wartosc, int nr2 = -1) {
    wynik.push_back({r, miejsce.x, miejsce.y, przedmiot_problemu::punkt, nr, nr2, wartosc});
  };

  for (const wezel_zdarzenia* w = t.zdarzenia.pierwszy(); w; w = w->nastepny.get()) {
    const double poz = w->dane.pozycja;
    const wektor miejsce = linie == 2 ? t.miejsce_zdarzenia(std::clamp(poz, 0.0, 1.0)) : P;
    if (!w_przedziale(poz)) dodaj(rodzaj_problemu::zdarzenie_poza_zakresem, miejsce, poz);
    if (linie == 0) dodaj(rodzaj_problemu::zdarzenie_bez_toru, P, 0);
  }

  // A turnout's own geometry comes from the template library: not the user's to fix. A vertex
  // with the line going straight on has no curve to judge (its arc is practically nothing).
  if (linie == 2 && !t.element && t.skret != 0 && t.dlugosc_stycznej > PROSTO_PRZEZ_PUNKT) {
    if (t.promien < ustawienia_.promien_min) dodaj(rodzaj_problemu::maly_promien, P, t.promien);
    const double luk = t.dlugosc();
    if (luk < LUK_MIN) dodaj(rodzaj_problemu::krotki_luk, P, luk);
  }
  if (linie == 2) {
    const auto& przed = *static_cast<const tor_linia*>(t.li[0]);
    const auto& po = *static_cast<const tor_linia*>(t.li[1]);
    if (!przed.blad && !po.blad) {
      // Arriving along line 0 its gradient is the one towards this point.
      const double zmiana = std::fabs(nachylenie_od(po, t) + nachylenie_od(przed, t));
      if (zmiana > ustawienia_.zmiana_nachylenia_max) dodaj(rodzaj_problemu::zmiana_nachylenia, P, zmiana);
    }
  }

  // Pairs are listed once, by the point with the lower index.
  wokol(P.x, P.y, BLISKI_KONIEC, [&](int k) {
    if (k <= nr) return;
    const w_punkt* inny = tor.p[k];
    if (t.element && t.element == inny->element) return;
    if (w_uklad::linia_miedzy(&t, inny)) return;
    const double d = dlugosc(polozenie(inny) - P);
    if (d <= BLISKIE_PUNKTY)
      dodaj(rodzaj_problemu::bliskie_punkty, P, d, k);
    else if (linie == 1 && inny->GET_LIMAX() == 1)
      dodaj(rodzaj_problemu::bliski_koniec, P, d, k);
  });

  if (linie == 1) dodaj(t.element ? rodzaj_problemu::koniec_rozjazdu : rodzaj_problemu::koniec_toru, P, 0);
  // The cells list their points in the order they came: pairs go by the other point instead.
  std::stable_sort(wynik.begin(), wynik.end(), [](const problem& a, const problem& b) {
    return a.rodzaj != b.rodzaj ? a.rodzaj < b.rodzaj : a.nr2 < b.nr2;
  });
}

void lista_problemow::problemy_linii(const tor_uklad& tor, int nr, std::vector<problem>& wynik) const {
  wynik.clear();
  const tor_linia& l = *tor.linia(nr);
  auto dodaj = [&](rodzaj_problemu r, wektor miejsce, double wartosc) {
    wynik.push_back({r, miejsce.x, miejsce.y, przedmiot_problemu::linia, -1, -1, wartosc});
  };
  // The geometry test centres on a faulty line's start point; the list does the same.
  if (l.blad) dodaj(rodzaj_problemu::blad_geometrii, polozenie(l.p1), 0);
  for (const wezel_zdarzenia* w = l.zdarzenia.pierwszy(); w; w = w->nastepny.get()) {
    const double poz = w->dane.pozycja;
    if (!w_przedziale(poz))
      dodaj(rodzaj_problemu::zdarzenie_poza_zakresem, l.miejsce_zdarzenia(std::clamp(poz, 0.0, 1.0)), poz);
  }
  if (l.blad) return;

  const wektor srodek = l.miejsce_zdarzenia(0.5);
  const double g = std::fabs(nachylenie_linii(l));
  if (g > ustawienia_.nachylenie_max) dodaj(rodzaj_problemu::duze_nachylenie, srodek, g);

  const tor_punkt& S = *l.poczatek();
  const tor_punkt& E = *l.koniec();
  if (!l.w_elemencie() && S.GET_LIMAX() == 2 && E.GET_LIMAX() == 2) {
    const int skret_s = skret_w_przejezdzie(l, S, false);
    const int skret_e = skret_w_przejezdzie(l, E, true);
    const double prosta = l.dlugosc();
    if (skret_s * skret_e < 0 && prosta < ustawienia_.prosta_min) dodaj(rodzaj_problemu::krotka_prosta, srodek, prosta);
  }
}

void lista_problemow::przelicz(const tor_uklad& tor) {
  const int np = tor.pmax();
  const int nl = tor.lmax();
  punkty_.resize(np);
  linie_.resize(nl);
  siatka_.clear();
  siatka_.reserve(static_cast<std::size_t>(np));
  nastepny_.assign(static_cast<std::size_t>(np), -1);
  for (int i = 0; i < np; ++i) {
    punkty_[i] = stan(tor.p[i]);
    dodaj_do_siatki(i, punkty_[i].x, punkty_[i].y);
  }
  for (int j = 0; j < nl; ++j) linie_[j] = stan(tor.l[j]);
  problemy_punktow_.resize(np);
  problemy_linii_.resize(nl);
  for (int i = 0; i < np; ++i) problemy_punktu(tor, i, problemy_punktow_[i]);
  for (int j = 0; j < nl; ++j) problemy_linii(tor, j, problemy_linii_[j]);
  aktualna_ = true;
}

void lista_problemow::aktualizuj(const tor_uklad& tor) {
  if (!aktualna_) {
    przelicz(tor);
    return;
  }
  const int np = tor.pmax();
  const int stare_punkty = static_cast<int>(punkty_.size());

  // Points, by index: a removed point leaves its place to the last one, so whatever sits at an
  // index now and differs from what sat there is looked at again.
  std::vector<int> zmienione;
  std::vector<wektor> miejsca;  // old and new places of what changed: their neighbours look again
  for (int i = 0; i < std::max(np, stare_punkty); ++i) {
    const bool byl = i < stare_punkty;
    if (i >= np) {
      const stan_punktu& s = punkty_[i];
      usun_z_siatki(i, s.x, s.y);
      miejsca.push_back({s.x, s.y});
      continue;
    }
    stan_punktu s = stan(tor.p[i]);
    if (byl && s == punkty_[i]) continue;
    if (byl) {
      const stan_punktu& dawny = punkty_[i];
      usun_z_siatki(i, dawny.x, dawny.y);
      miejsca.push_back({dawny.x, dawny.y});
    }
    zmienione.push_back(i);
    if (!byl) punkty_.emplace_back();
    punkty_[i] = s;
  }
  punkty_.resize(np);
  problemy_punktow_.resize(np);
  nastepny_.resize(np, -1);
  for (int i : zmienione) {
    dodaj_do_siatki(i, punkty_[i].x, punkty_[i].y);
    miejsca.push_back({punkty_[i].x, punkty_[i].y});
  }

  // Lines of changed points: their straight parts, turns and heights at the ends may differ.
  std::unordered_set<const w_linia*> linie_zmienionych;
  for (int i : zmienione)
    for (const w_linia* l : tor.p[i]->li) linie_zmienionych.insert(l);

  // Lines, in order: removed ones leave a gap, new ones come at the end.
  std::vector<char> do_punktu(static_cast<std::size_t>(np), 0);
  for (int i : zmienione) do_punktu[i] = 1;
  const int nl = tor.lmax();
  std::vector<stan_linii> linie(static_cast<std::size_t>(nl));
  std::vector<std::vector<problem>> nowe_problemy(static_cast<std::size_t>(nl));
  std::vector<const w_punkt*> konce;
  std::size_t k = 0;
  for (int j = 0; j < nl; ++j) {
    const w_linia* l = tor.l[j];
    std::size_t dawna = linie_.size();
    for (std::size_t d = 0; d < OKNO_LINII && k + d < linie_.size(); ++d)
      if (linie_[k + d].linia == l) {
        dawna = k + d;
        break;
      }
    linie[j] = stan(l);
    const bool ta_sama = dawna < linie_.size() && linie_[dawna] == linie[j] &&
                         (linie_zmienionych.empty() || !linie_zmienionych.count(l));
    if (dawna < linie_.size()) k = dawna + 1;
    if (ta_sama) {
      nowe_problemy[j] = std::move(problemy_linii_[dawna]);
      continue;
    }
    problemy_linii(tor, j, nowe_problemy[j]);
    // The other ends compare gradients across this line.
    konce.push_back(l->p1);
    konce.push_back(l->p2);
  }
  linie_ = std::move(linie);
  problemy_linii_ = std::move(nowe_problemy);
  oznacz_punkty(tor, konce, do_punktu);

  for (const wektor& m : miejsca) wokol(m.x, m.y, BLISKI_KONIEC, [&](int i) { do_punktu[i] = 1; });
  for (int i = 0; i < np; ++i)
    if (do_punktu[i]) problemy_punktu(tor, i, problemy_punktow_[i]);
}

std::vector<problem> lista_problemow::problemy() const {
  std::vector<problem> wynik;
  for (const auto& v : problemy_punktow_) wynik.insert(wynik.end(), v.begin(), v.end());
  for (std::size_t j = 0; j < problemy_linii_.size(); ++j)
    for (problem p : problemy_linii_[j]) {
      p.nr = static_cast<int>(j);
      wynik.push_back(p);
    }
  std::stable_sort(wynik.begin(), wynik.end(),
                   [](const problem& a, const problem& b) { return a.rodzaj < b.rodzaj; });
  return wynik;
}

int lista_problemow::ile(waga_problemu w) const {
  int n = 0;
  for (const auto& v : problemy_punktow_)
    for (const problem& p : v) n += waga(p.rodzaj) == w;
  for (const auto& v : problemy_linii_)
    for (const problem& p : v) n += waga(p.rodzaj) == w;
  return n;
}
