#pragma once

#include <optional>

#include "track/zdarzenia_na_torze.h"
#include "view/widok.h"

// Edit modes: the track layout, pictures and maps, or the track's events. The events mode
// edits the track layout too: like track mode it is a network mode (not below 0).
inline constexpr int TRYB_TORY = 0;
inline constexpr int TRYB_ZDJECIA = -1;
inline constexpr int TRYB_ZDARZENIA = 1;

// Right-button modes: "Dodawanie" and "Rotacja".
inline constexpr int PRAWY_DODAWANIE = 0;
inline constexpr int PRAWY_ROTACJA = 1;

// The mouse between events, in view coordinates (metres before the pan is taken off).
struct stan_myszy {
  double x = 0, y = 0;                  // after snapping
  double surowe_x = 0, surowe_y = 0;    // before snapping
  double poprzednie_x = 0, poprzednie_y = 0;
  double dx = 0, dy = 0;
  bool lewy_wcisniety = false;
  bool shift = false;
  bool obrot_aktywny = false;
  double os_obrotu_x = 0, os_obrotu_y = 0;  // plan
  bool ramka_aktywna = false;
  double ramka_x = 0, ramka_y = 0;          // plan
  bool przeciaganie_ustalone = false;
  bool czeka_rownolegle = false;

  // The cursor's plan position.
  double plan_x(const widok& w) const { return x - w.przes_x; }
  double plan_y(const widok& w) const { return y - w.przes_y; }
};

// Events mode: the event under the cursor, the selected one, and what a new event gets.
struct stan_zdarzen {
  std::optional<adres_zdarzenia> wskazane;
  std::optional<adres_zdarzenia> wybrane;
  zdarzenie nowe{.kierunek = KIERUNEK_PRAWO | KIERUNEK_LEWO};
};

// Grid levels of the "Siatka:" list.
inline constexpr int SIATKA_BRAK = 0;
inline constexpr int SIATKA_1M = 4;

// What the editor's views and panels share besides the document.
struct stan_edytora {
  widok kamera;
  int siatka = SIATKA_1M;
  int tryb_edycji = TRYB_TORY;
  bool wyrownywanie = false;
  int tryb_prawego_przycisku = PRAWY_DODAWANIE;
  bool tryb_szablonu = false;
  bool pokaz_zdjecia = true;  // "Zdjęcia / mapki"
  stan_myszy mysz;
  stan_zdarzen zdarzenia;

  // Template choice criteria of the templates panel and the template shown last per transport.
  int rodzaj_transportu = 0;
  int przeswit_szablonu = 0;
  int rodzaj_szablonu = 1;
  int szab_akt_tramwaj = 0;
  int szab_akt_kolej = 4;

  // Radius warnings given this run: 1 after message 12, 2 after message 14.
  int ostrzezenia_promienia = 0;
};
