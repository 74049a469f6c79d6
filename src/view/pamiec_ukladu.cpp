#include "view/pamiec_ukladu.h"

#include <GL/gl.h>

#include <algorithm>

#include "app/stan.h"
#include "track/tor.h"
#include "view/malarz_gl.h"
#include "view/odcisk_rysunku.h"

namespace {

// Whether an extent meets the view, and whether it lies wholly inside (`caly`). Widened by its
// half point or line size and one pixel: GL discards wide points and lines outside the view,
// but a driver with a guard band draws what of them reaches in.
bool widoczny(const obrys& o, const przeksztalcenie& ekran, double px_x, double px_y, bool& caly) {
  if (o.pusty()) return false;
  double x1 = 1e300, y1 = 1e300, x2 = -1e300, y2 = -1e300;
  for (double x : {o.x1, o.x2})
    for (double y : {o.y1, o.y2}) {
      double ex, ey;
      ekran.zastosuj(x, y, ex, ey);
      x1 = std::min(x1, ex);
      x2 = std::max(x2, ex);
      y1 = std::min(y1, ey);
      y2 = std::max(y2, ey);
    }
  const double dx = (o.piksele + 1) * px_x;
  const double dy = (o.piksele + 1) * px_y;
  x1 -= dx, x2 += dx, y1 -= dy, y2 += dy;
  caly = x1 >= -1 && x2 <= 1 && y1 >= -1 && y2 <= 1;
  return x2 >= -1 && x1 <= 1 && y2 >= -1 && y1 <= 1;
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

std::uint64_t pamiec_ukladu::odcisk(const kawalek& k, bool aktywny) const {
  odcisk_rysunku o;
  o.dodaj(k.ile);
  for (int i = k.pierwszy; i < k.pierwszy + k.ile; ++i) {
    if (k.linie)
      o.linia(*uklad_.l[i], uklad_.flagi_linii(i, aktywny), tor_);
    else
      o.punkt(*uklad_.p[i], uklad_.flagi_punktu(i, aktywny), tor_);
  }
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
    k.elementy.push_back({brudnopis_.koniec(), obrys_zwarty(zasieg)});
  }
  k.zapis = brudnopis_.kopia();
}

void pamiec_ukladu::aktualizuj(bool aktywny) {
  dopasuj(punkty_, uklad_.pmax(), false);
  dopasuj(linie_, uklad_.lmax(), true);
  for (auto* kawalki : {&punkty_, &linie_})
    for (kawalek& k : *kawalki) {
      const std::uint64_t o = odcisk(k, aktywny);
      if (o == k.odcisk && !k.elementy.empty()) continue;
      nagraj(k, aktywny);
      k.odcisk = o;
      nagrano_ = true;
      ++nagrania_;
    }
}

void pamiec_ukladu::zbierz(const przeksztalcenie& ekran, double piksel, const std::array<int, 4>& okno, int glebia) {
  partie_.zacznij(ekran, piksel, glebia);
  widoczne_.clear();
  // Normalised device units per pixel of the recorded sizes.
  const double px_x = 2 * piksel / std::max(okno[2], 1);
  const double px_y = 2 * piksel / std::max(okno[3], 1);
  for (const auto* kawalki : {&punkty_, &linie_})
    for (const kawalek& k : *kawalki) {
      bool caly = false;
      if (!widoczny(k.zasieg, ekran, px_x, px_y, caly)) continue;
      if (caly) {
        widoczne_.push_back({&k, {}, k.elementy.back().do_});
      } else {
        zapis_rysunku::polozenie od;
        for (const element& e : k.elementy) {
          if (widoczny(e.zasieg.rozwin(), ekran, px_x, px_y, caly)) widoczne_.push_back({&k, od, e.do_});
          od = e.do_;
        }
      }
    }
  for (const odcinek& o : widoczne_) o.k->zapis.odtworz(partie_, o.od, o.do_);
}

void pamiec_ukladu::rysuj(malarz_gl& m, bool aktywny, std::uint64_t wersja) {
  const opcje teraz{stan.rysowanie.flagi, stan.rysowanie.biale_linie, stan.tekstura_zdarzen, uklad_.kolorystyka, aktywny};
  if (teraz != opcje_) {
    opcje_ = teraz;
    znana_wersja_ = false;
    for (auto* kawalki : {&punkty_, &linie_})
      for (kawalek& k : *kawalki) k.elementy.clear();
  }
  if (!znana_wersja_ || wersja != wersja_) {
    aktualizuj(aktywny);
    znana_wersja_ = true;
    wersja_ = wersja;
  }

  std::array<int, 4> okno;
  glGetIntegerv(GL_VIEWPORT, okno.data());
  GLint glebia = 0;
  glGetIntegerv(GL_DEPTH_BITS, &glebia);
  const przeksztalcenie& ekran = m.macierz();
  if (nagrano_ || !(ekran == ekran_) || m.piksel() != piksel_ || okno != okno_ || glebia != glebia_) {
    zbierz(ekran, m.piksel(), okno, glebia);
    ekran_ = ekran;
    piksel_ = m.piksel();
    okno_ = okno;
    glebia_ = glebia;
    nagrano_ = false;
  }

  if (partie_.wierny()) {
    partie_.rysuj();
  } else {
    for (const odcinek& o : widoczne_) o.k->zapis.odtworz(m, o.od, o.do_);
  }
  uklad_.rysuj_cel(m);
}
