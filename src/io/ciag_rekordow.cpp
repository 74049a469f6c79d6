#include "io/ciag_rekordow.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <unordered_map>

bool ciag_rekordow::rowne(std::size_t i, const ciag_rekordow& inny, std::size_t j) const {
  const auto a = rekord(i);
  const auto b = inny.rekord(j);
  // Empty records may have no bytes behind them at all.
  return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size()) == 0);
}

void ciag_rekordow::dodaj(std::span<const std::uint8_t> rekord) {
  pisarz_.bajty(rekord.data(), rekord.size());
  zamknij_rekord();
}

void ciag_rekordow::dodaj(const ciag_rekordow& zrodlo, std::size_t od, std::size_t ile) {
  if (ile == 0) return;
  const std::size_t poczatek = od == 0 ? 0 : zrodlo.konce_[od - 1];
  const std::size_t koniec = zrodlo.konce_[od + ile - 1];
  const std::size_t baza = bajty();
  pisarz_.bajty(zrodlo.pisarz_.dane().data() + poczatek, koniec - poczatek);
  for (std::size_t i = od; i < od + ile; ++i) konce_.push_back(zrodlo.konce_[i] - poczatek + baza);
}

void ciag_rekordow::zamien(std::size_t i, std::span<const std::uint8_t> rekord) {
  std::vector<std::uint8_t>& dane = pisarz_.dane();
  const std::size_t od = i == 0 ? 0 : konce_[i - 1];
  const std::size_t stary = konce_[i] - od;
  if (rekord.size() > stary) {
    dane.insert(dane.begin() + static_cast<std::ptrdiff_t>(konce_[i]), rekord.size() - stary, 0);
  } else if (rekord.size() < stary) {
    dane.erase(dane.begin() + static_cast<std::ptrdiff_t>(od + rekord.size()),
               dane.begin() + static_cast<std::ptrdiff_t>(konce_[i]));
  }
  if (!rekord.empty()) std::memcpy(dane.data() + od, rekord.data(), rekord.size());
  if (rekord.size() != stary)
    for (std::size_t j = i; j < konce_.size(); ++j) konce_[j] = konce_[j] + rekord.size() - stary;
}

void ciag_rekordow::rezerwuj(std::size_t rekordy, std::size_t bajty) {
  konce_.reserve(rekordy);
  pisarz_.dane().reserve(bajty);
}

void ciag_rekordow::rezerwuj_jak(const ciag_rekordow& wzor) {
  constexpr std::size_t ZAPAS_ULAMEK = 16;
  constexpr std::size_t ZAPAS_STALY = 64;
  rezerwuj(wzor.ile() + wzor.ile() / ZAPAS_ULAMEK + ZAPAS_STALY, wzor.bajty() + wzor.bajty() / ZAPAS_ULAMEK + ZAPAS_STALY);
}

void ciag_rekordow::dopasuj_pamiec() {
  konce_.shrink_to_fit();
  pisarz_.dane().shrink_to_fit();
}

void ciag_rekordow::wyczysc() {
  konce_.clear();
  pisarz_.dane().clear();
}

std::size_t ciag_rekordow::pamiec() const {
  return pisarz_.dane().capacity() + konce_.capacity() * sizeof(std::size_t);
}

bool ciag_rekordow::operator==(const ciag_rekordow& inny) const {
  return konce_ == inny.konce_ && pisarz_.dane() == inny.pisarz_.dane();
}

std::size_t roznica_ciagow::pamiec() const {
  return wycinki.capacity() * sizeof(wycinek) + rekordy[PRZED].pamiec() + rekordy[PO].pamiec();
}

namespace {

// Collects the runs of a difference, joining a run to the previous one when they touch.
class budowa_roznicy {
 public:
  budowa_roznicy(const ciag_rekordow& przed, const ciag_rekordow& po) : przed_(przed), po_(po) {
    r_.dlugosc = {przed.ile(), po.ile()};
  }

  void wycinek_(std::size_t od_przed, std::size_t ile_przed, std::size_t od_po, std::size_t ile_po) {
    if (ile_przed == 0 && ile_po == 0) return;
    wycinek* ostatni = r_.wycinki.empty() ? nullptr : &r_.wycinki.back();
    if (ostatni && ostatni->od[PRZED] + ostatni->ile[PRZED] == od_przed && ostatni->od[PO] + ostatni->ile[PO] == od_po) {
      ostatni->ile[PRZED] += ile_przed;
      ostatni->ile[PO] += ile_po;
    } else {
      r_.wycinki.push_back({{od_przed, od_po}, {ile_przed, ile_po}});
    }
    r_.rekordy[PRZED].dodaj(przed_, od_przed, ile_przed);
    r_.rekordy[PO].dodaj(po_, od_po, ile_po);
  }

  roznica_ciagow wynik() { return std::move(r_); }

 private:
  const ciag_rekordow& przed_;
  const ciag_rekordow& po_;
  roznica_ciagow r_;
};

std::string_view bajty_rekordu(const ciag_rekordow& c, std::size_t i) {
  const auto r = c.rekord(i);
  return {reinterpret_cast<const char*>(r.data()), r.size()};
}

}  // namespace

roznica_ciagow zamien_na_miejscach(ciag_rekordow& ciag, std::span<const std::size_t> indeksy, const ciag_rekordow& nowe) {
  roznica_ciagow r;
  r.dlugosc = {ciag.ile(), ciag.ile()};
  for (std::size_t k = 0; k < indeksy.size(); ++k) {
    const std::size_t i = indeksy[k];
    if (ciag.rowne(i, nowe, k)) continue;
    wycinek* ostatni = r.wycinki.empty() ? nullptr : &r.wycinki.back();
    if (ostatni && ostatni->od[PRZED] + ostatni->ile[PRZED] == i) {
      ++ostatni->ile[PRZED];
      ++ostatni->ile[PO];
    } else {
      r.wycinki.push_back({{i, i}, {1, 1}});
    }
    r.rekordy[PRZED].dodaj(ciag.rekord(i));
    r.rekordy[PO].dodaj(nowe.rekord(k));
    ciag.zamien(i, nowe.rekord(k));
  }
  return r;
}

