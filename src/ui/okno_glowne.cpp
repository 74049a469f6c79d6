#include "ui/okno_glowne.h"

#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include "dokument/dokument.h"
#include "ui/import_osm_edytora.h"
#include "ui/klawisze_planu.h"
#include "ui/menu_analizy.h"
#include "ui/mysz_planu.h"
#include "ui/kontrolki.h"
#include "ui/obrazy_planu.h"
#include "ui/okno_problemow.h"
#include "ui/okno_profilu.h"
#include "ui/okno_trasy.h"
#include "ui/panel_ladowania.h"
#include "ui/panel_prawy.h"
#include "ui/panel_satek.h"
#include "ui/panel_szablonow.h"
#include "ui/panel_torow.h"
#include "ui/panel_zaznaczenia.h"
#include "ui/panel_zdarzen.h"
#include "ui/panel_zdjec.h"
#include "ui/polecenia_obrazow.h"
#include "ui/powrot_aktywnosci.h"
#include "ui/stos_cofania.h"
#include "ui/widok_planu.h"
#include "view/stan_edytora.h"

namespace {
// The strip of panels below the plan.
constexpr int WYSOKOSC_PANELI = 116;
// "&Wybierz element" puts the cursor over the templates panel.
const QPoint KURSOR_NAD_SZABLONAMI(396, 652);
}  // namespace

okno_glowne::okno_glowne(dokument& dok, stan_edytora& edytor, const std::string& katalog_danych)
    : dok_(dok), edytor_(edytor), pytania_(dialogi_qt()), pliki_(dok, pytania_, this, katalog_danych) {
  setObjectName("okno_glowne");
  setWindowTitle("Vialtor v0.95121");
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  QFont czcionka = font();
  czcionka.setPixelSize(11);
  czcionka.setStretch(80);
  setFont(czcionka);

  menu_ = zbuduj_menu(menuBar());
  cofanie_ = std::make_unique<stos_cofania>(dok_);

  obszar_ = new QWidget(this);
  obszar_->setObjectName("obszar");
  obszar_->setFixedSize(SZEROKOSC_WIDOKU, WYSOKOSC_WIDOKU + WYSOKOSC_PANELI);
  setCentralWidget(obszar_);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  plan_ = new widok_planu(dok, edytor, obszar_);
  plan_->setObjectName("plan");
  plan_->move(0, 0);
  // A click on the plan takes the keys back from an edit box.
  plan_->setFocusPolicy(Qt::ClickFocus);
  torow_ = new panel_torow(obszar_);
  prawy_ = new panel_prawy(obszar_);
  zdjec_ = new panel_zdjec(obszar_);
  zdarzen_ = new panel_zdarzen(obszar_, katalog_danych);
  szablonow_ = new panel_szablonow(obszar_);
  satek_ = new panel_satek(obszar_);
  trasy_ = new okno_trasy(obszar_);
  ladowania_ = new panel_ladowania(obszar_);
  obrazy_ = std::make_unique<obrazy_planu>(*plan_, edytor_, katalog_danych);
  plan_->ustaw_obrazy(obrazy_.get());
  polecenia_obrazow_ = new polecenia_obrazow(*this, *obrazy_, katalog_danych);
  import_osm_ = std::make_unique<import_osm_edytora>(*this, katalog_danych);

  zaznaczenie_ = std::make_unique<panel_zaznaczenia>(*prawy_, *torow_);
  dok_.tor.panel = zaznaczenie_.get();
  mysz_ = new mysz_planu(*plan_, dok_, edytor_);
  mysz_->edycja().ustaw_zdjecia(obrazy_.get());
  mysz_->edycja().wpisz_wartosci = [this](double a, double b) { zaznaczenie_->wpisz_wartosci(a, b); };

  polacz_menu();
  // The windows over the whole layout: beside the plan, owned by this window.
  const menu_analizy analizy = dodaj_menu_analizy(menu_);
  auto* problemy = new okno_problemow(*this);
  auto* profil = new okno_profilu(*this, katalog_danych);
  connect(analizy.lista_problemow, &QAction::triggered, problemy, &okno_problemow::pokaz);
  connect(analizy.profil_wysokosci, &QAction::triggered, profil, &okno_profilu::pokaz_dla_zaznaczenia);
  torow_->podlacz(*this);
  prawy_->podlacz(*this);
  szablonow_->podlacz(*this);
  trasy_->podlacz(*this);
  zdarzen_->podlacz(*this);
  connect(szablonow_->koniec_wyboru, &QPushButton::clicked, this, [this] { zakoncz_wybor_szablonu(); });
  connect(satek_->zamknij, &QPushButton::clicked, satek_, &QWidget::hide);
  connect(trasy_->zamknij, &QPushButton::clicked, trasy_, &QWidget::hide);

  poprzedni_odbiorca_ = ustaw_odbiorce_komunikatow(
      [this](unsigned, const std::string& tekst) { pytania_.pokaz(this, QString::fromStdString(tekst)); });
  klawisze_ = std::make_unique<klawisze_planu>(*this, edytor_);
  powrot_aktywnosci_ = std::make_unique<powrot_aktywnosci>(*this, std::vector<QAction*>{menu_.cofnij, menu_.ponow});
  move(0, 0);
}

