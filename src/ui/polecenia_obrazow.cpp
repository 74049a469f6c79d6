#include "ui/polecenia_obrazow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <filesystem>

#include "app/komunikaty.h"
#include "app/liczby.h"
#include "app/log.h"
#include "app/stan.h"
#include "io/blad_pliku.h"
#include "io/gz_plik.h"
#include "mapy/uslugi_map.h"
#include "imagery/plik_cor.h"
#include "imagery/plik_pcr.h"
#include "ui/dialogi.h"
#include "ui/katalogi_dialogow.h"
#include "ui/import_ortofotomapy.h"
#include "ui/kontrolki.h"
#include "ui/modul_map.h"
#include "ui/obrazy_planu.h"
#include "ui/okno_glowne.h"
#include "ui/panel_ladowania.h"
#include "ui/panel_satek.h"
#include "ui/panel_zdjec.h"
#include "ui/ustawienia.h"
#include "ui/zdjecia_z_mapy.h"
#include "view/stan_edytora.h"

namespace {
constexpr const char* WZOR_PCR = "*.pcr";
constexpr const char* WZOR_COR = "*.cor";
// Either of the editor's kinds loads whatever the pattern shows; the others go through GDAL.
constexpr const char* WZOR_OBRAZU = "*.bmp *.jpg *.jpeg *.png *.tif *.tiff *.gif *.jp2";
constexpr const char* PLIK_MAPY = "pic_coords/elblag/elblag_plan.pcr";
}  // namespace

polecenia_obrazow::polecenia_obrazow(okno_glowne& okno, obrazy_planu& obrazy, const std::string& katalog_danych)
    : QObject(&okno),
      okno_(okno),
      obrazy_(obrazy),
      katalog_danych_(katalog_danych),
      katalog_zdjec_(QString::fromStdString(katalog_danych + "/pic_coords")),
      katalog_satek_(QString::fromStdString(katalog_danych + "/sat_coords")),
      historia_(obrazy, okno.cofanie(), [this] { po_przywroceniu(); }),
      import_(new import_ortofotomapy(&okno, okno.pytania(), obrazy.folder_programu())) {
  // The town at once: the new origin and camera, the tiles shown.
  import_->po_imporcie = [this](const std::string& cor) {
    wczytaj_wspolrzedne_z(cor);
    okno_.satek()->ortofotomapa->setChecked(true);
  };
  polacz_panel_zdjec();
  polacz_panel_satek();
  obrazy_.po_trafieniu = [this](const trafienie_obrazka& t) { po_trafieniu(t); };
  obrazy_.po_edycji_zdjec = [this] { po_edycji(); };
  panel_ladowania* ladowania = okno_.ladowania();
  obrazy_.po_postepie = [ladowania](magazyn_satek::postep p) {
    ladowania->zaladowane->setText(QString::number(p.gotowe));
    ladowania->wszystkie->setText(QString::number(p.wszystkie));
    ladowania->setVisible(p.gotowe < p.wszystkie);
    if (p.gotowe < p.wszystkie) ladowania->raise();
  };
}

template <class F>
void polecenia_obrazow::na_wybranym(F f) {
  lista_obrazkow& l = obrazy_.zdjecia();
  if (l.wybrany() < 0) return;
  f(l);
  po_edycji();
}

void polecenia_obrazow::po_edycji() {
  const stan_myszy& m = okno_.edytor().mysz;
  if (!m.lewy_wcisniety && !m.obrot_aktywny && !okno_.zdjec()->suwak_przezroczystosci->isSliderDown())
    historia_.zatwierdz();
  okno_.po_edycji_zdjec();
}

void polecenia_obrazow::po_przywroceniu() {
  const lista_obrazkow& l = obrazy_.zdjecia();
  trafienie_obrazka t;
  if (l.wybrany() >= 0) {
    const obrazek& o = l.obrazki()[static_cast<std::size_t>(l.wybrany())];
    t = {true, o.widoczny, o.zablokowany};
  }
  po_trafieniu(t);
  okno_.po_edycji_zdjec();
}

