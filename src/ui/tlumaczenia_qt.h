#pragma once

class QTranslator;
class QObject;

// Qt's own texts (the file dialogs, the standard buttons) in Polish, from Qt's translations
// where they are installed: the translator is installed and owned by `wlasciciel`. Without
// them the texts stay English and nullptr comes back.
QTranslator* wczytaj_tlumaczenia_qt(QObject* wlasciciel);
