#pragma once

#include <QStringList>
#include <memory>
#include <optional>
#include <string>

class dokument;
class okno_glowne;

// What the command line asks for: a file to open after start-up, a picture of the window to
// write after the first frame (then the program ends), and the interval of the recovery copy
// when not the usual one.
struct opcje_uruchomienia {
  std::string plik;
  std::string zrzut;
  std::optional<int> autozapis_ms;
};

// Reads the command line; --help and unknown options print and end the program.
opcje_uruchomienia czytaj_wiersz_polecen(const QStringList& argumenty);

// The GL context the plan view needs (fixed-function drawing): set before QApplication exists.
void ustaw_format_gl();

// The data folder: the one found beside or above the program, else "data" in the working
// directory (whose absence the template loader then reports).
std::string katalog_danych_programu();

// The start-up steps that need the plan's GL context: the template library, the event symbol
// texture, the start time, what the context reports, then "main loop".
void po_utworzeniu_kontekstu(okno_glowne& okno, dokument& dok, const std::string& katalog_danych);

// A file named on the command line: opened as its menu command would, then the whole layout
// framed as "&Pokaż wszystko" does.
void otworz_z_wiersza_polecen(okno_glowne& okno, const std::string& plik);

// After the event loop: textures go while their context is current, the window goes, the track
// layout is emptied and the log closed.
void zamknij_program(std::unique_ptr<okno_glowne> okno, dokument& dok);
