#include "db/database_run.h"

namespace lumora {

bool RunDatabaseQuery(const RunSettings& /*settings*/, const HandFilter& /*filter*/,
                      SourceResult& out, UserInterface& /*ui*/) {
  out.completed = true;  // the tracker readers are not in yet: no hands
  return true;
}

}  // namespace lumora
