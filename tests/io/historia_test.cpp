// Undo and redo: random edits of the editing operations, undone and redone to random depths,
// give back the layout's project record byte for byte, with what the file leaves out (the
// order of a point's lines, the export's event points, the second elevation as held).
#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <unordered_map>

#include "dokument/dokument.h"
#include "io/eksport.h"
#include "io/generator_projektow.h"
#include "io/projekt.h"
#include "io/trasa.h"
#include "support/katalog_tymczasowy.h"
#include "support/rejestrator_komunikatow.h"
#include "support/rekord_projektu.h"

namespace {

// What the project record leaves out, written by hand: per point the export flag, the second
// elevation's bits and its lines as line indices.
std::vector<std::uint64_t> poza_rekordem(const tor_uklad& u) {
  std::unordered_map<const w_linia*, std::uint64_t> nr;
  for (std::size_t i = 0; i < u.l.size(); ++i) nr[u.l[i]] = i;
  std::vector<std::uint64_t> w;
  for (int i = 0; i < u.pmax(); ++i) {
    w.push_back(static_cast<std::uint64_t>(u.punkt(i)->punkt_zdarzenia));
    w.push_back(std::bit_cast<std::uint64_t>(u.punkt(i)->wysokosc2));
    for (const w_linia* l : u.p[i]->li) w.push_back(nr.at(l));
  }
  return w;
}

// "" when equal, else where the two part.
template <class T>
std::string rozne(const std::vector<T>& a, const std::vector<T>& b) {
  if (a == b) return "";
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  return "różne od pozycji " + std::to_string(i) + " z " + std::to_string(a.size()) + " i " + std::to_string(b.size());
}

// A layout as a file gives it: events, elements, second elevations, free ends that turnout
// joints snap; plus the template library for putting turnouts down.
void wczytaj_losowy(dokument& d, std::mt19937& los) {
  opcje_generatora opcje;
  opcje.najwiecej_punktow = 40;
  const std::vector<std::uint8_t> bajty =
      projekt_z_ukladem(losowy_uklad(los, opcje), 2, 1990 + static_cast<int>(los() % 30), static_cast<int>(los() % 99));
  czytnik_rekordow s(bajty);
  d.tor.wczytaj(s);
  wczytaj_trase(s, d.trasa);
  d.tor.wczytaj_szablony(VIALTOR_ZRODLA "/data/dataeditor/sb.txt");
  ASSERT_GT(d.tor.szab_max(), 0);
}

// The editing operations of the plan view, the panels and the menus, on random items.
class losowe_edycje {
 public:
  losowe_edycje(dokument& d, std::mt19937& los) : d_(d), los_(los) {}

  void jedna() {
    tor_uklad& u = d_.tor;
    switch (calkowita(0, 14)) {
      case 0:  // right click: a point at the cursor, joined to the last clicked one
        u.wskaz(x(), x(), 8, true, calkowita(0, 1));
        u.dodaj_punkt(x(), x(), 0);
        break;
      case 1: {  // a drag of the selection, merged at the release when it found a target
        zaznacz();
        if (u.pmax() > 0) u.punkt_kursor = calkowita(0, u.pmax() - 1);
        u.przesun_zaznaczone(rzeczywista(-20, 20), rzeczywista(-20, 20), 30);
        u.scal();
        break;
      }
      case 2:
        zaznacz();
        u.obroc_zaznaczone(x(), x(), rzeczywista(-180, 180));
        break;
      case 3:
        zaznacz();
        u.usun_zaznaczone();
        break;
      case 4:
        if (u.pmax() < 2) break;
        u.punkt_kursor = calkowita(0, u.pmax() - 1);
        u.punkt_docelowy = u.p[calkowita(0, u.pmax() - 1)];
        u.scal();
        break;
      case 5:
        u.odznacz_wszystko();
        u.szab_akt = calkowita(0, u.szab_max() - 1);
        u.wstaw_szablon(x(), x());
        break;
      case 6:
        zaznacz();
        u.ustaw_promien_zaznaczonych(rzeczywista(20, 400));
        break;
      case 7:
        if (u.pmax() > 0) u.p[calkowita(0, u.pmax() - 1)]->zdarzenia.dodaj(zdarzenie_losowe());
        break;
      case 8:
        if (u.lmax() > 0) u.l[calkowita(0, u.lmax() - 1)]->zdarzenia.dodaj(zdarzenie_losowe());
        break;
      case 9:  // the route window; a city of 0 with a year that the file reader would skip
        d_.trasa.miasto = calkowita(0, 3);
        d_.trasa.rok = calkowita(1900, 2030);
        d_.trasa.id = calkowita(0, 50);
        break;
      case 10:
        zaznacz();
        switch (calkowita(0, 2)) {
          case 0: u.odbij_elementy(); break;
          case 1: u.obroc_elementy_180(); break;
          default: u.ustaw_przelozenie(calkowita(0, 1)); break;
        }
        break;
      case 11:
        przygotuj_eksport(u, "eksport.layout");
        break;
      case 12:
        zaznacz();
        u.ustaw_obiekt_zaznaczonych(calkowita(0, 3));
        break;
      case 13:  // the side panel's boxes
        if (u.pmax() == 0) break;
        u.panel_tryb = PANEL_PUNKT;
        u.panel_nr = calkowita(0, u.pmax() - 1);
        u.panel_ustaw_1(x());
        u.przelicz_wszystko();
        break;
      default:  // selection only: nothing to record
        zaznacz();
        break;
    }
  }