void polecenia_obrazow::polacz_panel_zdjec() {
  panel_zdjec* p = okno_.zdjec();
  const auto klik = [this](QPushButton* b, auto f) { connect(b, &QPushButton::clicked, this, f); };
  klik(p->zamien_xy, [this] { na_wybranym([](lista_obrazkow& l) { l.przelacz_zamiane_xy(); }); });
  klik(p->odbij_x, [this] { na_wybranym([](lista_obrazkow& l) { l.odbij_x(); }); });
  klik(p->odbij_y, [this] { na_wybranym([](lista_obrazkow& l) { l.odbij_y(); }); });
  klik(p->kasuj_rotacje, [this] { na_wybranym([](lista_obrazkow& l) { l.kasuj_rotacje(); }); });
  klik(p->na_wierzch, [this] { na_wybranym([](lista_obrazkow& l) { l.na_wierzch(); }); });
  klik(p->pod_spod, [this] { na_wybranym([](lista_obrazkow& l) { l.pod_spod(); }); });
  klik(p->dodaj_z_pliku, [this] { dodaj_z_pliku(); });
  klik(p->wczytaj_calosc, [this] { wczytaj_calosc(); });
  klik(p->zapisz_calosc, [this] { zapisz_calosc(); });
  connect(p->suwak_przezroczystosci, &QSlider::valueChanged, this,
          [this](int v) { na_wybranym([v](lista_obrazkow& l) { l.ustaw_przezroczystosc(v); }); });
  connect(p->suwak_przezroczystosci, &QSlider::sliderReleased, this, [this] { po_edycji(); });
  connect(p->widoczny, &QCheckBox::toggled, this,
          [this](bool v) { na_wybranym([v](lista_obrazkow& l) { l.ustaw_widoczny(v); }); });
  connect(p->zablokowany, &QCheckBox::toggled, this,
          [this](bool v) { na_wybranym([v](lista_obrazkow& l) { l.ustaw_zablokowany(v); }); });
  connect(p->migajacy, &QCheckBox::toggled, this, [this](bool v) { obrazy_.ustaw_miganie(v); });
  connect(p->biale_linie, &QCheckBox::toggled, this, [this](bool v) {
    stan.rysowanie.biale_linie = v;
    okno_.odswiez();
  });
}

void polecenia_obrazow::polacz_panel_satek() {
  panel_satek* p = okno_.satek();
  connect(p->ortofotomapa, &QCheckBox::toggled, this, [this, p](bool v) {
    ustaw_widocznosc({p->etykieta_przezroczystosci, p->suwak_przezroczystosci, p->etykieta_x, p->pole_x,
                      p->etykieta_y, p->pole_y, p->aktualizuj_wspolrzedne, p->wczytaj, p->zapisz, p->etykieta_crs,
                      p->pole_crs, p->importuj},
                     v);
    obrazy_.pokaz_satki(v);
    if (!v) okno_.ladowania()->hide();
  });
  connect(p->suwak_przezroczystosci, &QSlider::valueChanged, this,
          [this](int v) { obrazy_.ustaw_przezroczystosc_satek(v); });
  connect(p->aktualizuj_wspolrzedne, &QPushButton::clicked, this, [this] { aktualizuj_wspolrzedne(); });
  connect(p->wczytaj, &QPushButton::clicked, this, [this] { wczytaj_wspolrzedne(); });
  connect(p->zapisz, &QPushButton::clicked, this, [this] { zapisz_wspolrzedne(); });
  p->pole_crs->setText(crs_planu());
  connect(p->pole_crs, &QLineEdit::editingFinished, this, [this] { ustaw_crs(); });
  connect(p->importuj, &QPushButton::clicked, this, [this] { import_->rozpocznij(); });
}

