#include "history/xml_history.h"

namespace lumora {

bool ReadXmlHistoryFile(const std::wstring& /*path*/, const HandFilter& /*filter*/,
                        SourceResult& /*out*/) {
  return false;  // the XML reader is not in yet: refuse the file
}

}  // namespace lumora