 private:
  int calkowita(int a, int b) { return std::uniform_int_distribution<int>(a, b)(los_); }
  double rzeczywista(double a, double b) { return std::uniform_real_distribution<double>(a, b)(los_); }
  double x() { return rzeczywista(-300, 300); }

  void zaznacz() {
    tor_uklad& u = d_.tor;
    u.odznacz_wszystko();
    const int ile = calkowita(0, 4);
    for (int i = 0; i < ile && u.pmax() > 0; ++i) u.p[calkowita(0, u.pmax() - 1)]->ZAZNACZ(true);
    if (u.lmax() > 0 && calkowita(0, 2) == 0) u.l[calkowita(0, u.lmax() - 1)]->ZAZNACZ(true);
  }

  zdarzenie zdarzenie_losowe() {
    zdarzenie z;
    z.typ = calkowita(0, 6);
    z.pozycja = rzeczywista(0, 1);
    z.argument = calkowita(0, 80);
    return z;
  }

  dokument& d_;
  std::mt19937& los_;
};

// The editor's undo stack: the steps, where it stands and the records of every state.
struct stos_cofania {
  std::vector<krok_historii> kroki;
  std::size_t pozycja = 0;
  std::vector<std::vector<std::uint8_t>> rekordy;
  std::vector<std::vector<std::uint64_t>> poza;
};

TEST(Historia, LosoweEdycjeCofaneIPonawianeWracajaBajtWBajt) {
  rejestrator_komunikatow komunikaty;
  int cofniete = 0, ponowione = 0;
  for (unsigned ziarno = 1; ziarno <= 25; ++ziarno) {
    std::mt19937 los(ziarno);
    dokument d;
    wczytaj_losowy(d, los);
    d.zgodny_z_plikiem("losowy.vxm");
    losowe_edycje edycje(d, los);
    stos_cofania stos;
    stos.rekordy.push_back(rekord_projektu(d));
    stos.poza.push_back(poza_rekordem(d.tor));

    for (int ruch = 0; ruch < 150; ++ruch) {
      const std::string gdzie = "ziarno " + std::to_string(ziarno) + " ruch " + std::to_string(ruch);
      const int co = static_cast<int>(los() % 10);
      if (co < 6) {
        edycje.jedna();
        std::optional<krok_historii> krok = d.zmiana();
        if (!krok) {
          // Nothing recorded: nothing that is saved changed.
          ASSERT_EQ(rozne(rekord_projektu(d), stos.rekordy[stos.pozycja]), "") << gdzie;
          continue;
        }
        stos.kroki.resize(stos.pozycja);
        stos.rekordy.resize(stos.pozycja + 1);
        stos.poza.resize(stos.pozycja + 1);
        stos.kroki.push_back(std::move(*krok));
        stos.rekordy.push_back(rekord_projektu(d));
        stos.poza.push_back(poza_rekordem(d.tor));
        ++stos.pozycja;
        continue;
      }
      const bool wstecz = co < 8;
      for (int n = 1 + static_cast<int>(los() % 4); n > 0; --n) {
        if (wstecz ? stos.pozycja == 0 : stos.pozycja == stos.kroki.size()) break;
        if (wstecz) {
          ASSERT_TRUE(d.cofnij(stos.kroki[--stos.pozycja])) << gdzie;
          ++cofniete;
        } else {
          ASSERT_TRUE(d.ponow(stos.kroki[stos.pozycja++])) << gdzie;
          ++ponowione;
        }
        ASSERT_EQ(rozne(rekord_projektu(d), stos.rekordy[stos.pozycja]), "") << gdzie;
        ASSERT_EQ(rozne(poza_rekordem(d.tor), stos.poza[stos.pozycja]), "") << gdzie;
      }
      // The layout holds what the history recorded: the next edit is compared with it.
      ASSERT_FALSE(d.zmiana().has_value()) << gdzie;
    }
    while (stos.pozycja > 0) ASSERT_TRUE(d.cofnij(stos.kroki[--stos.pozycja]));
    ASSERT_EQ(rozne(rekord_projektu(d), stos.rekordy[0]), "") << "ziarno " << ziarno;
    EXPECT_FALSE(d.zmieniony());
    while (stos.pozycja < stos.kroki.size()) ASSERT_TRUE(d.ponow(stos.kroki[stos.pozycja++]));
    ASSERT_EQ(rozne(rekord_projektu(d), stos.rekordy.back()), "") << "ziarno " << ziarno;
    ASSERT_EQ(rozne(poza_rekordem(d.tor), stos.poza.back()), "") << "ziarno " << ziarno;
  }
  // The random walk did go back and forth.
  EXPECT_GT(cofniete, 500);
  EXPECT_GT(ponowione, 300);
}

}  // namespace

