#pragma once

#include <future>
#include <string>

#include "app/stan.h"

class tor_uklad;

// A copy of the project written in the background. The records are taken on the calling thread,
// so the layout may change as soon as the call returns; a worker compresses them and writes the
// file beside its place and renames it, as a project save does, so a copy cut short by a crash
// leaves the previous one whole.
class kopia_w_tle {
 public:
  kopia_w_tle() = default;
  kopia_w_tle(const kopia_w_tle&) = delete;
  kopia_w_tle& operator=(const kopia_w_tle&) = delete;
  // Waits for a copy under way: its file is never left to a thread that outlives its owner.
  ~kopia_w_tle();

  // Starts a copy; false, with nothing started, while the previous one is still being written.
  bool zacznij(const std::string& sciezka, const tor_uklad& tor, const trasa_info& trasa);
  bool w_toku() const;
  // Waits for the last copy started: its fault, "" when it was written or none was started.
  std::string czekaj();

 private:
  std::future<std::string> zapis_;
};
