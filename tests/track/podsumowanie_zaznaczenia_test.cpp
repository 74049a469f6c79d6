// The layout's kept summary of its selection, its lit element and the side panel equal what a
// count over every item gives, after every kind of operation of the editor on its document:
// hovers, clicks, boxes, select all and invert, deletes, new points and lines, templates put
// down and deleted, undo, redo and loading a file.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "dokument/dokument.h"
#include "io/projekt.h"
#include "support/rejestrator_komunikatow.h"
#include "support/uklad_testowy.h"

namespace {

w_uklad::podsumowanie_zaznaczenia policz_doslownie(const w_uklad& u) {
  w_uklad::podsumowanie_zaznaczenia z;
  for (int i = u.pmax() - 1; i >= 0; --i)
    if (u.p[i]->CZY_ZAZNACZONY()) ++z.punkty, z.punkt = i;
  for (int i = u.lmax() - 1; i >= 0; --i)
    if (u.l[i]->CZY_ZAZNACZONY()) ++z.linie, z.linia = i;
  for (int i = u.emax() - 1; i >= 0; --i)
    if (u.e[i]->zaznaczony()) ++z.elementy, z.element = i;
  return z;
}

void porownaj_podsumowanie(const w_uklad& u, const std::string& gdzie) {
  const w_uklad::podsumowanie_zaznaczenia o = policz_doslownie(u), z = u.zaznaczenie();
  EXPECT_EQ(std::vector<int>({z.punkty, z.linie, z.elementy, z.punkt, z.linia, z.element}),
            std::vector<int>({o.punkty, o.linie, o.elementy, o.punkt, o.linia, o.element}))
      << gdzie;
}

// After a pick: the element of what the cursor is on is lit, no other; the panel shows the one
// selected point, else line, else element.
void porownaj_po_wskazaniu(const w_uklad& u, const std::string& gdzie) {
  const w_element* pod_kursorem = u.punkt_kursor >= 0 ? u.p[u.punkt_kursor]->element
                                  : u.linia_kursor >= 0 && u.l[u.linia_kursor]->w_elemencie() ? u.l[u.linia_kursor]->p1->element
                                                                                              : nullptr;
  for (const w_element* el : u.e) EXPECT_EQ(bool(el->podswietlony()), el == pod_kursorem) << gdzie;
  const w_uklad::podsumowanie_zaznaczenia o = policz_doslownie(u);
  const std::pair<int, int> panel = o.punkty == 1     ? std::pair(PANEL_PUNKT, o.punkt)
                                    : o.linie == 1    ? std::pair(PANEL_LINIA, o.linia)
                                    : o.elementy == 1 ? std::pair(PANEL_ELEMENT, o.element)
                                                      : std::pair(PANEL_PUSTY, u.panel_nr);
  EXPECT_EQ(std::pair(u.panel_tryb, u.panel_nr), panel) << gdzie;
}

// A click that starts a new selection leaves selected only what it hit: a point or a line, or
// the whole element either belongs to.
void porownaj_po_kliku(const w_uklad& u, const std::string& gdzie) {
  const auto punktu = [](const w_punkt* q) -> const void* { return q->element ? static_cast<const void*>(q->element) : q; };
  const auto linii = [](const w_linia* q) -> const void* { return q->w_elemencie() ? static_cast<const void*>(q->p1->element) : q; };
  const void* trafiony = u.punkt_kursor >= 0 ? punktu(u.p[u.punkt_kursor]) : u.linia_kursor >= 0 ? linii(u.l[u.linia_kursor]) : nullptr;
  for (const w_punkt* q : u.p) EXPECT_EQ(q->CZY_ZAZNACZONY(), trafiony && punktu(q) == trafiony) << gdzie;
  for (const w_linia* q : u.l) EXPECT_EQ(q->CZY_ZAZNACZONY(), trafiony && linii(q) == trafiony) << gdzie;
}

class ruchy {
 public:
  ruchy(unsigned ziarno, const std::string& plik) : los_(ziarno), plik_(plik) {
    d_.tor.wczytaj_szablony(std::string(VIALTOR_ZRODLA) + "/data/dataeditor/sb.txt");
    for (int i = 0; i < 12; ++i) dodaj_punkt();
    d_.zgodny_z_plikiem(plik_);
  }

  dokument& d() { return d_; }

  // One operation of the editor, as `co` names it; returns its name.
  std::string wykonaj(int co) {
    tor_uklad& u = d_.tor;
    const auto [x, y] = miejsce();
    switch (co) {
      case 0: u.wskaz(x, y, r(0, 6), false, nr(2)); return "najechanie";
      case 1: u.wskaz(x, y, r(0, 6), true, false); return "klik";
      case 2: u.wskaz(x, y, r(0, 6), true, true); return "klik z shiftem";
      case 3: u.zaznacz_prostokat(x, y, x + r(-30, 30), y + r(-30, 30), nr(2)); return "prostokąt";
      case 4: u.zaznacz_wszystko(); return "wszystko";
      case 5: u.odwroc_zaznaczenie(); return "odwrócenie";
      case 6: u.odznacz_wszystko(); return "odznaczenie";
      case 7: u.usun_zaznaczone(); zmiana(); return "usunięcie";
      case 8: dodaj_punkt(); return "punkt";
      case 9:
        u.ustaw_szablon(nr(u.szab_max()));
        u.wstaw_szablon(x, y);
        zmiana();
        return "szablon";
      case 10: {  // a drag that may join the dragged point to another
        if (u.p.empty()) return "nic";
        u.punkt_kursor = nr(u.pmax());
        u.przesun_zaznaczone(r(-5, 5), r(-5, 5), 3);
        u.scal();
        zmiana();
        return "przeciągnięcie";
      }
      case 11: return przenies(wykonane_, cofniete_, true) ? "cofnięcie" : "nic";
      case 12: return przenies(cofniete_, wykonane_, false) ? "ponowienie" : "nic";
      default:  // saved and read back: the file's last point comes selected
        EXPECT_TRUE(zapisz_projekt(plik_, u, d_.trasa));
        EXPECT_TRUE(wczytaj_projekt(plik_, u, d_.trasa).ok);
        d_.zgodny_z_plikiem(plik_);
        wykonane_.clear();
        cofniete_.clear();
        return "wczytanie";
    }
  }

