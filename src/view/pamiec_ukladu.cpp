#include "view/pamiec_ukladu.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "app/stan.h"
#include "io/rekordy_stanu.h"
#include "track/tor.h"
#include "view/malarz_gl.h"
#include "view/odcisk_rysunku.h"

namespace {

// An extent on the screen, in normalised device units: x1, y1, x2, y2.
using prostokat = std::array<double, 4>;

// Widened by its half point or line size and one pixel: GL discards wide points and lines
// outside the view, but a driver with a guard band draws what of them reaches in.
prostokat na_ekranie(const obrys& o, const przeksztalcenie& ekran, double px_x, double px_y) {
  prostokat p{1e300, 1e300, -1e300, -1e300};
  for (double x : {o.x1, o.x2})
    for (double y : {o.y1, o.y2}) {
      double ex, ey;
      ekran.zastosuj(x, y, ex, ey);
      p[0] = std::min(p[0], ex);
      p[2] = std::max(p[2], ex);
      p[1] = std::min(p[1], ey);
      p[3] = std::max(p[3], ey);
    }
  const double dx = (o.piksele + 1) * px_x;
  const double dy = (o.piksele + 1) * px_y;
  return {p[0] - dx, p[1] - dy, p[2] + dx, p[3] + dy};
}

const prostokat CALY_EKRAN{-1, -1, 1, 1};

// Whether an extent meets the rectangle `r`, and whether it lies wholly inside (`caly`).
bool widoczny(const obrys& o, const przeksztalcenie& ekran, double px_x, double px_y, const prostokat& r, bool& caly) {
  if (o.pusty()) return false;
  const prostokat p = na_ekranie(o, ekran, px_x, px_y);
  caly = p[0] >= r[0] && p[2] <= r[2] && p[1] >= r[1] && p[3] <= r[3];
  return p[2] >= r[0] && p[0] <= r[2] && p[3] >= r[1] && p[1] <= r[3];
}

// Pixels x1, y1, x2, y2 (from the bottom left, x2 and y2 past the last) of a screen rectangle,
// one more on every side for the rounding, within a viewport of w by h.
std::array<int, 4> piksele(const prostokat& p, int w, int h) {
  auto kolumna = [w](double x, double zaokraglij(double), int o) {
    return std::clamp(static_cast<int>(zaokraglij((x + 1) / 2 * w)) + o, 0, w);
  };
  auto wiersz = [h](double y, double zaokraglij(double), int o) {
    return std::clamp(static_cast<int>(zaokraglij((y + 1) / 2 * h)) + o, 0, h);
  };
  return {kolumna(p[0], std::floor, -1), wiersz(p[1], std::floor, -1), kolumna(p[2], std::ceil, 1),
          wiersz(p[3], std::ceil, 1)};
}

// Indices of a layout's points and lines.
struct numery_elementow {
  std::vector<int> punkty, linie;
};

// The items whose drawing may read what the items of `zakres` hold: an element's points; a
// line's points; a point's lines, their other points (whose arcs turn towards it), the lines
// of those (whose straights end where those arcs begin) and their far points (which draw their
// lines' faults). None when the scope names an item the layout does not have.
std::optional<numery_elementow> zasieg_zmiany(const w_uklad& u, const zakres_zmiany& zakres) {
  std::vector<const w_punkt*> punkty;
  std::vector<const w_linia*> linie;
  for (std::size_t nr : zakres.punkty) {
    if (nr >= u.p.size()) return std::nullopt;
    punkty.push_back(u.p[nr]);
  }
  for (std::size_t nr : zakres.linie) {
    if (nr >= u.l.size()) return std::nullopt;
    linie.push_back(u.l[nr]);
  }
  if (!zakres.elementy.empty()) {
    std::vector<const w_element*> elementy;
    for (std::size_t nr : zakres.elementy) {
      if (nr >= u.e.size()) return std::nullopt;
      elementy.push_back(u.e[nr]);
    }
    std::sort(elementy.begin(), elementy.end());
    for (const w_punkt* p : u.p)
      if (p->element && std::binary_search(elementy.begin(), elementy.end(), p->element)) punkty.push_back(p);
  }
  for (const w_linia* l : linie) {
    punkty.push_back(l->p1);
    punkty.push_back(l->p2);
  }
  for (int krok = 0; krok < 2; ++krok) {
    const std::size_t ile = punkty.size();
    for (std::size_t i = 0; i < ile; ++i)
      for (const w_linia* l : punkty[i]->li) {
        linie.push_back(l);
        punkty.push_back(l->p1 == punkty[i] ? l->p2 : l->p1);
      }
  }
  // Pointers to indices in one pass over each list; a coarse bit set of the pointers sought
  // spares most of the look-ups.
  numery_elementow numery;
  const auto znajdz = [](auto szukane, const auto& wszystkie, std::vector<int>& wynik) {
    std::sort(szukane.begin(), szukane.end());
    szukane.erase(std::unique(szukane.begin(), szukane.end()), szukane.end());
    constexpr std::size_t BITY = 1 << 14;
    const auto slot = [](const void* w) { return (reinterpret_cast<std::uintptr_t>(w) >> 4) % BITY; };
    std::vector<bool> moze(BITY);
    for (const auto* w : szukane) moze[slot(w)] = true;
    for (std::size_t i = 0; i < wszystkie.size(); ++i)
      if (moze[slot(wszystkie[i])] && std::binary_search(szukane.begin(), szukane.end(), wszystkie[i]))
        wynik.push_back(static_cast<int>(i));
  };
  znajdz(std::move(punkty), u.p, numery.punkty);
  znajdz(std::move(linie), u.l, numery.linie);
  return numery;
}

}  // namespace

