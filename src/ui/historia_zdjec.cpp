#include "ui/historia_zdjec.h"

#include <QUndoCommand>

#include "ui/obrazy_planu.h"
#include "ui/stos_cofania.h"

namespace {

// Pushed after its change is done, so its first redo does nothing.
class polecenie_zdjec : public QUndoCommand {
 public:
  polecenie_zdjec(historia_zdjec& historia, std::vector<obrazek> przed, std::vector<obrazek> po)
      : historia_(historia), przed_(std::move(przed)), po_(std::move(po)) {}

  void undo() override { historia_.przywroc(przed_); }
  void redo() override {
    if (przy_wstawieniu_) {
      przy_wstawieniu_ = false;
      return;
    }
    historia_.przywroc(po_);
  }

 private:
  historia_zdjec& historia_;
  const std::vector<obrazek> przed_, po_;
  bool przy_wstawieniu_ = true;
};

}  // namespace

historia_zdjec::historia_zdjec(obrazy_planu& obrazy, stos_cofania& stos, std::function<void()> po_przywroceniu)
    : obrazy_(obrazy), stos_(stos), po_przywroceniu_(std::move(po_przywroceniu)), opis_(obrazy.zdjecia().opis()) {}

void historia_zdjec::zatwierdz() {
  std::vector<obrazek> teraz = obrazy_.zdjecia().opis();
  if (teraz == opis_) return;
  std::vector<obrazek> przed = std::exchange(opis_, teraz);
  stos_.dodaj(new polecenie_zdjec(*this, std::move(przed), std::move(teraz)));
}

void historia_zdjec::od_nowa() { opis_ = obrazy_.zdjecia().opis(); }

void historia_zdjec::przywroc(const std::vector<obrazek>& opis) {
  obrazy_.z_kontekstem([&] { obrazy_.zdjecia().przywroc(opis); });
  opis_ = opis;
  po_przywroceniu_();
}
