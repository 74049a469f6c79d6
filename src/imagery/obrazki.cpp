#include "imagery/obrazki.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "app/komunikaty.h"
#include "app/log.h"
#include "track/malarz.h"

namespace {

// Half the side of a handle and the widening of the hit rectangle: 7.5 pixels.
constexpr double TOLERANCJA_NDC = 0.025;
// Half the side of a new picture: 80 % of the view's height in all.
constexpr double POL_BOKU_NOWEGO_NDC = 0.8;
constexpr double KROK_SUWAKA = 0.025;

bool w_przedziale(double v, double a, double b, double e) {
  return v >= std::min(a, b) - e && v <= std::max(a, b) + e;
}

}  // namespace

std::vector<uchwyt_obrazka> uchwyty(const obrazek& o) {
  const double sx = (o.x1 + o.x2) / 2, sy = (o.y1 + o.y2) / 2;
  return {{o.x1, o.y1, UCHWYT_X1 | UCHWYT_Y1}, {o.x2, o.y1, UCHWYT_X2 | UCHWYT_Y1},
          {o.x2, o.y2, UCHWYT_X2 | UCHWYT_Y2}, {o.x1, o.y2, UCHWYT_X1 | UCHWYT_Y2},
          {sx, o.y1, UCHWYT_Y1},               {sx, o.y2, UCHWYT_Y2},
          {o.x1, sy, UCHWYT_X1},               {o.x2, sy, UCHWYT_X2}};
}

bool lista_obrazkow::dodaj_z_pliku(const std::string& sciezka, const widok& kamera) {
  std::FILE* plik = std::fopen(sciezka.c_str(), "rb");
  if (!plik) {
    pokaz_komunikat(KOM_PLIK_NIE_ISTNIEJE);
    return false;
  }
  std::fclose(plik);
  log_pisz("LOAD TEXTURE A: [%s]\n", sciezka.c_str());
  log_pisz("LOAD TEXTURE dlugosc=%d\n", static_cast<int>(sciezka.size() + 1));
  obrazek o;
  o.sciezka = sciezka;
  log_pisz("LOAD TEXTURE B: [%s]\n", sciezka.c_str());
  std::string powod;
  o.tekstura = tekstury_.laduj(sciezka, powod);
  log_pisz("===[%s]\n", sciezka.c_str());
  if (o.tekstura == 0) {
    pokaz_tekst("Obraz " + sciezka + " nie został dodany: " + powod);
    return false;
  }
  const double pol = POL_BOKU_NOWEGO_NDC / kamera.skala;
  o.x1 = -pol - kamera.przes_x;
  o.x2 = pol - kamera.przes_x;
  o.y1 = -pol - kamera.przes_y;
  o.y2 = pol - kamera.przes_y;
  o.widoczny = true;
  o.tekstura_wczytana = true;
  o.numer = ++ostatni_numer_;
  obrazki_.insert(obrazki_.begin(), std::move(o));
  if (wybrany_ >= 0) ++wybrany_;
  log_pisz("LOAD TEXTURE OK C: [%s]\n", sciezka.c_str());
  return true;
}

trafienie_obrazka lista_obrazkow::trafienie(double x, double y, double skala) {
  const double e = TOLERANCJA_NDC / skala;
  uchwyt_ = 0;
  wybrany_ = -1;
  for (std::size_t i = 0; i < obrazki_.size(); ++i) {
    const obrazek& o = obrazki_[i];
    if (w_przedziale(x, o.x1, o.x2, e) && w_przedziale(y, o.y1, o.y2, e)) {
      wybrany_ = static_cast<int>(i);
      uchwyt_ = UCHWYT_CALOSC;
    }
  }
  if (wybrany_ < 0) return {};
  const obrazek& o = obrazki_[static_cast<std::size_t>(wybrany_)];
  for (const uchwyt_obrazka& u : uchwyty(o))
    if (std::fabs(x - u.x) <= e && std::fabs(y - u.y) <= e) uchwyt_ = u.kod;
  return {true, o.widoczny, o.zablokowany};
}

wynik_przeciagania lista_obrazkow::przeciagnij(double dx, double dy) {
  obrazek* o = wybrany_obrazek();
  if (!o) return wynik_przeciagania::nic;
  if (o->zablokowany) return wynik_przeciagania::zablokowany;
  if (uchwyt_ & UCHWYT_Y2) o->y2 += dy;
  if (uchwyt_ & UCHWYT_Y1) o->y1 += dy;
  if (uchwyt_ & UCHWYT_X2) o->x2 += dx;
  if (uchwyt_ & UCHWYT_X1) o->x1 += dx;
  return wynik_przeciagania::przesuniety;
}

