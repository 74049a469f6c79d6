#include "ui/menu_analizy.h"

#include <QAction>
#include <QMenu>

#include "ui/menu_glowne.h"

namespace {
// Items are made by their popup, which owns them.
QAction* na_koniec(const QAction* z_menu, const char* nazwa, const char* tekst, QKeyCombination skrot) {
  QAction* a = static_cast<QMenu*>(z_menu->parent())->addAction(QString::fromUtf8(tekst));
  a->setObjectName(nazwa);
  a->setShortcut(QKeySequence(skrot));
  return a;
}
}  // namespace

menu_analizy dodaj_menu_analizy(const menu_glowne& menu) {
  return {na_koniec(menu.ustaw_rownolegle, "lista_problemow", "&Lista problemów", Qt::CTRL | Qt::Key_L),
          na_koniec(menu.pokaz_zaznaczone, "profil_wysokosci", "Profil &wysokości", Qt::CTRL | Qt::Key_P)};
}
