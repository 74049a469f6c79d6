#include "model/kolory.h"

kolor_rgb kolor_zwykly(int kolorystyka) {
  switch (kolorystyka) {
    case 1: return {0.55f, 0.8f, 0.55f};
    case 2: return {0.65f, 0.5f, 0.25f};
    case 3: return {0.35f, 0.9f, 0.35f};
    default: return {0.55f, 0.55f, 0.55f};
  }
}

kolor_rgb kolor_elementu(int kolorystyka) {
  switch (kolorystyka) {
    case 1: return {0, 0.3f, 0};
    case 2: return {0.45f, 0.15f, 0};
    case 3: return {0.15f, 0.8f, 0.8f};
    default: return {0, 0, 0};
  }
}

kolor_rgb kolor_zaznaczony(int kolorystyka) {
  switch (kolorystyka) {
    case 1:
    case 3: return {0.9f, 1, 0.9f};
    case 2: return {1, 0.9f, 0.5f};
    default: return {1, 1, 1};
  }
}

kolor_rgb kolor_nieaktywny(int kolorystyka) {
  switch (kolorystyka) {
    case 1: return {0.75f, 1, 0.75f};
    case 2: return {0.5f, 0.8f, 0.5f};
    case 3: return {0.55f, 1, 0.55f};
    default: return {0.75f, 0.75f, 0.75f};
  }
}

kolor_rgb kolor_nieaktywnej_linii(int kolorystyka) {
  switch (kolorystyka) {
    case 1: return {0.75f, 1, 0.75f};
    case 2: return {0.85f, 0.75f, 0.5f};
    case 3: return {0.55f, 1, 0.55f};
    default: return {0.75f, 0.75f, 0.75f};
  }
}
