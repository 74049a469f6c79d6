// The grid the layout's picks look through.
#include <algorithm>
#include <functional>

#include "model/w_uklad.h"

namespace {

// Items filed apart since the last build that a query still pays for before the grid is
// built whole again.
std::size_t najwiecej_osobno(std::size_t n) { return std::max<std::size_t>(256, n / 64); }

// The indices of the wanted items in `wszystkie`, found in one pass without touching the items.
template <typename T>
std::vector<std::size_t> indeksy(const std::vector<T*>& wszystkie, std::vector<const T*> szukane) {
  std::vector<std::size_t> wynik;
  if (szukane.empty()) return wynik;
  std::sort(szukane.begin(), szukane.end(), std::less<const T*>());
  szukane.erase(std::unique(szukane.begin(), szukane.end()), szukane.end());
  // Items made one after another lie near one another: most are outside the wanted ones' range.
  const std::less<const T*> przed;
  const T* od = szukane.front();
  const T* po = szukane.back();
  for (std::size_t i = 0; i < wszystkie.size() && wynik.size() < szukane.size(); ++i) {
    const T* x = wszystkie[i];
    if (przed(x, od) || przed(po, x)) continue;
    if (std::binary_search(szukane.begin(), szukane.end(), x, przed)) wynik.push_back(i);
  }
  return wynik;
}

}  // namespace

ramka_wskazania w_uklad::ramka_punktu(int nr) const {
  const double x = p[nr]->GET_X(), y = p[nr]->GET_Y();
  return {x, y, x, y};
}

ramka_wskazania w_uklad::ramka_linii(int nr) const {
  const w_linia& linia = *l[nr];
  ramka_wskazania o{linia.p1->GET_X(), linia.p1->GET_Y(), linia.p1->GET_X(), linia.p1->GET_Y()};
  o.dodaj(linia.p2->GET_X(), linia.p2->GET_Y());
  return o;
}

void w_uklad::wlacz_indeks() {
  indeks_wlaczony_ = true;
  indeks_aktualny_ = false;
}

bool w_uklad::indeks_gotowy() const {
  if (!indeks_wlaczony_) return false;
  const void* teraz[4] = {p.empty() ? nullptr : p.front(), p.empty() ? nullptr : p.back(),
                          l.empty() ? nullptr : l.front(), l.empty() ? nullptr : l.back()};
  if (indeks_aktualny_ && siatka_punktow_.ile() == p.size() && siatka_linii_.ile() == l.size() &&
      std::equal(teraz, teraz + 4, zbudowany_na_))
    return true;
  std::vector<ramka_wskazania> obrysy;
  obrysy.reserve(std::max(p.size(), l.size()));
  for (int i = 0; i < pmax(); ++i) obrysy.push_back(ramka_punktu(i));
  siatka_punktow_.zbuduj(obrysy);
  obrysy.clear();
  for (int i = 0; i < lmax(); ++i) obrysy.push_back(ramka_linii(i));
  siatka_linii_.zbuduj(obrysy);
  std::copy(teraz, teraz + 4, zbudowany_na_);
  indeks_aktualny_ = true;
  return true;
}

void w_uklad::przefiluj(std::span<const std::size_t> punkty, std::span<const std::size_t> linie,
                        std::span<const std::size_t> elementy) {
  if (!indeks_aktualny_) return;
  if (siatka_punktow_.ile() != p.size() || siatka_linii_.ile() != l.size()) {
    indeks_aktualny_ = false;
    return;
  }
  std::vector<const w_punkt*> zmienione;
  for (const std::size_t i : punkty)
    if (i < p.size()) zmienione.push_back(p[i]);
  for (const std::size_t i : linie)
    if (i < l.size()) zmienione.insert(zmienione.end(), {l[i]->p1, l[i]->p2});
  if (!elementy.empty()) {
    std::vector<const w_element*> el;
    for (const std::size_t i : elementy)
      if (i < e.size()) el.push_back(e[i]);
    std::sort(el.begin(), el.end());
    for (const w_punkt* punkt : p)
      if (punkt->element && std::binary_search(el.begin(), el.end(), punkt->element)) zmienione.push_back(punkt);
  }
  std::vector<const w_punkt*> z_sasiadami = zmienione;
  std::vector<const w_linia*> przy;
  for (const w_punkt* punkt : zmienione)
    for (const w_linia* linia : punkt->li) z_sasiadami.push_back(linia->drugi_koniec(punkt));
  for (const w_punkt* punkt : z_sasiadami) przy.insert(przy.end(), punkt->li.begin(), punkt->li.end());
  for (const std::size_t i : linie)
    if (i < l.size()) przy.push_back(l[i]);
  for (const std::size_t i : indeksy(p, std::move(z_sasiadami)))
    siatka_punktow_.przefiluj(static_cast<std::uint32_t>(i), ramka_punktu(static_cast<int>(i)));
  for (const std::size_t i : indeksy(l, std::move(przy)))
    siatka_linii_.przefiluj(static_cast<std::uint32_t>(i), ramka_linii(static_cast<int>(i)));
  if (siatka_punktow_.przefilowane() > najwiecej_osobno(p.size()) ||
      siatka_linii_.przefilowane() > najwiecej_osobno(l.size()))
    indeks_aktualny_ = false;
}

bool w_uklad::punkty_w_poblizu(double x, double y, double r, std::vector<std::uint32_t>& wynik) const {
  wynik.clear();
  return indeks_gotowy() && siatka_punktow_.w_kwadracie(x, y, r, wynik);
}

bool w_uklad::linie_w_poblizu(double x, double y, double r, std::vector<std::uint32_t>& wynik) const {
  wynik.clear();
  return indeks_gotowy() && siatka_linii_.w_kwadracie(x, y, r, wynik);
}
