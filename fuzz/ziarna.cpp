// Seed corpora of the fuzz targets of the model's files, from the bundled data and the tests'
// generators: vialtor_ziarna DATA OUT writes OUT/<target>/<seed>.
#include <filesystem>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "io/blad_pliku.h"
#include "io/eksport.h"
#include "io/generator_projektow.h"
#include "io/gz_plik.h"
#include "io/plik_vxp.h"
#include "io/strumien_rekordow.h"
#include "io/strumien_tekstowy.h"
#include "io/trasa.h"
#include "io/zapisywacz.h"
#include "track/tor.h"

namespace fs = std::filesystem;

namespace {

std::string_view jako_tekst(const std::vector<std::uint8_t>& dane) {
  return {reinterpret_cast<const char*>(dane.data()), dane.size()};
}

class ziarna {
 public:
  explicit ziarna(fs::path katalog) : katalog_(std::move(katalog)) {}

  void dodaj(const std::string& cel, const std::string& nazwa, std::string_view dane) {
    fs::create_directories(katalog_ / cel);
    zapisz_plik((katalog_ / cel / nazwa).string(), dane);
  }
  void dodaj(const std::string& cel, const std::string& nazwa, const std::vector<std::uint8_t>& dane) {
    dodaj(cel, nazwa, jako_tekst(dane));
  }

