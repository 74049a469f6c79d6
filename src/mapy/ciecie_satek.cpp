#include "mapy/ciecie_satek.h"

#include <cpl_conv.h>
#include <cpl_string.h>
#include <gdal_alg.h>
#include <gdal_utils.h>
#include <ogr_srs_api.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>

#include "imagery/satki.h"
#include "mapy/gdal.h"
#include "view/widok.h"

namespace fs = std::filesystem;

namespace {

// A raster's extent larger than this many tiles is taken for a wrong georeference.
constexpr double MAKS_SATEK_RASTRA = 4e6;
constexpr int WATKI_WARPERA = 2;

struct lista_opcji {
  CPLStringList l;
  lista_opcji& operator<<(const std::string& s) {
    l.AddString(s.c_str());
    return *this;
  }
};

// One raster checked: open, its tiles known, its system settled.
struct raster {
  std::string sciezka;
  zbior_gdal zrodlo;
  zbior_gdal rozwiniety;  // palette expanded to RGBA, when the raster has one
  std::string crs_zrodla;  // empty: the raster names its own system
  int c0 = 0, r0 = 0, c1 = -1, r1 = -1;  // tiles touched, both ends included

  GDALDatasetH wejscie() const { return rozwiniety ? rozwiniety.get() : zrodlo.get(); }
  std::size_t liczba_satek() const {
    return static_cast<std::size_t>(c1 - c0 + 1) * static_cast<std::size_t>(r1 - r0 + 1);
  }
};

struct odmowa {
  koniec_ciecia koniec;
  std::string komunikat;
};

std::optional<odmowa> sprawdz(raster& r, const std::string& crs) {
  std::string powod;
  r.zrodlo = otworz_raster(r.sciezka, powod);
  if (!r.zrodlo) return odmowa{koniec_ciecia::blad_odczytu, r.sciezka + ": nie można odczytać rastra (" + powod + ")"};
  GDALDatasetH z = r.zrodlo.get();
  double gt[6];
  const bool ma_transformacje = GDALGetGeoTransform(z, gt) == CE_None;
  if (!ma_transformacje && GDALGetGCPCount(z) == 0)
    return odmowa{koniec_ciecia::odmowa, r.sciezka + ": raster bez georeferencji"};
  if (GDALGetRasterCount(z) == 0) return odmowa{koniec_ciecia::odmowa, r.sciezka + ": raster bez pasm obrazu"};
  const OGRSpatialReferenceH srs = ma_transformacje ? GDALGetSpatialRef(z) : GDALGetGCPSpatialRef(z);
  // A world file names no system: its coordinates are the plan's.
  if (srs == nullptr) r.crs_zrodla = crs;

  if (GDALGetRasterColorTable(GDALGetRasterBand(z, 1)) != nullptr) {
    lista_opcji o;
    o << "-of" << "VRT" << "-expand" << "rgba";
    GDALTranslateOptions* opcje = GDALTranslateOptionsNew(o.l.List(), nullptr);
    r.rozwiniety.reset(GDALTranslate("", z, opcje, nullptr));
    GDALTranslateOptionsFree(opcje);
    if (!r.rozwiniety)
      return odmowa{koniec_ciecia::blad_odczytu, r.sciezka + ": " + ostatni_blad_gdal("nie można rozwinąć palety")};
  }

  lista_opcji t;
  t << "DST_SRS=" + crs;
  if (!r.crs_zrodla.empty()) t << "SRC_SRS=" + r.crs_zrodla;
  CPLErrorReset();
  void* transformacja = GDALCreateGenImgProjTransformer2(r.wejscie(), nullptr, t.l.List());
  double gt_wyj[6];
  double zasieg[4];
  int kolumny = 0, wiersze = 0;
  const bool przeliczony =
      transformacja != nullptr &&
      GDALSuggestedWarpOutput2(r.wejscie(), GDALGenImgProjTransform, transformacja, gt_wyj, &kolumny, &wiersze,
                               zasieg, 0) == CE_None;
  if (transformacja != nullptr) GDALDestroyGenImgProjTransformer(transformacja);
  if (!przeliczony)
    return odmowa{koniec_ciecia::odmowa,
                  r.sciezka + ": nie da się przeliczyć do " + crs + " (" + ostatni_blad_gdal("brak przeliczenia") + ")"};
  const double c0 = std::floor(zasieg[0] / BOK_SATKI), c1 = std::ceil(zasieg[2] / BOK_SATKI) - 1;
  const double r0 = std::floor(zasieg[1] / BOK_SATKI), r1 = std::ceil(zasieg[3] / BOK_SATKI) - 1;
  if (!(c1 >= c0 && r1 >= r0) || (c1 - c0 + 1) * (r1 - r0 + 1) > MAKS_SATEK_RASTRA || c0 < INT_MIN || r0 < INT_MIN ||
      c1 > INT_MAX || r1 > INT_MAX)
    return odmowa{koniec_ciecia::odmowa, r.sciezka + ": zasięg rastra w " + crs + " nie daje satek"};
  r.c0 = static_cast<int>(c0), r.c1 = static_cast<int>(c1), r.r0 = static_cast<int>(r0), r.r1 = static_cast<int>(r1);
  return std::nullopt;
}

// The raster seen through the warper on the tile grid's pixels: pixel (0, 0) is the north-west
// corner of tile (c0, r1).
zbior_gdal przetworz(const raster& r, const ustawienia_ciecia& u, std::string& powod) {
  const double bok = BOK_SATKI;
  lista_opcji o;
  o << "-of" << "VRT" << "-t_srs" << u.crs;
  if (!r.crs_zrodla.empty()) o << "-s_srs" << r.crs_zrodla;
  o << "-te" << std::to_string(r.c0 * bok) << std::to_string(r.r0 * bok) << std::to_string((r.c1 + 1.0) * bok)
    << std::to_string((r.r1 + 1.0) * bok);
  o << "-ts" << std::to_string(static_cast<long long>(r.c1 - r.c0 + 1) * u.px)
    << std::to_string(static_cast<long long>(r.r1 - r.r0 + 1) * u.px);
  o << "-r" << "bilinear" << "-dstalpha";
  o << "-co" << "BLOCKXSIZE=" + std::to_string(u.px) << "-co" << "BLOCKYSIZE=" + std::to_string(u.px);
  o << "-wo" << "NUM_THREADS=" + std::to_string(WATKI_WARPERA);
  GDALWarpAppOptions* opcje = GDALWarpAppOptionsNew(o.l.List(), nullptr);
  GDALDatasetH wejscie = r.wejscie();
  CPLErrorReset();
  zbior_gdal wynik(GDALWarp("", nullptr, 1, &wejscie, opcje, nullptr));
  GDALWarpAppOptionsFree(opcje);
  if (!wynik) powod = ostatni_blad_gdal("warper odmówił");
  return wynik;
}

// RGBA of a px × px window, pixel after pixel. The last band of the warped raster is alpha.
bool czytaj_okno(GDALDatasetH z, int x, int y, int px, std::vector<std::uint8_t>& rgba) {
  const int pasma = GDALGetRasterCount(z);
  const int alfa = pasma;
  int mapa[4];
  if (pasma >= 4) {
    mapa[0] = 1, mapa[1] = 2, mapa[2] = 3;
  } else {
    mapa[0] = mapa[1] = mapa[2] = 1;  // grey
  }
  mapa[3] = alfa;
  rgba.resize(static_cast<std::size_t>(px) * px * 4);
  return GDALDatasetRasterIO(z, GF_Read, x, y, px, px, rgba.data(), px, px, GDT_Byte, 4, mapa, 4,
                             static_cast<GSpacing>(px) * 4, 1) == CE_None;
}

// The tile already on disk, resampled to px, into the RGB of `rgba`; false when there is none
// that GDAL reads.
bool czytaj_istniejaca(const std::string& sciezka, int px, std::vector<std::uint8_t>& rgba) {
  std::error_code blad;
  if (!fs::is_regular_file(sciezka, blad)) return false;
  std::string powod;
  zbior_gdal z = otworz_raster(sciezka, powod);
  if (!z) return false;
  const int pasma = GDALGetRasterCount(z.get());
  if (pasma == 0) return false;
  int mapa[3] = {1, 1, 1};
  if (pasma >= 3) mapa[1] = 2, mapa[2] = 3;
  rgba.resize(static_cast<std::size_t>(px) * px * 4);
  GDALRasterIOExtraArg arg;
  INIT_RASTERIO_EXTRA_ARG(arg);
  arg.eResampleAlg = GRIORA_Bilinear;
  return GDALDatasetRasterIOEx(z.get(), GF_Read, 0, 0, GDALGetRasterXSize(z.get()), GDALGetRasterYSize(z.get()),
                               rgba.data(), px, px, GDT_Byte, 3, mapa, 4, static_cast<GSpacing>(px) * 4, 1,
                               &arg) == CE_None;
}

// New pixels over the old ones by their alpha.
void naloz(const std::vector<std::uint8_t>& nowa, std::vector<std::uint8_t>& stara) {
  for (std::size_t i = 0; i < nowa.size(); i += 4) {
    const unsigned a = nowa[i + 3];
    for (std::size_t k = 0; k < 3; ++k)
      stara[i + k] = static_cast<std::uint8_t>((nowa[i + k] * a + stara[i + k] * (255 - a) + 127) / 255);
    stara[i + 3] = 255;
  }
}

bool zapisz_satke(const std::string& sciezka, const std::vector<std::uint8_t>& rgba, int px, int jakosc,
                  std::string& powod) {
  GDALDriverH mem = GDALGetDriverByName("MEM");
  GDALDriverH jpeg = GDALGetDriverByName("JPEG");
  if (mem == nullptr || jpeg == nullptr) {
    powod = "GDAL bez sterownika JPEG";
    return false;
  }
  zbior_gdal obraz(GDALCreate(mem, "", px, px, 3, GDT_Byte, nullptr));
  int mapa[3] = {1, 2, 3};
  if (!obraz || GDALDatasetRasterIO(obraz.get(), GF_Write, 0, 0, px, px, const_cast<std::uint8_t*>(rgba.data()), px,
                                    px, GDT_Byte, 3, mapa, 4, static_cast<GSpacing>(px) * 4, 1) != CE_None) {
    powod = ostatni_blad_gdal("brak pamięci");
    return false;
  }
  const std::string tymczasowy = sciezka + ".tmp";
  lista_opcji o;
  o << "QUALITY=" + std::to_string(jakosc);
  CPLErrorReset();
  zbior_gdal plik(GDALCreateCopy(jpeg, tymczasowy.c_str(), obraz.get(), FALSE, o.l.List(), nullptr, nullptr));
  // Closing flushes the file: only then is it whole.
  bool zapisany = plik != nullptr;
  if (zapisany) GDALClose(plik.release());
  zapisany = zapisany && CPLGetLastErrorType() < CE_Failure;
  std::error_code blad;
  if (zapisany) fs::rename(tymczasowy, sciezka, blad);
  if (!zapisany || blad) {
    powod = zapisany ? blad.message() : ostatni_blad_gdal("zapis nieudany");
    fs::remove(tymczasowy, blad);
    return false;
  }
  return true;
}

struct zasieg_zapisanych {
  int c0 = INT_MAX, r0 = INT_MAX, c1 = INT_MIN, r1 = INT_MIN;
  void dodaj(int c, int r) {
    c0 = std::min(c0, c), r0 = std::min(r0, r), c1 = std::max(c1, c), r1 = std::max(r1, r);
  }
};

}  // namespace