pamiec_ukladu::pamiec_ukladu(const w_uklad& uklad)
    : uklad_(uklad), tor_(dynamic_cast<const tor_uklad*>(&uklad) != nullptr) {}

void pamiec_ukladu::dopasuj(std::vector<kawalek>& kawalki, int ile, bool linie) {
  const std::size_t n = static_cast<std::size_t>((ile + ROZMIAR_KAWALKA - 1) / ROZMIAR_KAWALKA);
  // The runs move or go: what was gathered from them must be gathered again.
  if (n != kawalki.size()) nagrano_ = true;
  kawalki.resize(n);
  for (std::size_t i = 0; i < kawalki.size(); ++i) {
    kawalek& k = kawalki[i];
    k.linie = linie;
    k.pierwszy = static_cast<int>(i) * ROZMIAR_KAWALKA;
    k.ile = std::min(ROZMIAR_KAWALKA, ile - k.pierwszy);
  }
}

std::uint64_t pamiec_ukladu::odcisk_elementu(const kawalek& k, int nr, bool aktywny) {
  ++odciski_elementow_;
  odcisk_rysunku e;
  if (k.linie)
    e.linia(*uklad_.l[nr], uklad_.flagi_linii(nr, aktywny), tor_);
  else
    e.punkt(*uklad_.p[nr], uklad_.flagi_punktu(nr, aktywny), tor_);
  return e.wartosc();
}

std::uint64_t pamiec_ukladu::odcisk_kawalka(const std::vector<std::uint64_t>& odciski) {
  odcisk_rysunku o;
  o.dodaj(static_cast<int>(odciski.size()));
  for (std::uint64_t e : odciski) o.dodaj(e);
  return o.wartosc();
}

// Recorded into one scratch recording that keeps its room, then copied at its exact size.
void pamiec_ukladu::nagraj(kawalek& k, bool aktywny) {
  brudnopis_.wyczysc();
  std::vector<element>().swap(k.elementy);
  k.elementy.reserve(static_cast<std::size_t>(k.ile));
  k.zasieg = {};
  for (int i = k.pierwszy; i < k.pierwszy + k.ile; ++i) {
    if (k.linie)
      uklad_.l[i]->rysuj(brudnopis_, uklad_.flagi_linii(i, aktywny), uklad_.kolorystyka);
    else
      uklad_.p[i]->rysuj(brudnopis_, uklad_.flagi_punktu(i, aktywny), uklad_.kolorystyka);
    const obrys zasieg = brudnopis_.zabierz_obrys();
    k.zasieg.dodaj(zasieg);
    k.elementy.push_back({brudnopis_.koniec(), obrys_zwarty(zasieg), odciski_[static_cast<std::size_t>(i - k.pierwszy)]});
  }
  k.zapis = brudnopis_.kopia();
}

