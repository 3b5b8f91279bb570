#include "cli/csv_output.h"

#include <cmath>
#include <fstream>

#include "base/text.h"

namespace lumora {
namespace {

/// A field quoted when it holds a comma, a quote or a line end.
std::string CsvField(std::wstring_view text) {
  std::string field = WideToUtf8(text);
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

/// A number to four decimals without trailing zeros: results in cents are
/// sums of amounts times 100 and carry binary noise ("56.99999999").
std::string Number(double value) {
  std::string text = fmt::format("{:.4f}", value);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

}  // namespace

bool WriteHandsCsv(const std::filesystem::path& path, const RunHands& hands) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file << "file,hand,time,bb_cents,result_cents,allin_ev\n";
  for (size_t i = 0; i < hands.hands.size(); ++i) {
    const HandResult& hand = hands.hands[i];
    file << CsvField(hands.sources[hands.sourceOfHand[i]]) << ',' << CsvField(hand.handId) << ','
         << hand.startTime << ',' << hand.bigBlindCents << ',' << Number(hand.resultCents) << ','
         << (hand.allInEv ? Number(*hand.allInEv) : std::string()) << '\n';
  }
  return static_cast<bool>(file.flush());
}

bool WriteCurveCsv(const std::filesystem::path& path, const RorCurve& curve) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file << "point,bankroll_bb,ror_percent,roru_percent\n";
  for (int k = 0; k < kRorCurvePoints; ++k)
    file << k + 1 << ',' << (k + 1) * 100 << ',' << Number(curve.ror[k].y) << ','
         << Number(curve.roru[k].y) << '\n';
  return static_cast<bool>(file.flush());
}

}  // namespace lumora
