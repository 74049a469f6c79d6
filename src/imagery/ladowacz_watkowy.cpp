#include "imagery/ladowacz_watkowy.h"

#include <sys/stat.h>

#include <utility>

#include "imagery/wczytaj_obraz.h"

ladowacz_watkowy::ladowacz_watkowy(std::vector<std::string> katalogi, int maks_bok, std::function<void()> nowa_satka)
    : katalogi_(std::move(katalogi)),
      maks_bok_(maks_bok),
      nowa_satka_(std::move(nowa_satka)),
      watek_([this] { pracuj(); }) {}

ladowacz_watkowy::~ladowacz_watkowy() {
  {
    std::lock_guard<std::mutex> blokada(mutex_);
    koniec_ = true;
    kolejka_.clear();
  }
  praca_.notify_one();
  watek_.join();
}

void ladowacz_watkowy::zlec(zlecenie z) {
  {
    std::lock_guard<std::mutex> blokada(mutex_);
    kolejka_.push_back(std::move(z));
  }
  praca_.notify_one();
}

std::vector<ladowacz_satek::wynik> ladowacz_watkowy::odbierz() {
  std::lock_guard<std::mutex> blokada(mutex_);
  return std::exchange(wyniki_, {});
}

void ladowacz_watkowy::porzuc_zlecone() {
  std::lock_guard<std::mutex> blokada(mutex_);
  kolejka_.clear();
}

std::optional<obraz> ladowacz_watkowy::dekoduj(const std::string& nazwa) const {
  for (const std::string& katalog : katalogi_) {
    const std::string sciezka = katalog + "/" + nazwa;
    struct stat st;
    if (::stat(sciezka.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return wczytaj_obraz(sciezka, maks_bok_);
  }
  return std::nullopt;
}

void ladowacz_watkowy::pracuj() {
  std::unique_lock<std::mutex> blokada(mutex_);
  for (;;) {
    praca_.wait(blokada, [this] { return koniec_ || !kolejka_.empty(); });
    if (koniec_) return;
    zlecenie z = std::move(kolejka_.front());
    kolejka_.pop_front();
    blokada.unlock();
    wynik w{z.i, z.j, z.pokolenie, dekoduj(z.nazwa)};
    blokada.lock();
    wyniki_.push_back(std::move(w));
    if (nowa_satka_) {
      blokada.unlock();
      nowa_satka_();
      blokada.lock();
    }
  }
}
