#pragma once

#include <QObject>
#include <QUndoStack>

#include "dokument/dokument.h"

// The editor's undo and redo: every step the document makes, from whichever path of the editor,
// becomes a command of a QUndoStack whose undo and redo patch the layout back and forth through
// the document. A new history (load, clear, import) empties it.
class stos_cofania : public QObject, public odbiorca_krokow {
  Q_OBJECT
 public:
  explicit stos_cofania(dokument& dok, QObject* rodzic = nullptr);
  ~stos_cofania() override;

  // For the menu: canUndoChanged, canRedoChanged, count.
  const QUndoStack& stos() const { return stos_; }

  // Back over the last step, forward over the next; nothing when there is none.
  void cofnij();
  void ponow();

  // A step of something the document does not hold (the pictures), done already: its first
  // redo must do nothing.
  void dodaj(QUndoCommand* krok);

  void krok(const krok_historii& krok) override;
  void nowa_historia() override;

 signals:
  // The document changed by a new step, an undo or a redo.
  void zmieniono();

 private:
  dokument& dok_;
  QUndoStack stos_;
};