void lista_obrazkow::obroc(double kat) {
  if (obrazek* o = wybrany_obrazek(); o && !o->zablokowany) o->rotacja += kat;
}

void lista_obrazkow::kasuj_rotacje() {
  if (obrazek* o = wybrany_obrazek()) o->rotacja = 0;
}

void lista_obrazkow::przelacz_zamiane_xy() {
  if (obrazek* o = wybrany_obrazek()) o->zamien_xy = !o->zamien_xy;
}

void lista_obrazkow::odbij_x() {
  if (obrazek* o = wybrany_obrazek()) std::swap(o->x1, o->x2);
}

void lista_obrazkow::odbij_y() {
  if (obrazek* o = wybrany_obrazek()) std::swap(o->y1, o->y2);
}

void lista_obrazkow::na_wierzch() {
  if (wybrany_ < 0) return;
  std::rotate(obrazki_.begin() + wybrany_, obrazki_.begin() + wybrany_ + 1, obrazki_.end());
  wybrany_ = static_cast<int>(obrazki_.size()) - 1;
}

void lista_obrazkow::pod_spod() {
  if (wybrany_ < 0) return;
  std::rotate(obrazki_.begin(), obrazki_.begin() + wybrany_, obrazki_.begin() + wybrany_ + 1);
  wybrany_ = 0;
}

void lista_obrazkow::ustaw_widoczny(bool widoczny) {
  if (obrazek* o = wybrany_obrazek()) o->widoczny = widoczny;
}

void lista_obrazkow::ustaw_zablokowany(bool zablokowany) {
  if (obrazek* o = wybrany_obrazek()) o->zablokowany = zablokowany;
}

int pozycja_przezroczystosci(double przezroczystosc) {
  // A value from a file may be anything; drawing takes what is not a number as opaque.
  const double p = std::isfinite(przezroczystosc) ? std::clamp(przezroczystosc, 0.0, 1.0) : 1.0;
  return static_cast<int>(std::lround(p / KROK_SUWAKA));
}

void lista_obrazkow::ustaw_przezroczystosc(int pozycja_suwaka) {
  if (obrazek* o = wybrany_obrazek()) o->przezroczystosc = pozycja_suwaka * KROK_SUWAKA;
}

bool lista_obrazkow::usun_wybrany() {
  if (obrazki_.empty()) {
    pokaz_komunikat(KOM_RYSUNKI_USUNIETE);
    return false;
  }
  if (wybrany_ < 0) {
    pokaz_komunikat(KOM_BRAK_RYSUNKU);
    return false;
  }
  tekstury_.usun(obrazki_[static_cast<std::size_t>(wybrany_)].tekstura);
  obrazki_.erase(obrazki_.begin() + wybrany_);
  wybrany_ = -1;
  uchwyt_ = 0;
  return true;
}

bool lista_obrazkow::usun_wszystkie() {
  if (obrazki_.empty()) {
    pokaz_komunikat(KOM_RYSUNKI_USUNIETE);
    return false;
  }
  zastap({});
  return true;
}

void lista_obrazkow::zastap(std::vector<obrazek> nowe) {
  usun_wszystkie_tekstury();
  obrazki_ = std::move(nowe);
  for (obrazek& o : obrazki_) o.numer = ++ostatni_numer_;
  wybrany_ = -1;
  uchwyt_ = 0;
}

std::vector<obrazek> lista_obrazkow::opis() const {
  std::vector<obrazek> opis = obrazki_;
  for (obrazek& o : opis) {
    o.tekstura = 0;
    o.tekstura_wczytana = false;
  }
  return opis;
}

void lista_obrazkow::przywroc(std::vector<obrazek> opis) {
  const std::uint64_t wybrany = wybrany_ >= 0 ? obrazki_[static_cast<std::size_t>(wybrany_)].numer : 0;
  wybrany_ = -1;
  uchwyt_ = 0;
  // Pictures are few: a search per picture costs nothing worth a map.
  for (std::size_t i = 0; i < opis.size(); ++i) {
    obrazek& nowy = opis[i];
    nowy.tekstura = 0;
    nowy.tekstura_wczytana = false;
    const auto obecny = std::find_if(obrazki_.begin(), obrazki_.end(),
                                     [&](const obrazek& o) { return o.numer == nowy.numer; });
    if (obecny != obrazki_.end()) {
      nowy.tekstura = std::exchange(obecny->tekstura, 0u);
      nowy.tekstura_wczytana = obecny->tekstura_wczytana;
    }
    if (wybrany != 0 && nowy.numer == wybrany) wybrany_ = static_cast<int>(i);
  }
  usun_wszystkie_tekstury();
  obrazki_ = std::move(opis);
}

