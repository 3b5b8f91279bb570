#include "stats/limit_comparison.h"

#include "app/settings_lists.h"
#include "base/text.h"

namespace lumora {
namespace {

/// The analysed entry of one limit in `currency`, or nullptr. An entry
/// without a big blind has never been analysed with one and cannot be
/// expressed in money.
const LimitResult* FindLimit(const LimitResultMap& results, int32_t cashLimit, int32_t numPl,
                             int32_t currency) {
  const auto entry = results.find(LimitKey{cashLimit, numPl, currency});
  if (entry == results.end() || entry->second.bigBlind == 0) return nullptr;
  return &entry->second;
}

}  // namespace

std::optional<Comparison> RefreshComparison(const LimitResultMap& results,
                                            const ComparisonChoice& choice) {
  const LimitResult* first = FindLimit(results, choice.cashLimit1, choice.numPl1, choice.currency);
  const LimitResult* second = FindLimit(results, choice.cashLimit2, choice.numPl2, choice.currency);
  if (first == nullptr || second == nullptr) return std::nullopt;

  // Money per 100 hands, so that limits of different stakes compare.
  const double bb1 = first->bigBlind * 0.01;
  const double bb2 = second->bigBlind * 0.01;
  const double sigma1 = bb1 * first->sd;
  const double mu1 = bb1 * first->winRate;
  const double sigma2 = bb2 * second->sd;
  const double mu2 = bb2 * second->winRate;
  const double sharpe1Squared = mu1 * mu1 / (sigma1 * sigma1);
  const double sharpe2Squared = mu2 * mu2 / (sigma2 * sigma2);

  Comparison c;
  c.bb1 = first->bigBlind;
  c.bb2 = second->bigBlind;
  c.numPl1 = choice.numPl1;
  c.numPl2 = choice.numPl2;
  c.sharpe1 = mu1 / sigma1;
  c.sharpe2 = mu2 / sigma2;
  // Playing time shared in proportion to the squared Sharpe ratios gives the
  // mix with the best return for its risk.
  c.mix1 = (1.0 / (sharpe2Squared / sharpe1Squared + 1.0)) * 100.0;
  c.mix2 = (1.0 / (sharpe1Squared / sharpe2Squared + 1.0)) * 100.0;
  c.cutoff = ((sigma1 * sigma1 - sigma2 * sigma2) / (mu1 - mu2) + mu2 + mu1) * 0.5;
  c.show = results.size() > 1;
  return c;
}

std::wstring ComparisonTitle(int32_t bigBlindCents, int32_t numPl) {
  return Format(L"BB%d-%s", bigBlindCents, std::wstring(ComparisonTableLabel(numPl)));
}

ComparisonTexts FormatComparison(const Comparison& c) {
  ComparisonTexts texts;
  texts.table[0] = {L" ", ComparisonTitle(c.bb1, c.numPl1), ComparisonTitle(c.bb2, c.numPl2)};
  texts.table[1] = {L"Sharpe ratio", Format(L"%.2f", c.sharpe1), Format(L"%.2f", c.sharpe2)};
  texts.table[2] = {L"Mix", Format(L"%.1f", c.mix1), Format(L"%.1f", c.mix2)};
  texts.cutoff = Format(L"Cutoff: %.1f USD", c.cutoff);
  return texts;
}

}  // namespace lumora
