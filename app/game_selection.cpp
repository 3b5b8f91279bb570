#include "app/game_selection.h"