void lista_obrazkow::usun_wszystkie_tekstury() {
  for (obrazek& o : obrazki_)
    if (o.tekstura != 0) tekstury_.usun(o.tekstura);
}

void lista_obrazkow::ustaw_miganie(bool miganie) {
  miganie_ = miganie;
  licznik_migania_ = 0;
}

void lista_obrazkow::krok_migania(int klatki) {
  if (!miganie_) return;
  licznik_migania_ = (licznik_migania_ + klatki) % CYKL_MIGANIA;
}

int lista_obrazkow::klatki_do_zmiany() const {
  // Hidden from 1 to 14, shown from 15 through 29 and 0.
  if (ukryte_przez_miganie()) return POCZATEK_WIDOCZNOSCI - licznik_migania_;
  return licznik_migania_ == 0 ? 1 : CYKL_MIGANIA - licznik_migania_ + 1;
}

bool lista_obrazkow::widac_w(const prostokat_planu& p) const {
  return std::any_of(obrazki_.begin(), obrazki_.end(), [&p](const obrazek& o) {
    if (!o.widoczny) return false;
    const double sx = (o.x1 + o.x2) / 2, sy = (o.y1 + o.y2) / 2;
    double px = std::abs(o.x2 - o.x1) / 2, py = std::abs(o.y2 - o.y1) / 2;
    if (o.rotacja != 0) px = py = std::hypot(px, py);
    return sx + px >= p.x1 && sx - px <= p.x2 && sy + py >= p.y1 && sy - py <= p.y2;
  });
}

void lista_obrazkow::rysuj(malarz& m) {
  if (ukryte_przez_miganie()) return;
  for (std::size_t i = 0; i < obrazki_.size(); ++i) {
    obrazek& o = obrazki_[i];
    if (!o.widoczny) continue;
    m.kolor(1, 1, 1, static_cast<float>(o.przezroczystosc));
    if (!o.tekstura_wczytana) {
      o.tekstura_wczytana = true;
      log_pisz("} LOAD TEXTURE [%d]: [%s]\n", static_cast<int>(i), o.sciezka.c_str());
      if (o.tekstura != 0) tekstury_.usun(o.tekstura);
      log_pisz("...\n");
      std::string powod;
      o.tekstura = tekstury_.laduj(o.sciezka, powod);
      log_pisz("LOADED \n");
      if (o.tekstura == 0 && zgloszone_.insert(o.sciezka).second) nieczytelne_ += "\n" + o.sciezka + " (" + powod + ")";
    }
    if (o.tekstura != 0)
      m.tekstura(o.tekstura);
    else
      m.bez_tekstury();
    const double sx = (o.x1 + o.x2) / 2, sy = (o.y1 + o.y2) / 2;
    const double s = o.zamien_xy ? 1 : 0;
    const double xy[4][2] = {{o.x1, o.y1}, {o.x2, o.y1}, {o.x2, o.y2}, {o.x1, o.y2}};
    const double uv[4][2] = {{0, 0}, {1 - s, s}, {1, 1}, {s, 1 - s}};
    m.zachowaj_macierz();
    m.przesun(sx, sy, 0);
    m.obroc(o.rotacja, 0, 0, 1);
    m.przesun(-sx, -sy, 0);
    m.czworokat(xy, uv);
    m.przywroc_macierz();
  }
  m.bez_tekstury();
}

std::string lista_obrazkow::odbierz_nieczytelne() { return std::exchange(nieczytelne_, {}); }

void lista_obrazkow::rysuj_ramki(malarz& m) const {
  m.rozmiar_punktu(8);
  m.szerokosc_linii(1);
  for (std::size_t i = 0; i < obrazki_.size(); ++i) {
    const obrazek& o = obrazki_[i];
    if (static_cast<int>(i) == wybrany_) {
      for (const uchwyt_obrazka& u : uchwyty(o)) {
        if (u.kod == uchwyt_)
          m.kolor(1, 0, 0);
        else
          m.kolor(1, 1, 1);
        m.punkt(u.x, u.y, 0);
      }
      if (uchwyt_ == UCHWYT_CALOSC)
        m.kolor(1, 0, 0);
      else
        m.kolor(1, 1, 1);
    } else {
      m.kolor(0.9f, 0.9f, 0.9f);
    }
    m.pasek_poczatek();
    m.wierzcholek(o.x1, o.y1, 0);
    m.wierzcholek(o.x2, o.y1, 0);
    m.wierzcholek(o.x2, o.y2, 0);
    m.wierzcholek(o.x1, o.y2, 0);
    m.wierzcholek(o.x1, o.y1, 0);
    m.pasek_koniec();
  }
}
