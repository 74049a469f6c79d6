// Bringing a live layout from one recorded state to another in place.
#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>

#include "io/rekordy_stanu.h"
#include "model/w_uklad.h"
#include "track/tor.h"

namespace {

// The records describe another layout than the live one: a fault of the program, not of input.
[[noreturn]] void niespojny(const std::string& co) {
  throw std::logic_error("stan do przywrócenia nie pasuje do układu: " + co);
}

// A line's place in one of its points' lists of lines, as the target state holds it.
struct miejsce_na_liscie {
  w_punkt* punkt;
  w_linia* linia;
  std::int32_t nr;
};

class przywracanie {
 public:
  przywracanie(tor_uklad& u, const rekordy_stanu& z_stanu, const rekordy_stanu& do_stanu, const roznice_stanow& r,
               strona_roznicy z)
      : u_(u), z_stanu_(z_stanu), do_stanu_(do_stanu), r_(r), z_(z), d_(1 - z) {}

  void wykonaj() {
    if (static_cast<std::size_t>(u_.pmax()) != z_stanu_.sekcje[SEKCJA_PUNKTY].ile() ||
        static_cast<std::size_t>(u_.lmax()) != z_stanu_.sekcje[SEKCJA_LINIE].ile() ||
        static_cast<std::size_t>(u_.emax()) != z_stanu_.sekcje[SEKCJA_ELEMENTY].ile())
      niespojny("liczba punktów, linii lub elementów");
    // Markers name items by index or address; some of these go away.
    u_.punkt_kursor = u_.linia_kursor = u_.ostatni_punkt = -1;
    u_.punkt_docelowy = nullptr;
    u_.panel_tryb = PANEL_NIEUSTAWIONY;

    usun_znikajace_linie();
    przywroc_punkty();
    przywroc_elementy();
    for (const auto& [nr, element] : elementy_punktow_) {
      if (element >= u_.emax()) niespojny("element punktu " + std::to_string(nr));
      u_.p[nr]->ustaw_element(element >= 0 ? u_.e[element] : nullptr);
    }
    przywroc_linie();
    uloz_listy_linii();
    u_.przelicz_wszystko_dwa_razy();
    cofnij_przyciaganie();
  }

 private:
  static bool te_same_konce(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    const miejsce_linii x = miejsce_z_rekordu(a);
    const miejsce_linii y = miejsce_z_rekordu(b);
    return x.p1 == y.p1 && x.p2 == y.p2;
  }

  // Lines that the target state does not hold between the same two points go first, before
  // any point they end at can go. A line whose record changed but whose points did not stays
  // and is read again later (its events, gauge or object changed).
  void usun_znikajace_linie() {
    const ciag_rekordow& z = z_stanu_.sekcje[SEKCJA_LINIE];
    const ciag_rekordow& d = do_stanu_.sekcje[SEKCJA_LINIE];
    for (const wycinek& w : r_[SEKCJA_LINIE].wycinki)
      for (std::size_t t = 0; t < w.ile[z_]; ++t) {
        const std::size_t i = w.od[z_] + t;
        if (t < w.ile[d_] && te_same_konce(z.rekord(i), d.rekord(w.od[d_] + t))) continue;
        delete u_.l[i];  // detaches it from its points
        u_.l[i] = nullptr;
      }
  }

  // Points change in place; only the end of the array grows or shrinks.
  void przywroc_punkty() {
    const ciag_rekordow& d = do_stanu_.sekcje[SEKCJA_PUNKTY];
    for (const wycinek& w : r_[SEKCJA_PUNKTY].wycinki) {
      if (w.od[z_] != w.od[d_]) niespojny("punkty poza swoimi miejscami");
      const std::size_t od = w.od[z_];
      const std::size_t wspolne = std::min(w.ile[z_], w.ile[d_]);
      for (std::size_t i = od; i < od + wspolne; ++i)
        elementy_punktow_.emplace_back(i, wczytaj_punkt(d.rekord(i), *u_.punkt(static_cast<int>(i))));
      if (w.ile[z_] > w.ile[d_]) {
        if (od + w.ile[z_] != u_.p.size()) niespojny("usuwane punkty nie są na końcu");
        for (std::size_t i = od + wspolne; i < u_.p.size(); ++i) {
          if (!u_.p[i]->li.empty()) niespojny("usuwany punkt " + std::to_string(i) + " ma linie");
          delete u_.p[i];
        }
        u_.p.resize(od + wspolne);
      }
      for (std::size_t i = od + wspolne; i < od + w.ile[d_]; ++i) {
        auto* punkt = static_cast<tor_punkt*>(u_.utworz_punkt(0, 0, 0));
        u_.dodaj_do_p(punkt);
        elementy_punktow_.emplace_back(i, wczytaj_punkt(d.rekord(i), *punkt));
      }
    }
  }

  void przywroc_elementy() {
    const ciag_rekordow& d = do_stanu_.sekcje[SEKCJA_ELEMENTY];
    for (const wycinek& w : r_[SEKCJA_ELEMENTY].wycinki) {
      if (w.od[z_] != w.od[d_]) niespojny("elementy poza swoimi miejscami");
      const std::size_t od = w.od[z_];
      const std::size_t wspolne = std::min(w.ile[z_], w.ile[d_]);
      for (std::size_t i = od; i < od + wspolne; ++i) wczytaj_element(d.rekord(i), *u_.e[i]);
      if (w.ile[z_] > w.ile[d_]) {
        if (od + w.ile[z_] != u_.e.size()) niespojny("usuwane elementy nie są na końcu");
        for (std::size_t i = od + wspolne; i < u_.e.size(); ++i) delete u_.e[i];
        u_.e.resize(od + wspolne);
      }
      for (std::size_t i = od + wspolne; i < od + w.ile[d_]; ++i)
        wczytaj_element(d.rekord(i), *u_.nowy_element(0, 0, 0));
    }
  }

