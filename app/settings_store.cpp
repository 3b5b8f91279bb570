#include "app/settings_store.h"
