#include "app/komunikaty.h"

#include <iterator>
#include <utility>

#include "app/log.h"

namespace {

const char* const teksty[] = {
    "",
    "Nie można dodać punktu poza mapą!",
    "Nie można łączyć torów o róznym prześwicie!",
    "Punkt może mieć najwyżej dwa połączenia!",
    "Punkt może mieć najwyżej dwa połączenia. Punkty nie zostały połaczone!",
    "xxx!",
    "Musisz wybrać rysunek by go usunąć.",
    "Wszystkie rysunki są już usunięte!",
    "Podany plik nie istnieje!",
    "Zapis się nie powiódł!",
    "Bufor jest pusty!",
    "Vialtor nie może dokonac zapisu bufora na dysku!",
    "Uwaga! Promienie łuków poniżej 20 m nie są obecnie już używane! (pocja tylko dla "
    "rekonstrukcji historycznych)",
    "",
    "Uwaga! Promienie łuków poniżej 25 m mogą być użyte tylko w zajezdniach i torach "
    "gospodarczych wyjątkowo!",
    "Uwaga! Prześwit obecnie nieużywany! Tylko dla rekonstrukcji dawnego Krakowa.",
    "Uwaga! Prześwit obecnie nieużywany! Tylko dla rekonstrukcji dawnego Śląska.",
    "Uwaga! Prześwit obecnie nieużywany! Tylko dla rekonstrukcji dawnej Warszawy.",
    "Aby zapisać obiekt 3d należy najpierw właczyć jego podgląd.",
    "Edytowany ukałd torów ma błąd geometrii zaznaczony czerwonym kolorem. Aby wyeksportować "
    "dane układ musi być w pełni poprawny.",
    "Trasa jest dobra.",
    "Wystąpił błąd geometrii toru (oznaczony czerwonym kolorem)",
    "Nie można bezpośrednio łaczyć dwóch bloków. Punkty nie zostały połaczone!",
    "Aby projekt był kompatybilny należy wymienić rozjazdy w całem projekcie",
    "Wczytywany plik nie jest formatem Vialtor",
    "Nie znaleziono szablonu spełniającego takie kryteria!",
    "Aby zrównoleglić elementy należy zaznaczyć tylko jeden odcinek wzorcowy!",
    "Aby zrównoleglić element należy dokładnie na niego wskazać!",
    "Zdarzenie stawia się na torze: kliknij bliżej osi toru.",
};

odbiorca_komunikatow odbiorca_biezacy;

}  // namespace

const char* tekst_komunikatu(unsigned kod) {
  return kod < std::size(teksty) ? teksty[kod] : "";
}

odbiorca_komunikatow ustaw_odbiorce_komunikatow(odbiorca_komunikatow odbiorca) {
  return std::exchange(odbiorca_biezacy, std::move(odbiorca));
}

void pokaz_komunikat(unsigned kod) {
  log_pisz("#komunikat: %d\n", kod);
  if (odbiorca_biezacy) odbiorca_biezacy(kod, tekst_komunikatu(kod));
}

void pokaz_tekst(const std::string& tekst) {
  log_pisz("!!! %s\n", tekst.c_str());
  if (odbiorca_biezacy) odbiorca_biezacy(KOM_TEKST, tekst);
}
