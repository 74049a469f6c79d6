#include "osm/import_osm.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <set>
#include <variant>

#include "io/trasa.h"
#include "osm/siec_osm.h"
#include "track/przeswity.h"
#include "track/tor.h"

namespace {

// Two more branches at a junction stay joined as a crossing when they continue this straight.
const double KRZYZOWANIE = std::cos(30 * STOPNIE_NA_RADIANY);

std::optional<int> przeswit_z_tagu(const std::string& gauge) {
  if (gauge == "1435") return 0;
  if (gauge == "1000") return 1;
  if (gauge == "900") return 2;
  if (gauge == "785") return 3;
  if (gauge == "1520" || gauge == "1524" || gauge == "1525") return 4;
  return std::nullopt;
}

// Why a railway way stays out, or nothing when it is track to import.
std::optional<std::string> powod_pominiecia(const droga_osm& d, bool wszystkie_koleje) {
  const std::string& r = d.railway;
  if (r == "rail" && !wszystkie_koleje) return "railway=rail (bez --all-rail)";
  if (r != "tram" && r != "light_rail" && r != "rail") return "railway=" + r;
  if (d.nieczynna) return "nieczynna (disused/abandoned)";
  if (d.area) return "area=yes";
  return std::nullopt;
}

struct koniec_lancucha {
  int lancuch;
  bool ostatni;  // the chain's last node is the junction
};

class budowa {
 public:
  budowa(const dane_osm& d, const std::string& plik, const opcje_importu_osm& o, tor_uklad& tor,
         const postep_importu& postep)
      : d_(d), plik_(plik), o_(o), tor_(tor), postep_(postep) {}

  std::optional<std::string> wykonaj(raport_importu_osm& r) {
    r.plik = plik_;
    auto p = przeliczenie_crs::utworz("EPSG:4326", o_.crs);
    if (auto* blad = std::get_if<std::string>(&p)) return *blad;
    przeliczenie_ = std::make_unique<przeliczenie_crs>(std::move(std::get<przeliczenie_crs>(p)));
    if (auto blad = wybierz_drogi(r)) return blad;
    if (auto blad = ustal_plan(r)) return blad;
    podziel_na_lancuchy();
    polacz_wezly(r);
    zbuduj();
    std::vector<int> lancuch_wezla(d_.wezly.size(), -1);
    for (std::size_t i = 0; i < lancuchy_.size(); ++i)
      for (std::ptrdiff_t w : lancuchy_[i].wezly) lancuch_wezla[static_cast<std::size_t>(w)] = static_cast<int>(i);
    umiesc_zdarzenia(d_, lancuchy_, lancuch_wezla,
                     [this](double lon, double lat) -> std::optional<wektor> {
                       if (!w_ramce(lon, lat)) return std::nullopt;
                       auto m = przeliczenie_->przelicz(lon, lat);
                       if (!m) return std::nullopt;
                       const punkt_planu pp = r_geo_.na_plan(*m);
                       return wektor{pp.x, pp.y};
                     },
                     r);
    podsumuj(r);
    if (postep_) postep_(100);
    return std::nullopt;
  }

 private:
  bool w_ramce(double lon, double lat) const {
    if (!o_.bbox) return true;
    const auto& b = *o_.bbox;
    return lon >= b[0] && lat >= b[1] && lon <= b[2] && lat <= b[3];
  }

  // The imported ways cut into runs of nodes that the file holds (and the box keeps), each
  // node's map place found once.
  std::optional<std::string> wybierz_drogi(raport_importu_osm& r) {
    mapa_.assign(d_.wezly.size(), {});
    policzony_.assign(d_.wezly.size(), 0);
    for (const droga_osm& d : d_.drogi) {
      ++r.drogi_odczytane;
      if (auto powod = powod_pominiecia(d, o_.wszystkie_koleje)) {
        ++r.pominiete[*powod];
        continue;
      }
      const std::optional<int> przeswit = przeswit_z_tagu(d.gauge);
      std::vector<std::ptrdiff_t> biezacy;
      bool jest = false, poza_ramka = false, powtorzona = false;
      auto zamknij = [&] {
        if (biezacy.size() >= 2) {
          kawalki_.push_back({przeswit.value_or(tor_.przeswit_akt), biezacy, {}});
          jest = true;
        }
        biezacy.clear();
      };
      for (std::int64_t id : d.wezly) {
        const std::ptrdiff_t w = d_.znajdz_wezel(id);
        if (w < 0 || !w_ramce(d_.wezly[static_cast<std::size_t>(w)].lon, d_.wezly[static_cast<std::size_t>(w)].lat)) {
          poza_ramka = poza_ramka || w >= 0;
          zamknij();
          continue;
        }
        if (!biezacy.empty() && biezacy.back() == w) continue;
        if (auto blad = rzutuj(w)) return blad;
        // Track mapped twice over the same pair of nodes (a way that runs back over itself, or
        // overlapping ways) is one track: its second run starts anew after the repeated edge.
        if (!biezacy.empty() && !krawedzie_.insert(std::minmax(biezacy.back(), w)).second) {
          zamknij();
          powtorzona = true;
        }
        biezacy.push_back(w);
      }
      zamknij();
      if (!jest) {
        ++r.pominiete[poza_ramka ? "poza --bbox" : powtorzona ? "tylko tor już zaimportowany" : "brak węzłów w pliku"];
        continue;
      }
      ++r.drogi_zaimportowane;
      if (!przeswit) ++r.przeswity_domyslne;
    }
    if (kawalki_.empty()) return "w pliku " + plik_ + " nie ma torów tramwajowych do importu";
    return std::nullopt;
  }

