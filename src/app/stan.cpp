#include "app/stan.h"

stan_programu stan;