void pamiec_ukladu::przyjmij(kawalek& k, std::uint64_t odcisk, bool aktywny) {
  // Where the picture changes: each changed item's old and new extent, every item's when
  // items come or go. Past a few runs' worth the view is gathered whole anyway.
  const bool te_same = k.elementy.size() == odciski_.size();
  zmienione_elementy_.clear();
  for (std::size_t i = 0; i < odciski_.size(); ++i)
    if (!te_same || k.elementy[i].odcisk != odciski_[i]) zmienione_elementy_.push_back(i);
  for (std::size_t i = 0; i < k.elementy.size(); ++i)
    if (!te_same || k.elementy[i].odcisk != odciski_[i]) zmienione_.push_back(k.elementy[i].zasieg.rozwin());
  nagraj(k, aktywny);
  for (std::size_t i : zmienione_elementy_) zmienione_.push_back(k.elementy[i].zasieg.rozwin());
  if (zmienione_.size() > 8 * ROZMIAR_KAWALKA) nagrano_ = true;
  if (nagrano_) zmienione_.clear();
  k.odcisk = odcisk;
  ++nagrania_;
}

void pamiec_ukladu::aktualizuj(bool aktywny) {
  dopasuj(punkty_, uklad_.pmax(), false);
  dopasuj(linie_, uklad_.lmax(), true);
  for (auto* kawalki : {&punkty_, &linie_})
    for (kawalek& k : *kawalki) {
      odciski_.clear();
      for (int i = k.pierwszy; i < k.pierwszy + k.ile; ++i) odciski_.push_back(odcisk_elementu(k, i, aktywny));
      const std::uint64_t o = odcisk_kawalka(odciski_);
      if (o != k.odcisk || k.elementy.empty()) przyjmij(k, o, aktywny);
    }
}

bool pamiec_ukladu::aktualizuj(bool aktywny, const zakres_zmiany& zakres) {
  const auto w_kawalkach = [](const std::vector<kawalek>& kawalki) {
    return kawalki.empty() ? 0 : kawalki.back().pierwszy + kawalki.back().ile;
  };
  if (w_kawalkach(punkty_) != uklad_.pmax() || w_kawalkach(linie_) != uklad_.lmax()) return false;
  std::optional<numery_elementow> numery = zasieg_zmiany(uklad_, zakres);
  if (!numery) return false;
  // The hover that was and is, and the last point clicked, change their items' flags.
  for (int nr : {punkt_kursor_, ostatni_punkt_, uklad_.punkt_kursor, uklad_.ostatni_punkt})
    if (nr >= 0 && nr < uklad_.pmax()) numery->punkty.push_back(nr);
  for (int nr : {linia_kursor_, uklad_.linia_kursor})
    if (nr >= 0 && nr < uklad_.lmax()) numery->linie.push_back(nr);

  for (auto [kawalki, nr] : {std::pair{&punkty_, &numery->punkty}, std::pair{&linie_, &numery->linie}}) {
    std::sort(nr->begin(), nr->end());
    nr->erase(std::unique(nr->begin(), nr->end()), nr->end());
    for (auto i = nr->begin(); i != nr->end();) {
      kawalek& k = (*kawalki)[static_cast<std::size_t>(*i / ROZMIAR_KAWALKA)];
      // The run's items as recorded, the named ones as they are now.
      odciski_.clear();
      for (const element& e : k.elementy) odciski_.push_back(e.odcisk);
      bool zmiana = false;
      for (; i != nr->end() && *i < k.pierwszy + k.ile; ++i) {
        std::uint64_t& o = odciski_[static_cast<std::size_t>(*i - k.pierwszy)];
        const std::uint64_t teraz = odcisk_elementu(k, *i, aktywny);
        zmiana = zmiana || teraz != o;
        o = teraz;
      }
      if (zmiana) przyjmij(k, odcisk_kawalka(odciski_), aktywny);
    }
  }
  return true;
}

