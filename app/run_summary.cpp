#include "app/run_summary.h"

namespace lumora {

void RunSummary::ResetAllIn() {
  m_nAllInHands = 0;
  m_dAllInWin = m_dAllInEV = m_dAllInDiff = 0.0;
  m_dAllInWinBB = m_dAllInEVBB = m_dAllInDiffBB = 0.0;
}

}  // namespace lumora