 private:
  int nr(int ile) { return ile > 0 ? int(los_() % unsigned(ile)) : 0; }
  double r(double a, double b) { return std::uniform_real_distribution<double>(a, b)(los_); }

  // On a point, near one, on the middle of a line or anywhere.
  std::pair<double, double> miejsce() {
    const tor_uklad& u = d_.tor;
    if (u.p.empty() || nr(4) == 0) return {r(-20, 80), r(-20, 80)};
    if (!u.l.empty() && nr(3) == 0) {
      const w_linia* q = u.l[nr(u.lmax())];
      return {(q->p1->GET_X() + q->p2->GET_X()) / 2, (q->p1->GET_Y() + q->p2->GET_Y()) / 2};
    }
    const w_punkt* q = u.p[nr(u.pmax())];
    const double o = nr(2) ? 0 : r(-4, 4);
    return {q->GET_X() + o, q->GET_Y() + o};
  }

  // A new point joined to the one under the cursor, if any.
  void dodaj_punkt() {
    d_.tor.punkt_kursor = d_.tor.p.empty() || nr(3) == 0 ? -1 : nr(d_.tor.pmax());
    d_.tor.dodaj_punkt(r(0, 60), r(0, 60), 0);
    zmiana();
  }

  // The last step of `z` undone or redone, and kept in `do_`; false when there is none.
  bool przenies(std::vector<krok_historii>& z, std::vector<krok_historii>& do_, bool cofnij) {
    if (z.empty()) return false;
    EXPECT_TRUE(cofnij ? d_.cofnij(z.back()) : d_.ponow(z.back()));
    do_.push_back(std::move(z.back()));
    z.pop_back();
    return true;
  }

  void zmiana() {
    if (std::optional<krok_historii> krok = d_.zmiana()) {
      wykonane_.push_back(std::move(*krok));
      cofniete_.clear();
    }
  }

  std::mt19937 los_;
  std::string plik_;
  dokument d_;
  std::vector<krok_historii> wykonane_, cofniete_;
};

TEST(PodsumowanieZaznaczenia, JakPoliczonePoKazdymRuchu) {
  rejestrator_komunikatow komunikaty;
  const std::string plik = (std::filesystem::path(::testing::TempDir()) / "podsumowanie_zaznaczenia.vxm").string();
  for (unsigned ziarno = 1; ziarno <= 30; ++ziarno) {
    ruchy g(ziarno, plik);
    std::mt19937 los(ziarno * 7919);
    for (int ruch = 0; ruch < 120; ++ruch) {
      // Half of the moves are hovers and a sixth clicks: most of a session.
      const int co = los() % 2 ? 0 : los() % 3 ? int(los() % 14) : 1;
      const tor_uklad& u = g.d().tor;
      const bool nowe = co == 1 && (u.punkt_kursor == -1 || (u.punkt_kursor >= 0 && u.punkt_kursor < u.pmax() &&
                                                             !u.p[u.punkt_kursor]->CZY_ZAZNACZONY()));
      const std::string gdzie = "ziarno " + std::to_string(ziarno) + " ruch " + std::to_string(ruch) + " " + g.wykonaj(co);
      porownaj_podsumowanie(u, gdzie);
      if (co <= 2) porownaj_po_wskazaniu(u, gdzie);
      if (nowe) porownaj_po_kliku(u, gdzie);
      if (::testing::Test::HasFailure()) return;
    }
  }
  std::filesystem::remove(plik);
}

// Another layout's items and a flag written from outside the layout's own operations count.
TEST(PodsumowanieZaznaczenia, ZmianyZZewnatrz) {
  tor_uklad a, b;
  for (tor_uklad* u : {&a, &b}) {
    w_element* el = u->nowy_element(0, 0, 0);
    tor_punkt* p1 = dodaj_punkt_elementu(*u, el, 0, 0);
    tor_punkt* p2 = dodaj_punkt_elementu(*u, el, 10, 0);
    polacz_w_elemencie(*u, p1, p2);
    dodaj_punkt_toru(*u, 50, 0);
    u->wskaz(10, 0, 1, false, false);
  }
  b.e[0]->ustaw_zaznaczony(true);  // b's element: its two points and its line
  a.p[2]->ZAZNACZ(true);
  for (const tor_uklad* u : {&a, &b}) porownaj_podsumowanie(*u, "flagi");
  b.p[2]->ustaw_element(b.e[0]);  // the free point joins the selected element
  porownaj_podsumowanie(b, "element");
  std::swap(a.p, b.p);  // arrays swapped: another layout
  for (const tor_uklad* u : {&a, &b}) porownaj_podsumowanie(*u, "zamiana");
  std::swap(a.p, b.p);
  a.e[0]->ustaw_podswietlony(true);
  b.wskaz(200, 0, 1, false, false);  // lights nothing, and a's element stays lit
  EXPECT_FALSE(b.e[0]->podswietlony());
  EXPECT_TRUE(a.e[0]->podswietlony());
}

}  // namespace
