#include "app/output_list.h"

namespace lumora {

void OutputList::Add(std::wstring line) {
  while (m_lines.size() > kOutputListLimit) m_lines.pop_front();
  m_lines.push_back(std::move(line));
}

}  // namespace lumora