void pamiec_ukladu::zbierz(const malarz_ekranowy::macierze& m, double piksel, const std::array<int, 4>& okno,
                           int glebia) {
  partie_.zacznij(m, piksel, glebia);
  widoczne_.clear();
  ++zebrania_;
  const przeksztalcenie& ekran = m.ekran;
  // Normalised device units per pixel of the recorded sizes.
  const double px_x = 2 * piksel / std::max(okno[2], 1);
  const double px_y = 2 * piksel / std::max(okno[3], 1);
  // With the map on the card the arrays serve the views around this one too.
  prostokat r = CALY_EKRAN;
  zebrano_wszystko_ = false;
  if (m.na_karcie) {
    obrys calosc;
    for (const auto* kawalki : {&punkty_, &linie_})
      for (const kawalek& k : *kawalki) calosc.dodaj(k.zasieg);
    najwiecej_pikseli_ = calosc.piksele;
    const prostokat obszar{-OBSZAR_ZEBRANIA, -OBSZAR_ZEBRANIA, OBSZAR_ZEBRANIA, OBSZAR_ZEBRANIA};
    bool caly = false;
    zebrano_wszystko_ = calosc.pusty() || (widoczny(calosc, ekran, px_x, px_y, obszar, caly) && caly);
    r = zebrano_wszystko_ ? prostokat{-1e300, -1e300, 1e300, 1e300} : obszar;
  }
  zebrane_ = {};
  for (const auto* kawalki : {&punkty_, &linie_})
    for (const kawalek& k : *kawalki) {
      bool caly = false;
      if (!widoczny(k.zasieg, ekran, px_x, px_y, r, caly)) continue;
      if (caly) {
        widoczne_.push_back({&k, {}, k.elementy.back().do_});
        zebrane_.dodaj(k.zasieg);
      } else {
        zapis_rysunku::polozenie od;
        for (const element& e : k.elementy) {
          if (widoczny(e.zasieg.rozwin(), ekran, px_x, px_y, r, caly)) {
            widoczne_.push_back({&k, od, e.do_});
            zebrane_.dodaj(e.zasieg.rozwin());
          }
          od = e.do_;
        }
      }
    }
  for (const odcinek& o : widoczne_) o.k->zapis.odtworz(partie_, o.od, o.do_);
  ekran_zebrania_ = ekran;
  macierze_ = m;
  piksel_ = piksel;
  okno_ = okno;
  glebia_ = glebia;
  nagrano_ = false;
  w_obrazie_ = false;
  od_zebrania_.clear();
}

bool pamiec_ukladu::obejmuje(const malarz_ekranowy::macierze& m, double piksel, const std::array<int, 4>& okno,
                             int glebia) const {
  if (!m.na_karcie || !macierze_.na_karcie || m.wierzcholki != macierze_.wierzcholki || piksel != piksel_ ||
      okno != okno_ || glebia != glebia_)
    return false;
  // The view's plan rectangle, widened by the largest size drawn, in this view's pixels.
  obrys widok;
  for (double ex : {-1.0, 1.0})
    for (double ey : {-1.0, 1.0}) {
      double x, y;
      if (!m.ekran.odwroc(ex, ey, x, y)) return false;
      widok.dodaj(x, y);
    }
  const double metry = piksel * std::max((widok.x2 - widok.x1) / std::max(okno[2], 1),
                                         (widok.y2 - widok.y1) / std::max(okno[3], 1));
  const double zapas = (najwiecej_pikseli_ + 2) * metry;
  widok = {widok.x1 - zapas, widok.y1 - zapas, widok.x2 + zapas, widok.y2 + zapas};
  // Far smaller than what was gathered: gathering it alone costs less than drawing all that.
  const double pole = (widok.x2 - widok.x1) * (widok.y2 - widok.y1);
  if (!zebrane_.pusty() && pole * ZA_MALY_WIDOK < (zebrane_.x2 - zebrane_.x1) * (zebrane_.y2 - zebrane_.y1))
    return false;
  if (zebrano_wszystko_) return true;
  for (double x : {widok.x1, widok.x2})
    for (double y : {widok.y1, widok.y2}) {
      double ex, ey;
      ekran_zebrania_.zastosuj(x, y, ex, ey);
      if (!(std::abs(ex) <= OBSZAR_ZEBRANIA && std::abs(ey) <= OBSZAR_ZEBRANIA)) return false;
    }
  return true;
}