void polecenia_obrazow::po_trafieniu(const trafienie_obrazka& t) {
  panel_zdjec* p = okno_.zdjec();
  ustaw_widocznosc({p->widoczny, p->zablokowany}, t.trafiony);
  if (!t.trafiony) return;
  const QSignalBlocker a(p->widoczny), b(p->zablokowany);
  p->widoczny->setChecked(t.widoczny);
  p->zablokowany->setChecked(t.zablokowany);
  pokaz_przezroczystosc();
}

void polecenia_obrazow::pokaz_przezroczystosc() {
  const lista_obrazkow& l = obrazy_.zdjecia();
  if (l.wybrany() < 0) return;
  QSlider* suwak = okno_.zdjec()->suwak_przezroczystosci;
  // Showing the opacity must not apply it.
  const QSignalBlocker bez_powiadomien(suwak);
  suwak->setValue(pozycja_przezroczystosci(l.obrazki()[static_cast<std::size_t>(l.wybrany())].przezroczystosc));
}

std::string polecenia_obrazow::plik(bool zapis, const QString& katalog, const char* wzor,
                                    const char* log_anulowania) {
  dialogi& d = okno_.pytania();
  std::string sciezka = plik_z_dialogu(zapis ? d.zapisz_plik : d.otworz_plik, &okno_, katalog, wzor);
  if (sciezka.empty()) {
    if (log_anulowania) log_pisz("%s", log_anulowania);
    pokaz_komunikat(KOM_PLIK_NIE_ISTNIEJE);
  }
  return sciezka;
}

void polecenia_obrazow::wyczysc_zdjecia() {
  bool usuniete = false;
  obrazy_.z_kontekstem([&] { usuniete = obrazy_.zdjecia().usun_wszystkie(); });
  if (usuniete) po_edycji();
}

void polecenia_obrazow::usun_wybrane_zdjecie() {
  bool usuniete = false;
  obrazy_.z_kontekstem([&] { usuniete = obrazy_.zdjecia().usun_wybrany(); });
  if (!usuniete) return;
  po_trafieniu({});
  po_edycji();
}

void polecenia_obrazow::dodaj_z_pliku() {
  // Any picture may carry a georeference.
  const uslugi_map* mapy = uslugi_mapy();
  if (!mapy) return;
  const std::string sciezka = plik(false, katalog_zdjec_, WZOR_OBRAZU, nullptr);
  if (sciezka.empty()) return;
  bool dodany = false;
  obrazy_.z_kontekstem([&] {
    dodany = obrazy_.zdjecia().dodaj_z_pliku(sciezka, obrazy_.kamera());
    if (dodany) {
      const wspolrzedne_satek w = obrazy_.wspolrzedne();
      poloz_wedlug_mapy(*mapy, obrazy_.zdjecia(), sciezka, georeferencja_planu(w.kolumna, w.wiersz));
    }
  });
  if (dodany) po_edycji();
}

void polecenia_obrazow::wczytaj_calosc() {
  const std::string sciezka = plik(false, katalog_zdjec_, WZOR_PCR, "pic-coords load: brak pliku!\n");
  if (sciezka.empty()) return;
  bool wczytany = false;
  obrazy_.z_kontekstem([&] { wczytany = wczytaj_pcr(obrazy_.zdjecia(), sciezka); });
  if (!wczytany) return;
  po_trafieniu({});
  po_edycji();
}

void polecenia_obrazow::zapisz_calosc() {
  const std::string sciezka = plik(true, katalog_zdjec_, WZOR_PCR, "pic-coords save: brak pliku!\n");
  if (!sciezka.empty()) zapisz_pcr(obrazy_.zdjecia(), sciezka);
}

void polecenia_obrazow::pokaz_panel_satek() {
  const wspolrzedne_satek w = obrazy_.wspolrzedne();
  okno_.satek()->pokaz(w.kolumna, w.wiersz);
}