okno_glowne::~okno_glowne() {
  klawisze_.reset();
  // Textures go while the plan and its context still exist.
  plan_->ustaw_obrazy(nullptr);
  obrazy_.reset();
  dok_.tor.panel = nullptr;
  ustaw_odbiorce_komunikatow(std::move(poprzedni_odbiorca_));
}

void okno_glowne::polacz_menu() {
  const auto pod = [this](QAction* a, auto polecenie) { connect(a, &QAction::triggered, this, polecenie); };
  pod(menu_.wyczysc_tory, [this] { polecenie_pliku(&pliki_projektu::wyczysc_tory); });
  pod(menu_.wyczysc_zdjecia, [this] { polecenia_obrazow_->wyczysc_zdjecia(); });
  pod(menu_.wczytaj_projekt, [this] { polecenie_pliku(&pliki_projektu::wczytaj); });
  pod(menu_.dodaj_do_projektu, [this] { polecenie_pliku(&pliki_projektu::dodaj); });
  pod(menu_.zapisz_projekt, [this] { polecenie_pliku(&pliki_projektu::zapisz); });
  pod(menu_.testuj_geometrie, [this] { testuj_geometrie(); });
  pod(menu_.informacje_o_trasie, [this] { informacje_o_trasie(); });
  pod(menu_.importuj_vxp, [this] { polecenie_pliku(&pliki_projektu::importuj_vxp); });
  pod(menu_.importuj_txt, [this] { polecenie_pliku(&pliki_projektu::importuj_txt); });
  pod(menu_.importuj_osm, [this] { import_osm_->uruchom(); });
  pod(menu_.eksportuj, [this] { polecenie_pliku(&pliki_projektu::eksportuj); });
  pod(menu_.ortofotomapa, [this] { polecenia_obrazow_->pokaz_panel_satek(); });
  pod(menu_.wyjscie, [this] { close(); });
  pod(menu_.tryb_tory, [this] { ustaw_tryb_edycji(TRYB_TORY); });
  pod(menu_.tryb_zdjecia, [this] { ustaw_tryb_edycji(TRYB_ZDJECIA); });
  pod(menu_.tryb_zdarzenia, [this] { ustaw_tryb_edycji(TRYB_ZDARZENIA); });
  pod(menu_.wstaw_element, [this] { wstaw_element(); });
  pod(menu_.wybierz_element, [this] { wybierz_element(); });
  pod(menu_.zaznacz_wszystko, [this] {
    dok_.tor.zaznacz_wszystko();
    odswiez();
  });
  pod(menu_.odznacz_wszystko, [this] {
    dok_.tor.odznacz_wszystko();
    odswiez();
  });
  pod(menu_.odwroc_zaznaczenie, [this] {
    dok_.tor.odwroc_zaznaczenie();
    odswiez();
  });
  pod(menu_.ustaw_rownolegle, [this] { ustaw_rownolegle(); });
  pod(menu_.pokaz_wszystko, [this] { pokaz_wszystko(); });
  pod(menu_.pokaz_zaznaczone, [this] { pokaz_zaznaczone(); });
  pod(menu_.cofnij, [this] { cofnij(); });
  pod(menu_.ponow, [this] { ponow(); });
  connect(&cofanie_->stos(), &QUndoStack::canUndoChanged, menu_.cofnij, &QAction::setEnabled);
  connect(&cofanie_->stos(), &QUndoStack::canRedoChanged, menu_.ponow, &QAction::setEnabled);
}

