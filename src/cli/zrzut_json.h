#pragma once

#include <nlohmann/json.hpp>

#include "dokument/wczytywanie.h"

// The whole loaded model as one JSON document, keys in a fixed order. Doubles are written so
// that they read back to the same value; a NaN or infinity (only a damaged file can hold one)
// becomes null.
nlohmann::ordered_json zrzut_modelu(const dokument& model);