void polecenia_obrazow::wpisz_poczatek() {
  const wspolrzedne_satek w = obrazy_.wspolrzedne();
  panel_satek* p = okno_.satek();
  p->pole_x->setText(QString::fromStdString(liczba_na_tekst(w.kolumna, 0)));
  p->pole_y->setText(QString::fromStdString(liczba_na_tekst(w.wiersz, 0)));
}

void polecenia_obrazow::aktualizuj_wspolrzedne() {
  panel_satek* p = okno_.satek();
  const std::optional<std::int32_t> kolumna = numer_poczatku(tekst_na_liczbe(p->pole_x->text().toStdString()));
  const std::optional<std::int32_t> wiersz = numer_poczatku(tekst_na_liczbe(p->pole_y->text().toStdString()));
  if (!kolumna || !wiersz) {
    // Nothing changes: the boxes show the origin in effect again.
    pokaz_tekst("Początek ortofotomapy nie został zmieniony: X i Y muszą być liczbami od -2147483648 do "
                "2147483647 (wpisano X = " + p->pole_x->text().toStdString() + ", Y = " +
                p->pole_y->text().toStdString() + ")");
    wpisz_poczatek();
    return;
  }
  wspolrzedne_satek w = obrazy_.wspolrzedne();
  w.kolumna = *kolumna;
  w.wiersz = *wiersz;
  obrazy_.zastosuj(w);
  wpisz_poczatek();
}

void polecenia_obrazow::wczytaj_wspolrzedne() {
  const std::string sciezka = plik(false, katalog_satek_, WZOR_COR, "sat-coords load: brak pliku!\n");
  if (!sciezka.empty()) wczytaj_wspolrzedne_z(sciezka);
}

void polecenia_obrazow::wczytaj_wspolrzedne_z(const std::string& sciezka) {
  const std::optional<wspolrzedne_satek> w = wczytaj_cor(sciezka);
  if (!w) return;
  obrazy_.zastosuj(*w);
  wpisz_poczatek();
  okno_.odswiez();
}

void polecenia_obrazow::ustaw_crs() {
  QLineEdit* pole = okno_.satek()->pole_crs;
  const QString crs = pole->text().trimmed();
  if (crs == crs_planu()) return;
  const uslugi_map* mapy = uslugi_mapy();
  if (!mapy) {
    pole->setText(crs_planu());
    return;
  }
  if (const std::optional<std::string> blad = mapy->blad_crs(crs.toStdString())) {
    pokaz_tekst("Nieznany układ współrzędnych " + crs.toStdString() + ": " + *blad);
    pole->setText(crs_planu());
    return;
  }
  ustaw_crs_planu(crs);
}

void polecenia_obrazow::zapisz_wspolrzedne() {
  const std::string sciezka = plik(true, katalog_satek_, WZOR_COR, "sat-coords save: brak pliku!\n");
  if (sciezka.empty()) return;
  zapisz_cor(sciezka, obrazy_.wspolrzedne());
  wpisz_poczatek();
}

void polecenia_obrazow::wczytaj_domyslne() {
  if (const std::optional<wspolrzedne_satek> w =
          wczytaj_cor_po_cichu(katalog_danych_ + "/" +
                               std::filesystem::path(DOMYSLNY_PLIK_COR).lexically_relative("data").string())) {
    obrazy_.zastosuj(*w);
    wpisz_poczatek();
    okno_.satek()->ortofotomapa->setChecked(true);
  }
  try {
    bool stary_format = false;
    std::vector<obrazek> mapa = dekoduj_pcr(wczytaj_gz(katalog_danych_ + "/" + PLIK_MAPY), stary_format);
    obrazy_.z_kontekstem([&] { obrazy_.zdjecia().zastap(std::move(mapa)); });
  } catch (const blad_pliku&) {
    // Without the bundled map the editor starts without it.
  }
  historia_.od_nowa();
  okno_.odswiez();
}
