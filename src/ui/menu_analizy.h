#pragma once

class QAction;
struct menu_glowne;

// The items of the windows that look over the whole layout: "Lista problemów" (Ctrl+L) at the
// end of "&Narzedzia" and "Profil wysokości" (Ctrl+P) at the end of "&Widok".
struct menu_analizy {
  QAction* lista_problemow;
  QAction* profil_wysokosci;
};

menu_analizy dodaj_menu_analizy(const menu_glowne& menu);
