#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

// Where the editor asks the user something. Each is a replaceable function, so tests answer
// without a screen; the defaults are Qt's dialogs owned by the main window.
struct dialogi {
  // An existing file in `katalog` matching `wzor` ("*.vxm"), or "" when cancelled.
  std::function<std::string(QWidget* rodzic, const QString& katalog, const QString& wzor)> otworz_plik;
  // A file to write, with the pattern's extension added when none is typed, or "" when cancelled.
  std::function<std::string(QWidget* rodzic, const QString& katalog, const QString& wzor)> zapisz_plik;
  // Tak (true) or Nie.
  std::function<bool(QWidget* rodzic, const QString& pytanie)> zapytaj;
  // A message box titled "Uwaga!" with OK.
  std::function<void(QWidget* rodzic, const QString& tekst)> pokaz;
};

// The Qt dialogs: non-native file dialogs, message boxes without an icon.
dialogi dialogi_qt();
