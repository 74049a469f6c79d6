#pragma once

#include <QString>

class okno_glowne;

// Once the plan has drawn a whole frame with every tile in view loaded, writes the whole window
// (menu, plan and panels) as a PNG and ends the event loop: with 0, or with 1 after a message on
// stderr when the file cannot be written.
void zrzut_po_klatce(okno_glowne& okno, const QString& sciezka);
