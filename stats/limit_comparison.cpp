#include "stats/limit_comparison.h"
