#include "stats/risk_of_ruin.h"