void okno_glowne::polecenie_pliku(void (pliki_projektu::*polecenie)()) {
  const auto wersja = dok_.wersja();
  (pliki_.*polecenie)();
  if (dok_.wersja() == wersja) return;
  // The layout may be another one now: nothing of the old selection stays on the panels.
  mysz_->edycja().po_poleceniu(true);
  plan_->update();
}

void okno_glowne::odswiez() {
  mysz_->edycja().po_poleceniu(false);
  plan_->update();
}

void okno_glowne::po_edycji() {
  dok_.zmiana();
  po_zatwierdzeniu();
}

void okno_glowne::po_edycji(const zakres_zmiany& zakres) {
  dok_.zmiana(zakres);
  po_zatwierdzeniu();
}

void okno_glowne::po_zatwierdzeniu() {
  mysz_->edycja().po_poleceniu(true);
  plan_->update();
}

void okno_glowne::po_edycji_zdjec() { plan_->update(); }

void okno_glowne::testuj_geometrie() {
  if (dok_.tor.sprawdz_geometrie()) {
    pokaz_komunikat(KOM_TRASA_DOBRA);
    return;
  }
  double x = 0, y = 0;
  dok_.tor.znajdz_blad(x, y);
  edytor_.kamera.przes_x = -x;
  edytor_.kamera.przes_y = -y;
  odswiez();
  pokaz_komunikat(KOM_BLAD_GEOMETRII);
}

void okno_glowne::informacje_o_trasie() { trasy_->pokaz(dok_.tor.dlugosc_trasy(), dok_.trasa); }

void okno_glowne::ustaw_tryb_edycji(int tryb) {
  edytor_.tryb_edycji = tryb;
  // While a template is chosen the bottom panels stay covered; its end shows the mode's panel.
  if (!edytor_.tryb_szablonu) pokaz_panel_trybu();
  menu_.tryb_tory->setEnabled(tryb != TRYB_TORY);
  menu_.tryb_zdjecia->setEnabled(tryb != TRYB_ZDJECIA);
  menu_.tryb_zdarzenia->setEnabled(tryb != TRYB_ZDARZENIA);
  torow_->ukryj_wybor();
  prawy_->ukryj_wybor();
  odswiez();
}

void okno_glowne::wstaw_element() {
  const int elementy = dok_.tor.emax();
  dok_.tor.wstaw_szablon(-edytor_.kamera.przes_x, -edytor_.kamera.przes_y);
  if (dok_.tor.emax() != elementy) po_edycji();
}

void okno_glowne::wybierz_element() {
  if (dok_.tor.szab_max() == 0) {
    pokaz_komunikat(KOM_BRAK_SZABLONU);
    return;
  }
  QCursor::setPos(obszar_->mapToGlobal(KURSOR_NAD_SZABLONAMI));
  ustaw_widocznosc({torow_, zdjec_, zdarzen_, prawy_}, false);
  szablonow_->show();
  pokaz_nazwe_szablonu();
  edytor_.tryb_szablonu = true;
  odswiez();
}

