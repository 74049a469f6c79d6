#include <QApplication>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <memory>

#include "dokument/dokument.h"
#include "app/log.h"
#include "ui/autozapis.h"
#include "ui/okno_glowne.h"
#include "ui/tlumaczenia_qt.h"
#include "ui/uruchomienie.h"
#include "ui/ustawienia.h"
#include "ui/widok_planu.h"
#include "ui/zrzut_okna.h"
#include "view/stan_edytora.h"

int main(int argc, char** argv) {
  ustaw_format_gl();
  QApplication aplikacja(argc, argv);
  wczytaj_tlumaczenia_qt(&aplikacja);
  nazwij_ustawienia();
  // Files and boxes always use a decimal point, whatever the user's locale.
  std::setlocale(LC_NUMERIC, "C");
  const opcje_uruchomienia opcje = czytaj_wiersz_polecen(QApplication::arguments());

  log_otworz("!log.txt");
  log_pisz("start\n");
  const std::string katalog_danych = katalog_danych_programu();
  dokument dok;
  stan_edytora edytor;
  auto okno = std::make_unique<okno_glowne>(dok, edytor, katalog_danych);
  // A picture run leaves the recovery copy of an editing run alone.
  std::unique_ptr<autozapis> kopia;
  if (opcje.zrzut.empty()) {
    kopia = std::make_unique<autozapis>(dok, katalog_autozapisu(), opcje.autozapis_ms.value_or(autozapis::ODSTEP_MS));
    podlacz_autozapis(*okno, dok, *kopia);
  }
  if (!opcje.zrzut.empty()) {
    // Nobody is there to close a message box: messages go to stderr.
    okno->pytania().pokaz = [](QWidget*, const QString& tekst) {
      std::fprintf(stderr, "Uwaga! %s\n", tekst.toUtf8().constData());
    };
  }
  QObject::connect(
      okno->plan(), &widok_planu::zainicjowany, okno.get(),
      [&] {
        po_utworzeniu_kontekstu(*okno, dok, katalog_danych);
        // From the event loop, not from inside the context's set-up: opening may show a message.
        QTimer::singleShot(0, okno.get(), [&] {
          if (kopia) kopia->zglos_niedostepnosc();
          const bool odzyskany = kopia && zaproponuj_odzyskanie(*okno, dok, *kopia);
          // Restored work is not given up for the named file without asking.
          if (!opcje.plik.empty() && (!odzyskany || okno->pliki().mozna_porzucic()))
            otworz_z_wiersza_polecen(*okno, opcje.plik);
          if (!opcje.zrzut.empty()) zrzut_po_klatce(*okno, QString::fromStdString(opcje.zrzut));
        });
      },
      Qt::SingleShotConnection);
  okno->show();
  const int kod = aplikacja.exec();
  // A clean exit: nothing is left to recover.
  if (kopia) kopia->zakoncz();
  kopia.reset();
  zamknij_program(std::move(okno), dok);
  return kod;
}
