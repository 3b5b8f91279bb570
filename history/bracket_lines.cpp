#include "history/bracket_lines.h"

namespace lumora {

const BracketPatterns& BracketLines() {
  static const BracketPatterns kPatterns;
  return kPatterns;
}

}  // namespace lumora
