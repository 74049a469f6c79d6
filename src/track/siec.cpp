#include "track/siec.h"

void siec_uklad::dodaj_punkt(double x, double y, double z) {
  w_punkt* nowy = utworz_punkt(x, y, z);
  dodaj_do_p(nowy);
  for (w_punkt* punkt : p) punkt->ZAZNACZ(false);
  nowy->ZAZNACZ(true);
}

void siec_uklad::scal() {
  punkt_kursor = -1;
  punkt_docelowy = nullptr;
}

w_linia* siec_uklad::polacz_przewodem(w_punkt* a, w_punkt* b, std::int32_t typ) {
  if (a == b) return nullptr;
  if (w_linia* istniejaca = linia_miedzy(a, b)) return istniejaca;
  auto* nowa = new siec_linia(a, b, typ);
  dodaj_do_l(nowa);
  return nowa;
}
