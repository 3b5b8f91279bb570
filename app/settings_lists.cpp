#include "app/settings_lists.h"
