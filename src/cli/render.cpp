#include "cli/render.h"

#include <GL/gl.h>

#include <charconv>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "dokument/dokument.h"
#include "app/katalog_danych.h"
#include "app/stan.h"
#include "cli/komunikaty_cli.h"
#include "cli/kontekst_osmesa.h"
#include "cli/png.h"
#include "cli/polecenia.h"
#include "imagery/tekstura.h"
#include "imagery/wczytaj_obraz.h"
#include "io/blad_pliku.h"
#include "io/gz_plik.h"
#include "dokument/wczytywanie.h"
#include "view/klatka_gl.h"
#include "view/malarz_gl.h"
#include "view/malarz_svg.h"
#include "view/pamiec_planu.h"
#include "view/stan_edytora.h"

namespace {

// The whole text as one finite number.
bool liczba(std::string_view t, double& v) {
  const auto [koniec, blad] = std::from_chars(t.data(), t.data() + t.size(), v);
  return blad == std::errc{} && koniec == t.data() + t.size() && std::isfinite(v);
}

// "all" leaves `k` empty; "x,y,skala" needs a positive scale.
bool czytaj_widok(const std::string& tekst, std::optional<kadr>& k) {
  k.reset();
  if (tekst == "all") return true;
  const std::size_t p1 = tekst.find(',');
  const std::size_t p2 = p1 == std::string::npos ? p1 : tekst.find(',', p1 + 1);
  if (p2 == std::string::npos) return false;
  const std::string_view t(tekst);
  kadr w;
  w.ma_srodek = w.ma_skale = true;
  if (!liczba(t.substr(0, p1), w.x) || !liczba(t.substr(p1 + 1, p2 - p1 - 1), w.y) ||
      !liczba(t.substr(p2 + 1), w.skala) || w.skala <= 0)
    return false;
  k = w;
  return true;
}

std::string sciezka_atlasu(const std::string& katalog_danych) {
  return katalog_danych.empty() ? std::string() : katalog_danych + "/" + ATLAS_ZDARZEN;
}

std::string obraz_png(const dokument& dok, stan_edytora& edytor, const std::string& katalog_danych,
                      const opcje_obrazu& o) {
  kontekst_osmesa kontekst(o.szerokosc, o.wysokosc);
  // The plan view's own context settings.
  glClearColor(0.8f, 0.8f, 0.8f, 1);
  const std::string atlas = sciezka_atlasu(katalog_danych);
  stan.tekstura_zdarzen = atlas.empty() ? 0 : laduj_teksture(atlas);
  malarz_gl m;
  pamiec_planu pamiec(m, dok);
  warstwy_obrazow bez_obrazow;
  rysuj_klatke_gl(m, dok, edytor, bez_obrazow, pamiec);
  const std::vector<std::uint8_t> rgb = kontekst.piksele_rgb();
  usun_teksture(stan.tekstura_zdarzen);
  return koduj_png(rgb.data(), o.szerokosc, o.wysokosc, true);
}

// The texture id the atlas stands for in the document; any but 0 does.
constexpr unsigned ATLAS_SVG = 1;

std::string obraz_svg(const dokument& dok, stan_edytora& edytor, const std::string& katalog_danych,
                      const opcje_obrazu& o) {
  malarz_svg m(o.szerokosc, o.wysokosc);
  const std::string atlas = sciezka_atlasu(katalog_danych);
  // Without a GL context there is no texture size to fit: the atlas goes in whole.
  const std::optional<obraz> obraz_atlasu = atlas.empty() ? std::nullopt : wczytaj_obraz(atlas, 0);
  stan.tekstura_zdarzen = 0;
  if (obraz_atlasu) {
    stan.tekstura_zdarzen = ATLAS_SVG;
    m.obraz_tekstury(ATLAS_SVG, "data:image/png;base64," +
                                    base64(koduj_png(obraz_atlasu->piksele.data(), obraz_atlasu->szerokosc,
                                                     obraz_atlasu->wysokosc, true)));
  }
  rysownik_wprost wprost(m);
  warstwy_obrazow bez_obrazow;
  rysuj_klatke(m, dok, edytor, bez_obrazow, wprost);
  stan.tekstura_zdarzen = 0;
  return m.zamknij();
}

}  // namespace

int polecenie_render(const std::string& wejscie, const std::string& wyjscie, const std::string& katalog_danych,
                     const opcje_obrazu& opcje) {
  const bool svg = ma_rozszerzenie(wyjscie, ".svg");
  if (!svg && !ma_rozszerzenie(wyjscie, ".png")) {
    zglos_blad("plik wynikowy " + wyjscie + " musi mieć rozszerzenie .svg lub .png");
    return WYJSCIE_BLAD;
  }
  std::optional<kadr> kamera;
  if (!czytaj_widok(opcje.widok, kamera)) {
    zglos_blad("nieprawidłowy widok " + opcje.widok + ": oczekiwano all albo x,y,skala (skala > 0)");
    return WYJSCIE_BLAD;
  }
  dokument model;
  if (const int kod = wczytaj_do_polecenia(wejscie, katalog_danych, model)) return kod;
  stan_edytora edytor;
  edytor.kamera.proporcja = static_cast<double>(opcje.szerokosc) / opcje.wysokosc;
  ustaw_kadr(edytor.kamera, kamera ? *kamera : model.tor.pokaz_wszystko());
  try {
    const std::string dane = svg ? obraz_svg(model, edytor, katalog_danych, opcje)
                                 : obraz_png(model, edytor, katalog_danych, opcje);
    zapisz_plik(wyjscie, dane);
  } catch (const blad_pliku& b) {
    zglos_blad(b.what());
    return WYJSCIE_BLAD;
  } catch (const std::runtime_error& b) {
    zglos_blad("nie można narysować " + wyjscie + ": " + b.what());
    return WYJSCIE_BLAD;
  }
  return WYJSCIE_OK;
}