  tor_punkt* punkt_linii(std::int32_t nr) const {
    if (nr < 0 || nr >= u_.pmax()) niespojny("punkt linii " + std::to_string(nr));
    return u_.punkt(nr);
  }

  // The array of lines in the target order: lines outside the runs keep their objects, lines
  // that stayed are read again, the others are made between their points.
  void przywroc_linie() {
    const ciag_rekordow& d = do_stanu_.sekcje[SEKCJA_LINIE];
    const roznica_ciagow& r = r_[SEKCJA_LINIE];
    std::vector<w_linia*> linie;
    linie.reserve(r.dlugosc[d_]);
    std::size_t pozycja = 0;
    for (const wycinek& w : r.wycinki) {
      linie.insert(linie.end(), u_.l.begin() + static_cast<std::ptrdiff_t>(pozycja),
                   u_.l.begin() + static_cast<std::ptrdiff_t>(w.od[z_]));
      for (std::size_t t = 0; t < w.ile[d_]; ++t) {
        const auto rekord = d.rekord(w.od[d_] + t);
        const miejsce_linii m = miejsce_z_rekordu(rekord);
        auto* linia = t < w.ile[z_] ? static_cast<tor_linia*>(u_.l[w.od[z_] + t]) : nullptr;
        if (!linia) {
          if (m.p1 == m.p2) niespojny("linia z punktu do niego samego");
          linia = new tor_linia(punkt_linii(m.p1), punkt_linii(m.p2), 0, 0);
        }
        wczytaj_linie(rekord, *linia);
        linie.push_back(linia);
        miejsca_.push_back({linia->p1, linia, m.nr_w_p1});
        miejsca_.push_back({linia->p2, linia, m.nr_w_p2});
      }
      pozycja = w.od[z_] + w.ile[z_];
    }
    linie.insert(linie.end(), u_.l.begin() + static_cast<std::ptrdiff_t>(pozycja), u_.l.end());
    u_.l = std::move(linie);
  }

  // Each point that a read or made line ends at: those lines go to the places the records give
  // them, and its other lines, whose places did not change, fill the rest in their order.
  void uloz_listy_linii() {
    std::sort(miejsca_.begin(), miejsca_.end(), [](const miejsce_na_liscie& a, const miejsce_na_liscie& b) {
      return std::less<const w_punkt*>()(a.punkt, b.punkt);
    });
    for (std::size_t i = 0; i < miejsca_.size();) {
      std::size_t j = i;
      while (j < miejsca_.size() && miejsca_[j].punkt == miejsca_[i].punkt) ++j;
      uloz_liste(*miejsca_[i].punkt, std::span(miejsca_).subspan(i, j - i));
      i = j;
    }
  }

  static void uloz_liste(w_punkt& punkt, std::span<const miejsce_na_liscie> miejsca) {
    std::vector<w_linia*> lista(punkt.li.size(), nullptr);
    for (const miejsce_na_liscie& m : miejsca) {
      if (m.nr < 0 || static_cast<std::size_t>(m.nr) >= lista.size() || lista[m.nr]) niespojny("miejsce linii w punkcie");
      lista[m.nr] = m.linia;
    }
    std::size_t wolne = 0;
    for (w_linia* linia : punkt.li) {
      if (std::find(lista.begin(), lista.end(), linia) != lista.end()) continue;
      while (wolne < lista.size() && lista[wolne]) ++wolne;
      if (wolne == lista.size()) niespojny("linie punktu");
      lista[wolne] = linia;
    }
    if (std::find(lista.begin(), lista.end(), nullptr) != lista.end()) niespojny("linie punktu");
    punkt.li = std::move(lista);
  }

  // The recompute snaps free ends of lines from a turnout's joint once more; the records hold
  // where the edit that made the state left them.
  void cofnij_przyciaganie() {
    const ciag_rekordow& d = do_stanu_.sekcje[SEKCJA_PUNKTY];
    for (int i = 0; i < u_.pmax(); ++i) {
      w_punkt* punkt = u_.p[i];
      if (punkt->element) continue;
      const bool przy_elemencie = std::any_of(punkt->li.begin(), punkt->li.end(),
                                              [&](const w_linia* l) { return l->drugi_koniec(punkt)->element; });
      if (!przy_elemencie) continue;
      const xy w = xy_z_rekordu(d.rekord(static_cast<std::size_t>(i)));
      punkt->x = w.x;
      punkt->y = w.y;
    }
  }

  tor_uklad& u_;
  const rekordy_stanu& z_stanu_;
  const rekordy_stanu& do_stanu_;
  const roznice_stanow& r_;
  const int z_;
  const int d_;
  std::vector<std::pair<std::size_t, std::int32_t>> elementy_punktow_;  // point index, its element
  std::vector<miejsce_na_liscie> miejsca_;
};

}  // namespace

void przywroc_stan(tor_uklad& tor, trasa_info& trasa, const rekordy_stanu& z_stanu, const rekordy_stanu& do_stanu,
                   const roznice_stanow& roznice, strona_roznicy z) {
  przywracanie(tor, z_stanu, do_stanu, roznice, z).wykonaj();
  if (do_stanu.sekcje[SEKCJA_TRASA].ile() == 1) trasa = trasa_z_rekordu(do_stanu.sekcje[SEKCJA_TRASA].rekord(0));
}
