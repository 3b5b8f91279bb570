#include "app/profile.h"