wspolrzedne_satek kadr_satek(std::int32_t kolumna, std::int32_t wiersz, int kolumny, int wiersze) {
  const widok domyslny;
  const double szer = kolumny * BOK_SATKI, wys = wiersze * BOK_SATKI;
  // A view of the whole reaches from -1 to 1 in both directions.
  const double skala = std::min(2.0 / wys, 2.0 * domyslny.proporcja / szer);
  return {kolumna, wiersz, -szer / 2, -wys / 2, std::max(skala, SKALA_NAJMNIEJSZA_SATEK)};
}

wynik_ciecia tnij_na_satki(const std::vector<std::string>& rastry, const std::string& katalog,
                           const ustawienia_ciecia& u, const sledzenie_ciecia& sledzenie) {
  przygotuj_gdal();
  wynik_ciecia w;
  if (auto blad = blad_crs(u.crs)) {
    w.koniec = koniec_ciecia::odmowa;
    w.komunikat = "nieznany układ współrzędnych " + u.crs + ": " + *blad;
    return w;
  }
  std::vector<raster> lista(rastry.size());
  postep_ciecia p;
  for (std::size_t i = 0; i < rastry.size(); ++i) {
    lista[i].sciezka = rastry[i];
    if (std::optional<odmowa> o = sprawdz(lista[i], u.crs)) {
      w.koniec = o->koniec;
      w.komunikat = o->komunikat;
      return w;
    }
    p.wszystkie += lista[i].liczba_satek();
  }

  const fs::path folder_satek = fs::path(katalog) / "sat";
  std::error_code blad;
  fs::create_directories(folder_satek, blad);
  if (blad) {
    w.koniec = koniec_ciecia::blad_odczytu;
    w.komunikat = folder_satek.string() + ": " + blad.message();
    return w;
  }

  zasieg_zapisanych zapisane;
  std::vector<std::uint8_t> nowa, stara;
  for (const raster& r : lista) {
    std::string powod;
    zbior_gdal obraz = przetworz(r, u, powod);
    if (!obraz) {
      w.koniec = koniec_ciecia::odmowa;
      w.komunikat = r.sciezka + ": " + powod;
      return w;
    }
    // North first: the rows of the warped raster go from north to south.
    for (int rz = r.r1; rz >= r.r0; --rz) {
      for (int c = r.c0; c <= r.c1; ++c) {
        if (!czytaj_okno(obraz.get(), (c - r.c0) * u.px, (r.r1 - rz) * u.px, u.px, nowa)) {
          w.koniec = koniec_ciecia::blad_odczytu;
          w.komunikat = r.sciezka + ": " + ostatni_blad_gdal("błąd odczytu");
          return w;
        }
        std::uint8_t alfa_min = 255, alfa_max = 0;
        for (std::size_t i = 3; i < nowa.size(); i += 4)
          alfa_min = std::min(alfa_min, nowa[i]), alfa_max = std::max(alfa_max, nowa[i]);
        if (alfa_max > 0) {
          const std::string sciezka = (fs::path(katalog) / nazwa_satki(c, rz)).string();
          const std::vector<std::uint8_t>* piksele = &nowa;
          if (alfa_min < 255 && czytaj_istniejaca(sciezka, u.px, stara)) {
            naloz(nowa, stara);
            piksele = &stara;
          }
          if (!zapisz_satke(sciezka, *piksele, u.px, u.jakosc, powod)) {
            w.koniec = koniec_ciecia::blad_odczytu;
            w.komunikat = sciezka + ": nie można zapisać satki (" + powod + ")";
            return w;
          }
          zapisane.dodaj(c, rz);
          w.zapisane = ++p.zapisane;
        }
        ++p.zrobione;
        if (sledzenie && !sledzenie(p)) {
          w.koniec = koniec_ciecia::przerwane;
          return w;
        }
      }
    }
  }
  if (w.zapisane == 0) return w;

  w.wspolrzedne = kadr_satek(zapisane.c0, zapisane.r0, zapisane.c1 - zapisane.c0 + 1, zapisane.r1 - zapisane.r0 + 1);
  const fs::path folder_cor = fs::path(katalog) / "sat_coords";
  fs::create_directories(folder_cor, blad);
  const std::string plik_cor = (folder_cor / fs::path(rastry.front()).stem()).string() + ".cor";
  if (blad || !zapisz_cor(plik_cor, w.wspolrzedne)) {
    w.koniec = koniec_ciecia::blad_odczytu;
    w.komunikat = plik_cor + ": nie można zapisać współrzędnych satek";
    return w;
  }
  w.plik_cor = plik_cor;
  return w;
}
