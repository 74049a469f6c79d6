#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "view/widok.h"

class malarz;

// Scanned photos and maps under the track: each stretched over a rectangle of the plan,
// rotated about its centre, with its own opacity. No Qt, no GL: textures come and go through
// the two functions of `tekstury_obrazkow`, drawing goes through `malarz`.

struct obrazek {
  unsigned tekstura = 0;
  double x1 = 0, y1 = 0;  // first corner (left and bottom unless mirrored)
  double x2 = 1, y2 = 1;  // opposite corner
  double rotacja = 0;     // degrees, counter-clockwise about the centre
  bool zamien_xy = false;  // "Zamień X z Y"
  bool widoczny = true;    // "Widoczny"
  bool tekstura_wczytana = false;  // the (lazy) load has been tried
  bool zablokowany = false;        // "Zablokowany"
  std::string sciezka;
  double przezroczystosc = 1.0;  // alpha of the whole picture
  std::uint64_t numer = 0;       // the list's name for the picture, kept through undo and redo

  bool operator==(const obrazek&) const = default;
};

// Handles: the edges that move, as bits.
inline constexpr int UCHWYT_Y2 = 1;
inline constexpr int UCHWYT_Y1 = 2;
inline constexpr int UCHWYT_X2 = 4;
inline constexpr int UCHWYT_X1 = 8;
inline constexpr int UCHWYT_CALOSC = 15;

struct tekstury_obrazkow {
  // 0 when it cannot be loaded, with the reason in `powod`.
  std::function<unsigned(const std::string& sciezka, std::string& powod)> laduj;
  std::function<void(unsigned& id)> usun;                      // deletes and sets 0
};

// What the hit test found, for the pictures panel.
struct trafienie_obrazka {
  bool trafiony = false;
  bool widoczny = false;
  bool zablokowany = false;
};

enum class wynik_przeciagania { nic, przesuniety, zablokowany };

// Frames of blinking: hidden for 14, shown for 16.
inline constexpr int CYKL_MIGANIA = 30;
inline constexpr int POCZATEK_WIDOCZNOSCI = 15;

class lista_obrazkow {
 public:
  explicit lista_obrazkow(tekstury_obrazkow tekstury) : tekstury_(std::move(tekstury)) {}
  ~lista_obrazkow() { usun_wszystkie_tekstury(); }
  lista_obrazkow(const lista_obrazkow&) = delete;
  lista_obrazkow& operator=(const lista_obrazkow&) = delete;

  // Drawing order: the first is drawn first, at the bottom.
  const std::vector<obrazek>& obrazki() const { return obrazki_; }
  int wybrany() const { return wybrany_; }  // -1: none
  int uchwyt() const { return uchwyt_; }    // 0: nothing grabbed
  bool migajace() const { return miganie_; }

  // "Dodaj z pliku": a picture at the bottom of the list over the middle of the view (a square
  // of 80 % of the view's height), its texture loaded now. A file that does not open shows
  // "Podany plik nie istnieje!" and adds nothing; an image that cannot be read is refused with
  // a message naming the file and the reason, and adds nothing.
  bool dodaj_z_pliku(const std::string& sciezka, const widok& kamera);

  // Selects the topmost picture whose rectangle (widened by 7.5 pixels) holds the plan point,
  // and the handle under it. Rotation is not taken into account.
  trafienie_obrazka trafienie(double x, double y, double skala);
  bool chwycony() const { return wybrany_ >= 0 && uchwyt_ != 0; }
  // Moves the grabbed edges of the selected picture by the cursor's movement in metres.
  wynik_przeciagania przeciagnij(double dx, double dy);

  // The operations below act on the selected picture and do nothing when none is selected.
  void obroc(double kat);  // unless locked
  void kasuj_rotacje();
  void przelacz_zamiane_xy();
  void odbij_x();
  void odbij_y();
  void na_wierzch();
  void pod_spod();
  void ustaw_widoczny(bool widoczny);
  void ustaw_zablokowany(bool zablokowany);
  // The opacity slider (positions 1 to 40).
  void ustaw_przezroczystosc(int pozycja_suwaka);

  // "Usun": "Wszystkie rysunki są już usunięte!" for an empty list, "Musisz wybrać rysunek by
  // go usunąć." with nothing selected; true when a picture went.
  bool usun_wybrany();
  // "&Wyczyść zdjecia i mapy".
  bool usun_wszystkie();
  // Replaces every picture by those of a file that was read (their textures load lazily).
  void zastap(std::vector<obrazek> nowe);

  // For the undo history: the pictures as described, without their textures, and back to such
  // a description. A picture still in the list keeps its texture, one that comes back loads it
  // when next drawn, and the textures of pictures that go are deleted. The selection stays on
  // its picture while that is there.
  std::vector<obrazek> opis() const;
  void przywroc(std::vector<obrazek> opis);

  // Blinking: the counter starts from 0 each time it is switched on; one step per frame of
  // the cycle (`klatki` steps at once where no frame in between needs drawing).
  void ustaw_miganie(bool miganie);
  void krok_migania(int klatki = 1);
  // Steps of the counter until the pictures appear or disappear.
  int klatki_do_zmiany() const;
  bool ukryte_przez_miganie() const { return miganie_ && licznik_migania_ > 0 && licznik_migania_ < POCZATEK_WIDOCZNOSCI; }
  // A visible picture reaches into the rectangle (a rotated one by the circle round it): only
  // then does blinking change what the view shows.
  bool widac_w(const prostokat_planu& p) const;

  // The pictures (with the lazy texture loads). Blending is the painter's.
  void rysuj(malarz& m);
  // Images that lazy loads could not read since the last call, each path told once per run:
  // "path (reason)" lines, "" when there are none. The picture stays, drawn without an image.
  std::string odbierz_nieczytelne();
  // Frames and the selected picture's handles, in the pictures edit mode; without rotation.
  void rysuj_ramki(malarz& m) const;

 private:
  obrazek* wybrany_obrazek() { return wybrany_ >= 0 ? &obrazki_[static_cast<std::size_t>(wybrany_)] : nullptr; }
  void usun_wszystkie_tekstury();

  tekstury_obrazkow tekstury_;
  std::vector<obrazek> obrazki_;
  std::uint64_t ostatni_numer_ = 0;
  int wybrany_ = -1;
  int uchwyt_ = 0;
  bool miganie_ = false;
  int licznik_migania_ = 0;
  std::string nieczytelne_;
  std::set<std::string> zgloszone_;
};

// The opacity slider's position that shows an opacity.
int pozycja_przezroczystosci(double przezroczystosc);

// The eight handles of a picture in the order of the hit test: corners (x1, y1), (x2, y1),
// (x2, y2), (x1, y2), then the middles of the bottom, top, left and right edges.
struct uchwyt_obrazka {
  double x, y;
  int kod;
};
std::vector<uchwyt_obrazka> uchwyty(const obrazek& o);
