#include "ui/stos_cofania.h"

#include <QUndoCommand>

#include "app/log.h"

namespace {

// One step of the history. It is pushed after its edit is done, so its first redo does nothing.
class polecenie_kroku : public QUndoCommand {
 public:
  polecenie_kroku(dokument& dok, const krok_historii& krok) : dok_(dok), krok_(krok) {}

  void undo() override {
    if (!dok_.cofnij(krok_)) odrzucony();
  }
  void redo() override {
    if (przy_wstawieniu_) {
      przy_wstawieniu_ = false;
      return;
    }
    if (!dok_.ponow(krok_)) odrzucony();
  }

 private:
  // The layout is not at the state the step joins: the stack drops the step rather than
  // patching records that are not there.
  void odrzucony() {
    log_pisz("!!! krok historii nie pasuje do stanu ukladu\n");
    setObsolete(true);
  }

  dokument& dok_;
  krok_historii krok_;
  bool przy_wstawieniu_ = true;
};

}  // namespace

stos_cofania::stos_cofania(dokument& dok, QObject* rodzic) : QObject(rodzic), dok_(dok) {
  dok_.ustaw_odbiorce(this);
}

stos_cofania::~stos_cofania() { dok_.ustaw_odbiorce(nullptr); }

void stos_cofania::cofnij() {
  if (!stos_.canUndo()) return;
  stos_.undo();
  emit zmieniono();
}

void stos_cofania::ponow() {
  if (!stos_.canRedo()) return;
  stos_.redo();
  emit zmieniono();
}

void stos_cofania::dodaj(QUndoCommand* krok) {
  stos_.push(krok);
  emit zmieniono();
}

void stos_cofania::krok(const krok_historii& krok) { dodaj(new polecenie_kroku(dok_, krok)); }

void stos_cofania::nowa_historia() { stos_.clear(); }