bool pamiec_ukladu::popraw(const std::vector<obrys>& zmiany, const malarz_ekranowy::macierze& m, double piksel,
                           const std::array<int, 4>& okno) {
  const przeksztalcenie& ekran = m.ekran;
  const int w = okno[2], h = okno[3];
  const double px_x = 2 * piksel / std::max(w, 1);
  const double px_y = 2 * piksel / std::max(h, 1);
  std::vector<std::array<int, 4>> plamy;
  for (const obrys& o : zmiany) {
    if (o.pusty()) continue;
    const std::array<int, 4> p = piksele(na_ekranie(o, ekran, px_x, px_y), w, h);
    if (p[0] < p[2] && p[1] < p[3]) plamy.push_back(p);
  }
  // Overlapping patches become one, so that no pixel is drawn twice.
  for (bool scalono = true; scalono;) {
    scalono = false;
    for (std::size_t i = 0; i < plamy.size() && !scalono; ++i)
      for (std::size_t j = i + 1; j < plamy.size() && !scalono; ++j) {
        std::array<int, 4>& a = plamy[i];
        const std::array<int, 4>& b = plamy[j];
        if (a[0] < b[2] && b[0] < a[2] && a[1] < b[3] && b[1] < a[3]) {
          a = {std::min(a[0], b[0]), std::min(a[1], b[1]), std::max(a[2], b[2]), std::max(a[3], b[3])};
          plamy.erase(plamy.begin() + static_cast<std::ptrdiff_t>(j));
          scalono = true;
        }
      }
  }
  // Past a quarter of the view, gathering it whole costs no more.
  long long pole = 0;
  for (const auto& p : plamy) pole += static_cast<long long>(p[2] - p[0]) * (p[3] - p[1]);
  if (pole * 4 > static_cast<long long>(w) * h) return false;

  obraz_.wejdz();
  GLint glebia = 0;
  glGetIntegerv(GL_DEPTH_BITS, &glebia);
  bool wierny = true;
  for (const auto& p : plamy) {
    const prostokat r{2.0 * p[0] / w - 1, 2.0 * p[1] / h - 1, 2.0 * p[2] / w - 1, 2.0 * p[3] / h - 1};
    latki_.zacznij(m, piksel, glebia);
    for (const auto* kawalki : {&punkty_, &linie_})
      for (const kawalek& k : *kawalki) {
        bool caly = false;
        if (!widoczny(k.zasieg, ekran, px_x, px_y, r, caly)) continue;
        zapis_rysunku::polozenie od;
        for (const element& e : k.elementy) {
          if (widoczny(e.zasieg.rozwin(), ekran, px_x, px_y, r, caly)) k.zapis.odtworz(latki_, od, e.do_);
          od = e.do_;
        }
      }
    if (!(wierny = latki_.wierny())) break;
    obraz_.wyczysc({p[0], p[1], p[2] - p[0], p[3] - p[1]});
    latki_.rysuj();
  }
  obraz_.wyjdz();
  return wierny;
}

// A hover going to and fro changes the same extents again and again: each is mended once.
// Past the limit the next view is gathered anyway, and what piles up past it serves nothing.
void pamiec_ukladu::dopisz_zmiany() {
  if (od_zebrania_.size() > ZMIANY_DO_PRZENIESIENIA) {
    zmienione_.clear();
    return;
  }
  const auto klucz = [](const obrys& o) { return std::tuple(o.x1, o.y1, o.x2, o.y2, o.piksele); };
  od_zebrania_.insert(od_zebrania_.end(), zmienione_.begin(), zmienione_.end());
  std::sort(od_zebrania_.begin(), od_zebrania_.end(), [&](const obrys& a, const obrys& b) { return klucz(a) < klucz(b); });
  od_zebrania_.erase(std::unique(od_zebrania_.begin(), od_zebrania_.end(),
                                 [&](const obrys& a, const obrys& b) { return klucz(a) == klucz(b); }),
                     od_zebrania_.end());
  zmienione_.clear();
}