  std::optional<std::string> rzutuj(std::ptrdiff_t w) {
    const auto i = static_cast<std::size_t>(w);
    if (policzony_[i]) return std::nullopt;
    const wezel_osm& n = d_.wezly[i];
    const auto m = przeliczenie_->przelicz(n.lon, n.lat);
    if (!m) {
      return "plik " + plik_ + ": węzła " + std::to_string(n.id) + " (" + std::to_string(n.lon) + ", " +
             std::to_string(n.lat) + ") nie da się przeliczyć do układu " + o_.crs;
    }
    mapa_[i] = {m->e, m->n};
    policzony_[i] = 1;
    return std::nullopt;
  }

  std::optional<std::string> ustal_plan(raport_importu_osm& r) {
    georeferencja g;
    g.crs = o_.crs;
    if (o_.poczatek) {
      g.kolumna = (*o_.poczatek)[0];
      g.wiersz = (*o_.poczatek)[1];
    } else {
      double e = std::numeric_limits<double>::infinity(), n = e;
      for (const auto& k : kawalki_)
        for (std::ptrdiff_t w : k.wezly) {
          e = std::min(e, mapa_[static_cast<std::size_t>(w)].e);
          n = std::min(n, mapa_[static_cast<std::size_t>(w)].n);
        }
      g.kolumna = static_cast<std::int32_t>(std::floor(e / HEKTOMETR)) - 1;
      g.wiersz = static_cast<std::int32_t>(std::floor(n / HEKTOMETR)) - 1;
    }
    r_geo_ = g;
    r.geo = g;
    for (auto& k : kawalki_) {
      for (std::ptrdiff_t w : k.wezly) {
        const punkt_planu p = g.na_plan(mapa_[static_cast<std::size_t>(w)]);
        if (o_.odmow_ujemnych && (p.x < 0 || p.y < 0)) {
          return "tory z pliku " + plik_ + " wypadają przy ujemnych współrzędnych planu (początek siatki " +
                 std::to_string(g.kolumna) + ", " + std::to_string(g.wiersz) +
                 "): przesuń początek siatki ortofotomapy na południowy zachód od miasta";
        }
        k.q.push_back({p.x, p.y});
      }
    }
    return std::nullopt;
  }

  // Runs cut at every node that more than one run passes or ends at.
  void podziel_na_lancuchy() {
    uzycia_.assign(d_.wezly.size(), 0);
    for (const auto& k : kawalki_)
      for (std::size_t i = 0; i < k.wezly.size(); ++i)
        uzycia_[static_cast<std::size_t>(k.wezly[i])] += (i == 0 || i + 1 == k.wezly.size()) ? 1 : 2;
    for (const auto& k : kawalki_) {
      lancuch_toru l;
      l.przeswit = k.przeswit;
      for (std::size_t i = 0; i < k.wezly.size(); ++i) {
        l.wezly.push_back(k.wezly[i]);
        l.q.push_back(k.q[i]);
        const bool ostatni = i + 1 == k.wezly.size();
        if (ostatni || (i > 0 && uzycia_[static_cast<std::size_t>(k.wezly[i])] != 2)) {
          if (l.wezly.size() >= 2) lancuchy_.push_back(l);
          l.wezly.assign(1, k.wezly[i]);
          l.q.assign(1, k.q[i]);
        }
      }
    }
    kierunek_p_.assign(lancuchy_.size(), {});
    kierunek_k_.assign(lancuchy_.size(), {});
    punkt_p_.assign(lancuchy_.size(), -1);
    punkt_k_.assign(lancuchy_.size(), -1);
  }

