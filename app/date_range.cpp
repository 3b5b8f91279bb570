#include "app/date_range.h"
