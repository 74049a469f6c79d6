// The numbered messages: their texts, the log line and the receiver.
#include <gtest/gtest.h>

#include <string>

#include "app/komunikaty.h"
#include "support/log_tymczasowy.h"
#include "support/rejestrator_komunikatow.h"

namespace {

TEST(Komunikaty, TekstyWedlugKodu) {
  EXPECT_STREQ(tekst_komunikatu(2), "Nie można łączyć torów o róznym prześwicie!");
  EXPECT_STREQ(tekst_komunikatu(3), "Punkt może mieć najwyżej dwa połączenia!");
  EXPECT_STREQ(tekst_komunikatu(4), "Punkt może mieć najwyżej dwa połączenia. Punkty nie zostały połaczone!");
  EXPECT_STREQ(tekst_komunikatu(12),
               "Uwaga! Promienie łuków poniżej 20 m nie są obecnie już używane! (pocja tylko dla rekonstrukcji "
               "historycznych)");
  EXPECT_STREQ(tekst_komunikatu(19),
               "Edytowany ukałd torów ma błąd geometrii zaznaczony czerwonym kolorem. Aby wyeksportować dane układ "
               "musi być w pełni poprawny.");
  EXPECT_STREQ(tekst_komunikatu(22), "Nie można bezpośrednio łaczyć dwóch bloków. Punkty nie zostały połaczone!");
  EXPECT_STREQ(tekst_komunikatu(26), "Aby zrównoleglić elementy należy zaznaczyć tylko jeden odcinek wzorcowy!");
  EXPECT_STREQ(tekst_komunikatu(27), "Aby zrównoleglić element należy dokładnie na niego wskazać!");
  EXPECT_STREQ(tekst_komunikatu(28), "Zdarzenie stawia się na torze: kliknij bliżej osi toru.");
  for (unsigned pusty : {0u, 13u, 29u, 1000u}) EXPECT_STREQ(tekst_komunikatu(pusty), "") << pusty;
  EXPECT_STREQ(TYTUL_KOMUNIKATU, "Uwaga!");
}

TEST(Komunikaty, KodWLoguTekstDoOdbiorcy) {
  log_tymczasowy log;
  rejestrator_komunikatow komunikaty;
  pokaz_komunikat(KOM_TRASA_DOBRA);
  pokaz_komunikat(29);
  pokaz_komunikat(0);
  EXPECT_EQ(log.tresc(), "#komunikat: 20\n#komunikat: 29\n#komunikat: 0\n");
  EXPECT_EQ(komunikaty.kody, (std::vector<unsigned>{20, 29, 0}));
  EXPECT_EQ(komunikaty.teksty, (std::vector<std::string>{"Trasa jest dobra.", "", ""}));
}

TEST(Komunikaty, OdbiorcaPrzywracanyPoRejestratorze) {
  rejestrator_komunikatow zewnetrzny;
  {
    rejestrator_komunikatow wewnetrzny;
    pokaz_komunikat(1);
    EXPECT_EQ(wewnetrzny.kody.size(), 1u);
  }
  pokaz_komunikat(7);
  EXPECT_EQ(zewnetrzny.kody, std::vector<unsigned>{7});
}

}  // namespace