  // The next node along the chain from a junction end.
  wektor sasiad(const koniec_lancucha& k) const {
    const auto& q = lancuchy_[static_cast<std::size_t>(k.lancuch)].q;
    return k.ostatni ? q[q.size() - 2] : q[1];
  }
  int& punkt_konca(const koniec_lancucha& k) {
    return (k.ostatni ? punkt_k_ : punkt_p_)[static_cast<std::size_t>(k.lancuch)];
  }

  // At every node where chains end: the straightest pair joined through one track point (and a
  // second pair when it crosses straight on); every other branch ends in a point of its own.
  void polacz_wezly(raport_importu_osm& r) {
    std::vector<std::vector<koniec_lancucha>> konce(d_.wezly.size());
    for (std::size_t i = 0; i < lancuchy_.size(); ++i) {
      konce[static_cast<std::size_t>(lancuchy_[i].wezly.front())].push_back({static_cast<int>(i), false});
      konce[static_cast<std::size_t>(lancuchy_[i].wezly.back())].push_back({static_cast<int>(i), true});
    }
    for (std::size_t w = 0; w < konce.size(); ++w) {
      std::vector<koniec_lancucha>& k = konce[w];
      if (k.empty()) continue;
      const wektor j = lancuchy_[static_cast<std::size_t>(k[0].lancuch)].q[k[0].ostatni ? lancuchy_[static_cast<std::size_t>(k[0].lancuch)].q.size() - 1 : 0];
      std::vector<wektor> u;
      for (const auto& e : k) u.push_back(normalizuj(sasiad(e) - j));
      std::vector<char> wolny(k.size(), 1);
      int pary = 0;
      while (true) {
        int a = -1, b = -1;
        double naj = 2;
        for (std::size_t x = 0; x < k.size(); ++x)
          for (std::size_t y = x + 1; y < k.size(); ++y) {
            if (!wolny[x] || !wolny[y]) continue;
            if (lancuchy_[static_cast<std::size_t>(k[x].lancuch)].przeswit != lancuchy_[static_cast<std::size_t>(k[y].lancuch)].przeswit) continue;
            const double c = iloczyn_skalarny(u[x], u[y]);
            if (c < naj) {
              naj = c;
              a = static_cast<int>(x);
              b = static_cast<int>(y);
            }
          }
        if (a < 0 || (pary > 0 && naj > -KRZYZOWANIE)) break;
        // A loop's two ends at one node need two points between them (no doubled line).
        if (k[a].lancuch == k[b].lancuch && lancuchy_[static_cast<std::size_t>(k[a].lancuch)].q.size() < 4) break;
        wolny[a] = wolny[b] = 0;
        ++pary;
        polacz_pare(k[a], k[b], j);
      }
      bool zostaly = false;
      for (std::size_t x = 0; x < k.size(); ++x) {
        if (!wolny[x]) continue;
        punkt_konca(k[x]) = nowy_punkt(j, lancuchy_[static_cast<std::size_t>(k[x].lancuch)].przeswit);
        zostaly = zostaly || k.size() > 1;
      }
      if (zostaly) r.rozjazdy.push_back(j);
    }
  }

  void polacz_pare(const koniec_lancucha& a, const koniec_lancucha& b, wektor j) {
    // The centre line runs straight through the joint in the direction of the circle through
    // both neighbours, so the shared point needs no arc.
    const wektor t = styczna_okregu(sasiad(a), j, sasiad(b));
    const int p = nowy_punkt(j, lancuchy_[static_cast<std::size_t>(a.lancuch)].przeswit);
    for (const auto* e : {&a, &b}) {
      const bool od_a = e == &a;
      // Along the chain's own direction: into the joint at its last node, out of it at its first.
      const wektor w = (e->ostatni == od_a) ? t : -t;
      (e->ostatni ? kierunek_k_ : kierunek_p_)[static_cast<std::size_t>(e->lancuch)] = w;
      punkt_konca(*e) = p;
    }
  }

  int nowy_punkt(wektor m, int przeswit) {
    konce_punkty_.push_back(new tor_punkt(przeswit, m.x, m.y, 0, o_.dopasowanie.promien_min, tor_.obiekt_domyslny));
    return static_cast<int>(konce_punkty_.size()) - 1;
  }