roznica_ciagow porownaj_na_miejscach(const ciag_rekordow& przed, const ciag_rekordow& po) {
  budowa_roznicy b(przed, po);
  const std::size_t wspolne = std::min(przed.ile(), po.ile());
  std::size_t i = 0;
  while (i < wspolne) {
    if (przed.rowne(i, po, i)) {
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    while (j < wspolne && !przed.rowne(j, po, j)) ++j;
    b.wycinek_(i, j - i, i, j - i);
    i = j;
  }
  b.wycinek_(wspolne, przed.ile() - wspolne, wspolne, po.ile() - wspolne);
  return b.wynik();
}

namespace {

// Walks two sequences between their common ends, collecting the runs of records that do not
// match into the difference.
class dopasowanie {
 public:
  dopasowanie(const ciag_rekordow& przed, const ciag_rekordow& po, budowa_roznicy& b, std::size_t od,
              std::size_t ka, std::size_t kb)
      : przed_(przed), po_(po), b_(b), ka_(ka), kb_(kb), i_(od), j_(od), od_i_(od), od_j_(od) {}

  // Short runs of removed, added and changed records, settled by looking a few records ahead
  // on each side. Stops, with the run it was in left open, when a run grows longer than that
  // can tell.
  void z_wyprzedzeniem() {
    constexpr std::size_t ZASIEG = 8;
    std::size_t bez_pary = 0;
    while (i_ < ka_ && j_ < kb_) {
      if (para()) {
        bez_pary = 0;
        continue;
      }
      if (++bez_pary > ZASIEG) {
        i_ = od_i_;
        j_ = od_j_;
        return;
      }
      std::size_t k = 1;
      for (; k <= ZASIEG; ++k) {
        if (i_ + k < ka_ && przed_.rowne(i_ + k, po_, j_)) {
          i_ += k;  // removed
          break;
        }
        if (j_ + k < kb_ && przed_.rowne(i_, po_, j_ + k)) {
          j_ += k;  // added
          break;
        }
      }
      if (k > ZASIEG) {
        ++i_;  // changed
        ++j_;
      }
    }
  }

  // The rest, whatever its runs: each record is looked up where it stands after the change.
  void przez_wyszukiwanie() {
    if (i_ == ka_ || j_ == kb_) return;
    std::unordered_map<std::string_view, std::size_t> gdzie_po;  // the first of equal records
    gdzie_po.reserve(kb_ - j_);
    for (std::size_t j = j_; j < kb_; ++j) gdzie_po.emplace(bajty_rekordu(po_, j), j);
    while (i_ < ka_ && j_ < kb_) {
      if (para()) continue;
      const auto it = gdzie_po.find(bajty_rekordu(przed_, i_));
      if (it == gdzie_po.end() || it->second < j_)
        ++i_;  // removed
      else
        j_ = it->second;  // the records before it were added
    }
  }

  void koniec() { b_.wycinek_(od_i_, ka_ - od_i_, od_j_, kb_ - od_j_); }

 private:
  // The current records match: the run before them is closed.
  bool para() {
    if (!przed_.rowne(i_, po_, j_)) return false;
    b_.wycinek_(od_i_, i_ - od_i_, od_j_, j_ - od_j_);
    od_i_ = ++i_;
    od_j_ = ++j_;
    return true;
  }

  const ciag_rekordow& przed_;
  const ciag_rekordow& po_;
  budowa_roznicy& b_;
  const std::size_t ka_, kb_;
  std::size_t i_, j_;        // the records compared next
  std::size_t od_i_, od_j_;  // start of the open run
};

}  // namespace

roznica_ciagow porownaj_z_przesunieciami(const ciag_rekordow& przed, const ciag_rekordow& po) {
  budowa_roznicy b(przed, po);
  const std::size_t na = przed.ile();
  const std::size_t nb = po.ile();
  std::size_t poczatek = 0;
  while (poczatek < na && poczatek < nb && przed.rowne(poczatek, po, poczatek)) ++poczatek;
  std::size_t koniec = 0;
  while (koniec < na - poczatek && koniec < nb - poczatek && przed.rowne(na - 1 - koniec, po, nb - 1 - koniec))
    ++koniec;
  dopasowanie d(przed, po, b, poczatek, na - koniec, nb - koniec);
  d.z_wyprzedzeniem();
  d.przez_wyszukiwanie();
  d.koniec();
  return b.wynik();
}

void zastosuj(const ciag_rekordow& z_ciagu, const roznica_ciagow& r, strona_roznicy z, ciag_rekordow& wynik) {
  const int d = 1 - z;
  if (z_ciagu.ile() != r.dlugosc[z]) throw std::invalid_argument("różnica nie pasuje do ciągu rekordów");
  wynik.wyczysc();
  wynik.rezerwuj(r.dlugosc[d], z_ciagu.bajty() + r.rekordy[d].bajty());
  std::size_t pozycja = 0;
  std::size_t rekord = 0;
  for (const wycinek& w : r.wycinki) {
    wynik.dodaj(z_ciagu, pozycja, w.od[z] - pozycja);
    wynik.dodaj(r.rekordy[d], rekord, w.ile[d]);
    rekord += w.ile[d];
    pozycja = w.od[z] + w.ile[z];
  }
  wynik.dodaj(z_ciagu, pozycja, z_ciagu.ile() - pozycja);
}