 private:
  fs::path katalog_;
};

// The project's record content, read into a layout as the load command reads it.
void wczytaj_rekordy(const std::vector<std::uint8_t>& projekt, tor_uklad& tor, trasa_info& trasa) {
  czytnik_rekordow s(projekt);
  tor.wczytaj(s);
  wczytaj_trase(s, trasa);
}

std::string tekst_ukladu(const tor_uklad& tor) {
  pisarz_tekstu s;
  tor.zapisz_txt(s);
  return s.tekst();
}

// The simulator file of a sound layout in both forms; nothing for a faulty one.
void dodaj_eksport(ziarna& z, const std::string& nazwa, tor_uklad& tor, const trasa_info& trasa,
                   const fs::path& tymczasowy) {
  if (!tor.sprawdz_geometrie()) return;
  przygotuj_eksport(tor, nazwa);
  std::vector<std::uint8_t> rekordy = rekordy_eksportu(tor, trasa);

  pisarz_rekordow jawny;
  jawny.u8(FORMA_JAWNA);
  jawny.int32(static_cast<std::int32_t>(rekordy.size()));
  jawny.bajty(rekordy.data(), rekordy.size());
  z.dodaj("symulator", nazwa + "_jawny.layout", jawny.dane());

  if (!zapisz_bufor(rekordy, tymczasowy.string(), 0x5a)) throw blad_pliku("zapis " + tymczasowy.string());
  z.dodaj("symulator", nazwa + ".layout", wczytaj_plik(tymczasowy.string()));
  // Unpacked too: the reader takes a file that is not gzip as it is.
  z.dodaj("symulator", nazwa + "_rozpakowany.layout", wczytaj_gz(tymczasowy.string()));
}

void probki(ziarna& z, const fs::path& dane, const fs::path& tymczasowy) {
  for (const auto& wpis : fs::directory_iterator(dane / "projects")) {
    const fs::path& plik = wpis.path();
    const std::string nazwa = plik.filename().string();
    const std::string rozszerzenie = plik.extension().string();
    if (rozszerzenie == ".vxm") {
      z.dodaj("projekt", nazwa, wczytaj_plik(plik.string()));
      const std::vector<std::uint8_t> rekordy = wczytaj_gz(plik.string());
      z.dodaj("projekt", nazwa + ".rozpakowany", rekordy);
      tor_uklad tor;
      trasa_info trasa;
      wczytaj_rekordy(rekordy, tor, trasa);
      dodaj_eksport(z, plik.stem().string(), tor, trasa, tymczasowy);
    } else if (rozszerzenie == ".vxp") {
      z.dodaj("stary_projekt", nazwa, wczytaj_plik(plik.string()));
    } else if (rozszerzenie == ".txt") {
      z.dodaj("tekst", nazwa, wczytaj_plik(plik.string()));
    }
  }
}

// Random projects of the three readable formats, with events, elements and route information.
void losowe_projekty(ziarna& z, const fs::path& tymczasowy) {
  std::mt19937 los(1412);
  for (const int format : {1410, 1411, 1412}) {
    for (int i = 0; i < 4; ++i) {
      opcje_generatora opcje;
      opcje.format = format;
      opcje.najwiecej_punktow = 4 + 4 * i;
      const std::vector<std::uint8_t> projekt = projekt_z_ukladem(losowy_uklad(los, opcje), i * 5, 1990 + i, i);
      const std::string nazwa = "losowy_" + std::to_string(format) + "_" + std::to_string(i);
      z.dodaj("projekt", nazwa + ".vxm", projekt);
      if (format != 1412) continue;
      tor_uklad tor;
      trasa_info trasa;
      wczytaj_rekordy(projekt, tor, trasa);
      z.dodaj("tekst", nazwa + ".txt", tekst_ukladu(tor));
      dodaj_eksport(z, nazwa, tor, trasa, tymczasowy);
    }
  }
}

// A small versioned 0.945b project with old events on a point and a line.
void maly_stary_projekt(ziarna& z) {
  pisarz_rekordow s;
  s.int32(2);
  punkt_sieci_vxp(s, 0, 0, 6);
  punkt_sieci_vxp(s, 30, 0, 6);
  s.int32(1);
  przeslo_vxp(s, 0, 1, 2);
  s.int32(0);
  s.int32(3);
  s.int32(3);
  punkt_toru_vxp punkt;
  for (int i = 0; i < 3; ++i) {
    punkt.x = 20.0f * i;
    punkt.y = i == 1 ? 5.0f : 0.0f;
    punkt.parametr1_mm = 1435;
    punkt.zdarzen = i == 1 ? 2 : 0;
    punkt_toru_vxp_zapisz(s, punkt, true);
  }
  s.int32(2);
  linia_toru_vxp(s, 0, 1, 0, 0, 1);
  linia_toru_vxp(s, 1, 2, 0, 0);
  z.dodaj("stary_projekt", "wersja_3.vxp", s.dane());
}

// The whole library, and each template alone as a library of one: small seeds mutate better.
void szablony(ziarna& z, const fs::path& dane) {
  const std::string biblioteka = wczytaj_plik((dane / "dataeditor" / "sb.txt").string());
  z.dodaj("szablony", "sb.txt", biblioteka);
  std::istringstream slowa(biblioteka);
  int liczba = 0;
  slowa >> liczba;
  for (int i = 0; i < liczba; ++i) {
    int punkty = 0, linie = 0;
    slowa >> punkty >> linie;
    std::string jeden = "1\n" + std::to_string(punkty) + " " + std::to_string(linie) + "\n";
    const int reszta = 5 * punkty + 2 * linie + 3;  // points, lines, name, two kinds
    for (int j = 0; j < reszta; ++j) {
      std::string slowo;
      slowa >> slowo;
      jeden += slowo + "\n";
    }
    if (!slowa) throw blad_pliku("biblioteka szablonów kończy się w szablonie " + std::to_string(i));
    z.dodaj("szablony", "szablon_" + std::to_string(i) + ".txt", jeden);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "użycie: vialtor_ziarna DANE WYNIK\n";
    return 2;
  }
  const fs::path dane = argv[1];
  ziarna z(argv[2]);
  const fs::path tymczasowy = fs::path(argv[2]) / "eksport.tmp";
  try {
    fs::create_directories(argv[2]);
    probki(z, dane, tymczasowy);
    losowe_projekty(z, tymczasowy);
    maly_stary_projekt(z);
    szablony(z, dane);
  } catch (const std::exception& b) {
    std::cerr << "vialtor_ziarna: " << b.what() << '\n';
    return 1;
  }
  fs::remove(tymczasowy);
  return 0;
}
