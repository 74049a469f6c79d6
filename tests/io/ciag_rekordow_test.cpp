// Differences of record sequences: either sequence comes back from the other exactly, and the
// edits the layout's arrays see cost only the records they touch.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <vector>

#include "io/ciag_rekordow.h"

namespace {

using rekordy = std::vector<std::vector<std::uint8_t>>;

ciag_rekordow ciag(const rekordy& r) {
  ciag_rekordow c;
  for (const auto& x : r) c.dodaj(x);
  return c;
}

std::vector<std::uint8_t> losowy_rekord(std::mt19937& los) {
  std::vector<std::uint8_t> r(std::uniform_int_distribution<int>(0, 12)(los));
  for (auto& b : r) b = static_cast<std::uint8_t>(los() % 4);  // few values: equal records happen
  return r;
}

// Numbered records, all different, as the items of a layout mostly are.
rekordy kolejne(int n) {
  rekordy r;
  for (int i = 0; i < n; ++i) r.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i >> 8), 7});
  return r;
}

ciag_rekordow po_zmianie(const ciag_rekordow& c, const roznica_ciagow& r, strona_roznicy z) {
  ciag_rekordow wynik;
  const std::uint8_t wczesniejszy[] = {42, 42};
  wynik.dodaj(wczesniejszy);  // what the output held before is replaced
  zastosuj(c, r, z, wynik);
  return wynik;
}

std::size_t zapisane_rekordy(const roznica_ciagow& r) { return r.rekordy[PRZED].ile() + r.rekordy[PO].ile(); }

void sprawdz_w_obie_strony(const rekordy& a, const rekordy& b, const roznica_ciagow& r, const std::string& opis) {
  const ciag_rekordow ca = ciag(a), cb = ciag(b);
  EXPECT_TRUE(po_zmianie(ca, r, PRZED) == cb) << opis;
  EXPECT_TRUE(po_zmianie(cb, r, PO) == ca) << opis;
  EXPECT_EQ(r.pusta(), a == b) << opis;
  for (const wycinek& w : r.wycinki) EXPECT_TRUE(w.ile[PRZED] > 0 || w.ile[PO] > 0) << opis;
}

TEST(CiagRekordow, ObieMetodyOdtwarzajaDowolnaPare) {
  std::mt19937 los(11);
  for (int przypadek = 0; przypadek < 400; ++przypadek) {
    rekordy a, b;
    const int na = std::uniform_int_distribution<int>(0, 60)(los);
    for (int i = 0; i < na; ++i) a.push_back(losowy_rekord(los));
    // A related sequence: some records kept, some changed, removed or added, alone or in runs.
    for (std::size_t i = 0; i < a.size(); ++i) {
      const int co = los() % 7;
      if (co == 0) continue;
      if (co == 1) b.push_back(losowy_rekord(los));
      if (co == 3 && los() % 4 == 0) {
        const int dlugosc = 5 + los() % 15;
        for (int k = 0; k < dlugosc; ++k) b.push_back(losowy_rekord(los));
        i += los() % dlugosc;
        continue;
      }
      b.push_back(co == 2 ? losowy_rekord(los) : a[i]);
    }
    while (los() % 3 == 0) b.push_back(losowy_rekord(los));
    const std::string opis = "przypadek " + std::to_string(przypadek);
    const ciag_rekordow ca = ciag(a), cb = ciag(b);
    sprawdz_w_obie_strony(a, b, porownaj_na_miejscach(ca, cb), opis + " na miejscach");
    sprawdz_w_obie_strony(a, b, porownaj_z_przesunieciami(ca, cb), opis + " z przesunięciami");
  }
}

TEST(CiagRekordow, UsuniecieNaMiejsceOstatniegoKosztujeDwaMiejsca) {
  const rekordy a = kolejne(10000);
  rekordy b = a;
  b[1234] = b.back();  // removed by moving the last item into its place
  b.pop_back();
  b[77][2] = 9;        // and one item changed
  b.push_back({1, 2, 3});
  const roznica_ciagow r = porownaj_na_miejscach(ciag(a), ciag(b));
  sprawdz_w_obie_strony(a, b, r, "");
  EXPECT_EQ(r.wycinki.size(), 3u);
  EXPECT_EQ(zapisane_rekordy(r), 6u);  // places 77, 1234 and the last one, each before and after
  for (const wycinek& w : r.wycinki) EXPECT_EQ(w.od[PRZED], w.od[PO]);
}

TEST(CiagRekordow, PrzesuniecieNieZapisujeTegoCoSiePrzesunelo) {
  const rekordy a = kolejne(10000);
  rekordy b = a;
  b.erase(b.begin() + 8000);  // removed by shifting the rest down, far apart
  b.erase(b.begin() + 20);
  b[5000][2] = 1;             // a record changed in place
  b.push_back({0, 0, 0});     // and one made at the end
  const roznica_ciagow r = porownaj_z_przesunieciami(ciag(a), ciag(b));
  sprawdz_w_obie_strony(a, b, r, "");
  EXPECT_EQ(zapisane_rekordy(r), 5u);
  // Item by item the same edit would store everything between the two removals.
  EXPECT_GT(zapisane_rekordy(porownaj_na_miejscach(ciag(a), ciag(b))), 15000u);
}

TEST(CiagRekordow, RoznicaInnegoCiaguJestOdrzucana) {
  const rekordy a = kolejne(5);
  rekordy b = a;
  b.pop_back();
  const roznica_ciagow r = porownaj_na_miejscach(ciag(a), ciag(b));
  EXPECT_THROW(po_zmianie(ciag(a), r, PO), std::invalid_argument);
  EXPECT_THROW(po_zmianie(ciag(kolejne(7)), r, PRZED), std::invalid_argument);
}

}  // namespace