  void zbuduj() {
    for (tor_punkt* p : konce_punkty_) tor_.dodaj_do_p(p);
    for (std::size_t i = 0; i < lancuchy_.size(); ++i) {
      lancuch_toru& l = lancuchy_[i];
      const std::vector<wierzcholek_osi> w = dopasuj_os(l.q, kierunek_p_[i], kierunek_k_[i], o_.dopasowanie);
      l.punkty.push_back(konce_punkty_[static_cast<std::size_t>(punkt_p_[i])]);
      for (const wierzcholek_osi& v : w) {
        auto* p = new tor_punkt(l.przeswit, v.miejsce.x, v.miejsce.y, 0, v.promien, tor_.obiekt_domyslny);
        tor_.dodaj_do_p(p);
        l.punkty.push_back(p);
      }
      l.punkty.push_back(konce_punkty_[static_cast<std::size_t>(punkt_k_[i])]);
      for (std::size_t k = 0; k + 1 < l.punkty.size(); ++k) {
        tor_punkt *a = l.punkty[k], *b = l.punkty[k + 1];
        // Nodes mapped twice at one place can fit two chains onto one straight between the same
        // points, or a chain onto its own point: that track is there once.
        if (a == b || w_uklad::linia_miedzy(a, b)) continue;
        tor_.dodaj_do_l(new tor_linia(a, b, l.przeswit, tor_.obiekt_domyslny));
      }
      if (postep_ && i % 64 == 0) postep_(static_cast<int>(10 + 80 * i / lancuchy_.size()));
    }
    tor_.przelicz_wszystko();
  }

  void podsumuj(raport_importu_osm& r) {
    r.punkty = tor_.pmax();
    r.linie = tor_.lmax();
    r.dlugosc = tor_.dlugosc_trasy();
    for (const lancuch_toru& l : lancuchy_)
      for (const wektor& q : l.q) r.najwieksze_odchylenie = std::max(r.najwieksze_odchylenie, najblizsze_miejsce(l, q).odleglosc);
    for (int i = 0; i < tor_.lmax(); ++i)
      if (tor_.linia(i)->blad) r.bledy_geometrii.push_back({tor_.linia(i)->p1->GET_X(), tor_.linia(i)->p1->GET_Y()});
  }

  struct kawalek {
    int przeswit;
    std::vector<std::ptrdiff_t> wezly;
    std::vector<wektor> q;
  };

  const dane_osm& d_;
  const std::string& plik_;
  const opcje_importu_osm& o_;
  tor_uklad& tor_;
  const postep_importu& postep_;
  std::unique_ptr<przeliczenie_crs> przeliczenie_;
  georeferencja r_geo_;
  std::vector<punkt_mapy> mapa_;
  std::vector<char> policzony_;
  std::vector<kawalek> kawalki_;
  std::set<std::pair<std::ptrdiff_t, std::ptrdiff_t>> krawedzie_;  // node pairs already taken
  std::vector<int> uzycia_;
  std::vector<lancuch_toru> lancuchy_;
  std::vector<wektor> kierunek_p_, kierunek_k_;
  std::vector<int> punkt_p_, punkt_k_;
  std::vector<tor_punkt*> konce_punkty_;
};

std::string male(std::string s) {
  static const std::pair<const char*, const char*> polskie[] = {{"Ą", "ą"}, {"Ć", "ć"}, {"Ę", "ę"}, {"Ł", "ł"}, {"Ń", "ń"},
                                                                {"Ó", "ó"}, {"Ś", "ś"}, {"Ź", "ź"}, {"Ż", "ż"}};
  for (const auto& [duza, mala] : polskie)
    for (std::size_t i = s.find(duza); i != std::string::npos; i = s.find(duza, i)) s.replace(i, std::strlen(duza), mala);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

}  // namespace

int indeks_miasta(const std::string& nazwa) {
  for (int i = 1; i < LICZBA_MIAST; ++i)
    if (male(nazwa) == male(NAZWA_MIASTA[i])) return i;
  return 0;
}

wynik_importu_osm importuj_osm(const dane_osm& dane, const std::string& plik, const opcje_importu_osm& opcje,
                               tor_uklad& tor, trasa_info& trasa, const postep_importu& postep) {
  wynik_importu_osm w;
  if (auto blad = budowa(dane, plik, opcje, tor, postep).wykonaj(w.raport)) {
    tor.wyczysc();
    w.blad = *blad;
    return w;
  }
  w.raport.miasto = indeks_miasta(opcje.miasto);
  trasa.miasto = w.raport.miasto;
  w.ok = true;
  return w;
}

wynik_importu_osm importuj_osm(const std::string& sciezka, const opcje_importu_osm& opcje, tor_uklad& tor,
                               trasa_info& trasa, const postep_importu& postep) {
  dane_osm dane;
  try {
    dane = czytaj_osm(sciezka);
  } catch (const blad_osm& e) {
    wynik_importu_osm w;
    w.nieczytelny = true;
    w.blad = "nie można odczytać pliku OpenStreetMap " + sciezka + ": " + e.what();
    return w;
  }
  if (postep) postep(10);
  return importuj_osm(dane, sciezka, opcje, tor, trasa, postep);
}
