#pragma once

// The program log "!log.txt": one handle shared by every part of the program.
// Until it is opened, lines go nowhere (the CLI and the tests open it only when asked).

bool log_otworz(const char* sciezka);  // truncates an existing file; unbuffered
void log_zamknij();
bool log_otwarty();
void log_pisz(const char* format, ...) __attribute__((format(printf, 1, 2)));
