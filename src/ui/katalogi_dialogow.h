#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

// The settings group of the folders last used by the file dialogs, one key per kind of file.
inline constexpr const char* GRUPA_KATALOGOW_DIALOGOW = "dialogi";

// A file dialog of `dialogi` (otworz_plik or zapisz_plik).
using dialog_pliku = std::function<std::string(QWidget* rodzic, const QString& katalog, const QString& wzor)>;

// The folder a dialog for files of the pattern `wzor` opens on: the folder of the file last
// chosen for that kind, while it exists; else the bundled folder `dolaczony` when it can be
// written to; else the user's own folder of the same name (~/.local/share/vialtor/NAME, made
// now), from which the bundled files stay reachable through the dialog's side bar.
QString katalog_dialogu(const QString& wzor, const QString& dolaczony);

// Asks `dialog` for a file of the kind `wzor`, opening on katalog_dialogu; the folder of a chosen
// file is remembered for the kind. "" when cancelled.
std::string plik_z_dialogu(const dialog_pliku& dialog, QWidget* rodzic, const QString& dolaczony, const QString& wzor);