namespace {

TEST(Historia, ZmienionyIdzieZaHistoriaALadowanieIWyczyszczenieZaczynajaNowa) {
  rejestrator_komunikatow komunikaty;
  katalog_tymczasowy katalog;
  dokument d;
  EXPECT_FALSE(d.zmieniony());
  EXPECT_FALSE(d.zmiana().has_value());

  d.tor.dodaj_punkt(10, 20, 0);
  std::optional<krok_historii> k1 = d.zmiana();
  ASSERT_TRUE(k1);
  EXPECT_TRUE(d.zmieniony());
  d.tor.dodaj_punkt(60, 20, 0);  // joined to the first, which was selected and clicked last
  std::optional<krok_historii> k2 = d.zmiana();
  ASSERT_TRUE(k2);
  ASSERT_EQ(d.tor.lmax(), 1);

  const std::string a = katalog.plik("a.vxm");
  ASSERT_TRUE(zapisz_projekt(a, d.tor, d.trasa));
  d.zgodny_z_plikiem(a);
  EXPECT_FALSE(d.zmieniony());
  EXPECT_EQ(d.plik(), a);
  const std::vector<std::uint8_t> zapisany = rekord_projektu(d);

  // Back past the saved state and forward to it again.
  ASSERT_TRUE(d.cofnij(*k2));
  EXPECT_TRUE(d.zmieniony());
  EXPECT_FALSE(d.cofnij(*k2));  // it does not lead to the current state: refused, nothing changes
  ASSERT_TRUE(d.cofnij(*k1));
  EXPECT_EQ(d.tor.pmax(), 0);
  EXPECT_TRUE(d.zmieniony());
  ASSERT_TRUE(d.ponow(*k1));
  ASSERT_TRUE(d.ponow(*k2));
  EXPECT_FALSE(d.zmieniony());
  EXPECT_FALSE(d.ponow(*k1));
  EXPECT_EQ(rekord_projektu(d), zapisany);

  // A selection is no edit; the route information is.
  d.tor.zaznacz_wszystko();
  EXPECT_FALSE(d.zmiana().has_value());
  EXPECT_FALSE(d.zmieniony());
  d.trasa.rok = 1999;
  std::optional<krok_historii> k3 = d.zmiana();
  ASSERT_TRUE(k3);
  EXPECT_TRUE(d.zmieniony());
  ASSERT_TRUE(d.cofnij(*k3));
  EXPECT_EQ(d.trasa.rok, 0);
  EXPECT_FALSE(d.zmieniony());

  // Another edit from a state before the save: the saved state is out of reach of the new
  // branch, and the document stays modified however far it goes back.
  ASSERT_TRUE(d.cofnij(*k2));
  d.tor.dodaj_punkt(10, 80, 0);
  std::optional<krok_historii> k4 = d.zmiana();
  ASSERT_TRUE(k4);
  EXPECT_TRUE(d.zmieniony());
  ASSERT_TRUE(d.cofnij(*k4));
  EXPECT_TRUE(d.zmieniony());
  ASSERT_TRUE(d.cofnij(*k1));
  EXPECT_TRUE(d.zmieniony());
  ASSERT_TRUE(d.ponow(*k1));

  // Loading the saved file: a new history in which no earlier step applies.
  ASSERT_TRUE(wczytaj_projekt(a, d.tor, d.trasa).ok);
  d.zgodny_z_plikiem(a);
  EXPECT_FALSE(d.zmieniony());
  EXPECT_FALSE(d.ponow(*k4));
  EXPECT_FALSE(d.cofnij(*k2));
  EXPECT_EQ(rekord_projektu(d), zapisany);
  d.tor.usun_zaznaczone();  // the last point read is selected
  std::optional<krok_historii> k5 = d.zmiana();
  ASSERT_TRUE(k5);
  ASSERT_TRUE(d.cofnij(*k5));
  EXPECT_FALSE(d.zmieniony());

  // Clearing: a new history with nothing to save.
  d.tor.wyczysc();
  zeruj_trase(d.trasa);
  d.nowy();
  EXPECT_FALSE(d.zmieniony());
  EXPECT_TRUE(d.plik().empty());
  EXPECT_FALSE(d.ponow(*k5));
  EXPECT_EQ(d.tor.pmax(), 0);

  // An import: a new history whose first state is no project's.
  ASSERT_TRUE(wczytaj_projekt(a, d.tor, d.trasa).ok);
  d.zaimportowany();
  EXPECT_TRUE(d.zmieniony());
  EXPECT_FALSE(d.cofnij(*k5));
  d.trasa.id = 5;
  std::optional<krok_historii> k6 = d.zmiana();
  ASSERT_TRUE(k6);
  ASSERT_TRUE(d.cofnij(*k6));
  EXPECT_TRUE(d.zmieniony());
}

}  // namespace
