#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class tor_uklad;
class w_punkt;
class w_linia;
class w_element;

// Every problem of a track layout at once: the geometry test's faulty lines, events that cannot
// sit where they are, tight or odd geometry, steep track, joins that were meant but not made,
// and the loose ends of the network.

enum class waga_problemu { blad, ostrzezenie, uwaga };

enum class rodzaj_problemu {
  blad_geometrii,
  zdarzenie_poza_zakresem,
  zdarzenie_bez_toru,
  maly_promien,
  krotki_luk,
  krotka_prosta,
  duze_nachylenie,
  zmiana_nachylenia,
  bliskie_punkty,
  bliski_koniec,
  koniec_toru,
  koniec_rozjazdu,
};
inline constexpr int LICZBA_RODZAJOW_PROBLEMOW = 12;

waga_problemu waga(rodzaj_problemu r);
// "błąd", "ostrzeżenie", "uwaga".
const char* nazwa_wagi(waga_problemu w);
// A short key for files and scripts ("blad_geometrii", ...).
const char* klucz_rodzaju(rodzaj_problemu r);
// The kind as the problems window titles its group.
const char* tytul_rodzaju(rodzaj_problemu r);

enum class przedmiot_problemu { punkt, linia };

struct problem {
  rodzaj_problemu rodzaj;
  double x = 0, y = 0;  // plan position
  przedmiot_problemu przedmiot = przedmiot_problemu::punkt;
  int nr = -1;   // index of the point or line
  int nr2 = -1;  // the other point of a pair
  double wartosc = 0;  // the measure that broke the limit: metres, or per mille for gradients

  bool operator==(const problem&) const = default;
};

// "punkt 12", "linia 7", "punkty 3 i 9".
std::string opis_przedmiotu(const problem& p);
// The measure with its unit ("promień 12,00 m", "nachylenie 75,0 ‰"), empty when there is none.
std::string opis_wartosci(const problem& p);

struct ustawienia_problemow {
  double promien_min = 18;              // m, the least radius for trams
  double prosta_min = 5;                // m, between arcs bending opposite ways
  double nachylenie_max = 60;           // per mille
  double zmiana_nachylenia_max = 20;    // per mille, between neighbouring lines

  bool operator==(const ustawienia_problemow&) const = default;
};

// Fixed limits.
inline constexpr double LUK_MIN = 1.0;          // m, a shorter arc is a warning
inline constexpr double BLISKIE_PUNKTY = 0.05;  // m, two points this near were meant to be one
inline constexpr double BLISKI_KONIEC = 1.0;    // m, a track end this near another was meant to join

// The list kept for one layout. `przelicz` finds everything from nothing; `aktualizuj`, after
// an edit, compares what each point and line holds with what it held at the last pass and
// looks again only at the items that changed and those whose problems depend on them (their
// lines, the lines' other ends, and the points near them). Both give the same list.
class lista_problemow {
 public:
  explicit lista_problemow(const ustawienia_problemow& ustawienia = {}) : ustawienia_(ustawienia) {}

  const ustawienia_problemow& ustawienia() const { return ustawienia_; }
  // New limits: the next aktualizuj looks at everything again.
  void ustaw(const ustawienia_problemow& ustawienia);

  void przelicz(const tor_uklad& tor);
  void aktualizuj(const tor_uklad& tor);

  // Errors first, then warnings, then notes; by kind, then by item.
  std::vector<problem> problemy() const;
  int ile(waga_problemu w) const;

 private:
  struct stan_punktu {
    const w_punkt* punkt = nullptr;
    const w_element* element = nullptr;
    double x = 0, y = 0, z = 0, z2 = 0, promien = 0, styczna = 0, kat_p = 0, kat_k = 0;
    std::int32_t skret = 0;
    std::int32_t linie = 0;
    std::array<const w_linia*, 3> li{};
    std::uint64_t zdarzenia = 0;
    bool operator==(const stan_punktu&) const = default;
  };
  struct stan_linii {
    const w_linia* linia = nullptr;
    const w_punkt* p1 = nullptr;
    const w_punkt* p2 = nullptr;
    double dl = 0, kx = 0, ky = 0;
    bool blad = false;
    std::uint64_t zdarzenia = 0;
    bool operator==(const stan_linii&) const = default;
  };

  static stan_punktu stan(const w_punkt* p);
  static stan_linii stan(const w_linia* l);

  void problemy_punktu(const tor_uklad& tor, int nr, std::vector<problem>& wynik) const;
  void problemy_linii(const tor_uklad& tor, int nr, std::vector<problem>& wynik) const;

  // Points by 1 m cells, for the near-point tests. Places beyond any plan (or not numbers)
  // have no neighbours worth a search and stay out.
  static constexpr double ZASIEG_PLANU = 1e12;
  static bool na_planie(double x, double y);
  static std::int64_t nr_komorki(double v);
  static std::uint64_t komorka(std::int64_t cx, std::int64_t cy);
  void dodaj_do_siatki(int nr, double x, double y);
  void usun_z_siatki(int nr, double x, double y);
  // Every point index within `r` of (x, y) by its recorded place.
  template <class F>
  void wokol(double x, double y, double r, F&& f) const;

  ustawienia_problemow ustawienia_;
  bool aktualna_ = false;
  std::vector<stan_punktu> punkty_;
  std::vector<stan_linii> linie_;
  std::vector<std::vector<problem>> problemy_punktow_;
  std::vector<std::vector<problem>> problemy_linii_;  // nr filled in when listed
  // Each cell's points as a list through nastepny_ (by point index, -1 ends it).
  std::unordered_map<std::uint64_t, int> siatka_;
  std::vector<int> nastepny_;
};
