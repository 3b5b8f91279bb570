#include "app/run_summary.h"

namespace lumora {

void RunSummary::ResetAllIn() {
  m_nAllInHands = 0;
  m_dAllInWin = m_dAllInEV = m_dAllInDiff = 0.0;
  m_dAllInWinBB = m_dAllInEVBB = m_dAllInDiffBB = 0.0;
}

void RunSummary::AddAllInHand(const AllInHandReport& hand) {
  m_nAllInHands += 1;
  m_dAllInWin += hand.win;
  m_dAllInEV += hand.ev;
  m_dAllInDiff += hand.diff;
  // A hand read without a known big blind (a database run over every limit)
  // counts in money only; in big blinds it would be infinite.
  if (hand.bigBlind <= 0) return;
  m_dAllInWinBB += hand.win / hand.bigBlind;
  m_dAllInEVBB += hand.ev / hand.bigBlind;
  m_dAllInDiffBB += hand.diff / hand.bigBlind;
}

}  // namespace lumora
