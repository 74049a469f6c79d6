#include "imagery/obraz.h"
