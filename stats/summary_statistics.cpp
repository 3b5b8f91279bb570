#include "stats/summary_statistics.h"
