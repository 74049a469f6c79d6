#pragma once

#include <string>

// Messages of the core go to stderr, one a line; the empty message box prints nothing.
void komunikaty_na_stderr();

// How many messages have been printed so far: a failure that showed none is reported by
// the caller with its own text.
int liczba_wypisanych_komunikatow();

// A fault found by the tool itself, on stderr.
void zglos_blad(const std::string& tekst);

// At the end of every command: whatever it printed has reached standard output. Otherwise
// (a full disk, a closed pipe) the fault is reported and false returned.
bool wyjscie_zapisane();
