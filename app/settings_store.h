#pragma once
// Moving the whole of RunSettings between the profile and memory, as the main
// frame does at start-up and the command line does with --save.

#include <cstdint>

#include "app/run_settings.h"

namespace lumora {

class CLumoraApp;
class Profile;

/// Reads every setting of section "Base" with its default. The big-blind
/// settings are read as list indexes and turned into cents (an index outside
/// the list gives entry 0, 2 cents); the seat bounds are narrowed to the
/// table size in memory (NarrowSeatBounds); nothing is written. The other
/// codes (room, table size, currency, tracker) are taken as stored: users of
/// a code check its range. ConnectionString and DBPokerRoomSiteId are left
/// empty; they come from the tracker's site list.
RunSettings LoadRunSettings(const Profile& profile);

/// Writes every setting to the profile in its persisted form (big blinds as
/// the index of their list entry; a value that is no entry of the list is
/// left unwritten), the database connection as typed included. The game
/// selection and the date range have their own savers. Returns false when
/// the profile cannot be written.
bool SaveRunSettings(Profile& profile, const RunSettings& settings);

/// What both faces start from: every setting (LoadRunSettings), the game
/// selection and the date range as the profile keeps them at `now` (seconds
/// since 1970), loaded into `app`. Nothing is written.
void LoadSavedState(const Profile& profile, CLumoraApp& app, int64_t now);

}  // namespace lumora