void pamiec_ukladu::rysuj(malarz_gl& m, bool aktywny, std::uint64_t wersja, const zakres_zmiany* zakres) {
  const opcje teraz{stan.rysowanie.flagi, stan.rysowanie.biale_linie, stan.tekstura_zdarzen, uklad_.kolorystyka, aktywny};
  if (teraz != opcje_) {
    opcje_ = teraz;
    znana_wersja_ = false;
    nagrano_ = true;
    for (auto* kawalki : {&punkty_, &linie_})
      for (kawalek& k : *kawalki) k.elementy.clear();
  }
  if (!znana_wersja_ || wersja != wersja_) {
    if (!znana_wersja_ || !zakres || !aktualizuj(aktywny, *zakres)) aktualizuj(aktywny);
    punkt_kursor_ = uklad_.punkt_kursor;
    linia_kursor_ = uklad_.linia_kursor;
    ostatni_punkt_ = uklad_.ostatni_punkt;
    znana_wersja_ = true;
    wersja_ = wersja;
  }

  std::array<int, 4> okno;
  glGetIntegerv(GL_VIEWPORT, okno.data());
  GLint glebia = 0;
  glGetIntegerv(GL_DEPTH_BITS, &glebia);
  const malarz_ekranowy::macierze& widok = m.poziom();
  const double piksel = m.piksel();
  const bool ten_widok = widok == macierze_ && piksel == piksel_ && okno == okno_ && glebia == glebia_;
  if (!nagrano_ && ten_widok && !zmienione_.empty() && w_obrazie_) {
    w_obrazie_ = popraw(zmienione_, widok, piksel, okno);
    if (w_obrazie_) dopisz_zmiany();
  }
  bool zebrac = nagrano_ || (ten_widok && !zmienione_.empty() && !w_obrazie_);
  // A new view inside what was gathered: the arrays drawn through the new map, the changes
  // since then mended over them in the kept picture.
  bool przeniesiony = false;
  if (!zebrac && !ten_widok) {
    dopisz_zmiany();
    przeniesiony = partie_.wierny() && od_zebrania_.size() <= ZMIANY_DO_PRZENIESIENIA &&
                   obejmuje(widok, piksel, okno, glebia) &&
                   (od_zebrania_.empty() || (!widoczne_.empty() && obraz_.przygotuj(okno[2], okno[3])));
    zebrac = !przeniesiony;
  }
  zmienione_.clear();
  if (zebrac) zbierz(widok, piksel, okno, glebia);
  if (przeniesiony) {
    macierze_ = widok;
    w_obrazie_ = false;
  }

  // The view is kept off screen, and the frames after it lay it over and a hover mends it there,
  // once it stays a second frame, or at once when it is large: laying it over costs a little,
  // drawing a large view again a lot.
  const auto do_obrazu = [&] {
    obraz_.wejdz();
    obraz_.wyczysc();
    partie_.rysuj();
    obraz_.wyjdz();
    w_obrazie_ = true;
  };
  const bool do_poprawy = przeniesiony && !od_zebrania_.empty();
  const bool duzy = partie_.prymitywy() > DUZY_WIDOK;
  if (!w_obrazie_ && (ten_widok || duzy || do_poprawy) && !widoczne_.empty() && partie_.wierny() &&
      obraz_.przygotuj(okno[2], okno[3])) {
    do_obrazu();
    if (do_poprawy && !popraw(od_zebrania_, widok, piksel, okno)) {
      zbierz(widok, piksel, okno, glebia);
      if (partie_.prymitywy() > DUZY_WIDOK && !widoczne_.empty() && partie_.wierny()) do_obrazu();
    }
  }
  if (w_obrazie_) {
    obraz_.naloz();
  } else if (partie_.wierny()) {
    partie_.rysuj();
  } else {
    for (const odcinek& o : widoczne_) o.k->zapis.odtworz(m, o.od, o.do_);
  }
  uklad_.rysuj_cel(m);
}

void pamiec_ukladu::zwolnij_gl() {
  partie_.zwolnij_gl();
  latki_.zwolnij_gl();
  obraz_.zwolnij_gl();
  w_obrazie_ = false;
  nagrano_ = true;
}