void okno_glowne::zakoncz_wybor_szablonu() {
  if (!edytor_.tryb_szablonu) return;
  szablonow_->hide();
  pokaz_panel_trybu();
  prawy_->show();
  edytor_.tryb_szablonu = false;
  odswiez();
}

void okno_glowne::krok_szablonu(bool dalej) {
  const int przed = dok_.tor.szab_akt;
  const bool jest = dalej ? dok_.tor.nastepny_pasujacy(edytor_.rodzaj_transportu, edytor_.przeswit_szablonu,
                                                        edytor_.rodzaj_szablonu)
                          : dok_.tor.poprzedni_pasujacy(edytor_.rodzaj_transportu, edytor_.przeswit_szablonu,
                                                         edytor_.rodzaj_szablonu);
  if (!jest) {
    // The search has moved on; the shown template stays.
    dok_.tor.szab_akt = przed;
    pokaz_komunikat(KOM_BRAK_SZABLONU);
    return;
  }
  (edytor_.rodzaj_transportu == TRANSPORT_TRAMWAJ ? edytor_.szab_akt_tramwaj : edytor_.szab_akt_kolej) =
      dok_.tor.szab_akt;
  pokaz_nazwe_szablonu();
  odswiez();
}

void okno_glowne::pokaz_panel_trybu() {
  torow_->setVisible(edytor_.tryb_edycji == TRYB_TORY);
  zdjec_->setVisible(edytor_.tryb_edycji == TRYB_ZDJECIA);
  zdarzen_->setVisible(edytor_.tryb_edycji == TRYB_ZDARZENIA);
}

void okno_glowne::pokaz_nazwe_szablonu() {
  szablonow_->opis->setText(QString::fromStdString(dok_.tor.nazwa_szablonu()));
}

void okno_glowne::usun_zaznaczone() {
  if (edytor_.tryb_edycji == TRYB_ZDJECIA) {
    polecenia_obrazow_->usun_wybrane_zdjecie();
    return;
  }
  if (edytor_.tryb_edycji == TRYB_ZDARZENIA) {
    if (const auto zakres = mysz_->edycja().zdarzenia().usun_wybrane()) po_edycji(*zakres);
    return;
  }
  const int punkty = dok_.tor.pmax(), linie = dok_.tor.lmax();
  dok_.tor.usun_zaznaczone();
  if (dok_.tor.pmax() != punkty || dok_.tor.lmax() != linie) po_edycji();
}

void okno_glowne::ustaw_rownolegle() {
  if (dok_.tor.ile_zaznaczonych_linii() != 1) {
    pokaz_komunikat(KOM_JEDEN_WZORZEC);
    return;
  }
  edytor_.mysz.czeka_rownolegle = true;
  odswiez();
}

void okno_glowne::pokaz_wszystko() {
  ustaw_kadr(edytor_.kamera, dok_.tor.pokaz_wszystko());
  odswiez();
}

void okno_glowne::pokaz_zaznaczone() {
  ustaw_kadr(edytor_.kamera, dok_.tor.pokaz_zaznaczone());
  odswiez();
}

void okno_glowne::cofnij() {
  // A drag or a rotation becomes a step at its release; until then there is none to go back over.
  if (edytor_.mysz.lewy_wcisniety || edytor_.mysz.obrot_aktywny) return;
  cofanie_->cofnij();
  odswiez();
}

void okno_glowne::ponow() {
  if (edytor_.mysz.lewy_wcisniety || edytor_.mysz.obrot_aktywny) return;
  cofanie_->ponow();
  odswiez();
}

void okno_glowne::closeEvent(QCloseEvent* zdarzenie) {
  if (pliki_.mozna_porzucic())
    zdarzenie->accept();
  else
    zdarzenie->ignore();
}
