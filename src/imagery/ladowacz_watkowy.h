#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "imagery/satki.h"

// Decodes tiles on a worker thread of its own, in the order they were asked for. A tile is the
// first of the folders that has the file; a tile no folder has comes back empty, without a
// message. `nowa_satka` is called on the worker thread after each tile (to ask the window for
// a frame); it must not call back into the loader.
class ladowacz_watkowy : public ladowacz_satek {
 public:
  ladowacz_watkowy(std::vector<std::string> katalogi, int maks_bok, std::function<void()> nowa_satka);
  ~ladowacz_watkowy() override;

  void zlec(zlecenie z) override;
  std::vector<wynik> odbierz() override;
  void porzuc_zlecone() override;

 private:
  void pracuj();
  std::optional<obraz> dekoduj(const std::string& nazwa) const;

  const std::vector<std::string> katalogi_;
  const int maks_bok_;
  const std::function<void()> nowa_satka_;
  std::mutex mutex_;
  std::condition_variable praca_;
  std::deque<zlecenie> kolejka_;
  std::vector<wynik> wyniki_;
  bool koniec_ = false;
  std::thread watek_;  // last: starts when everything above exists
};
