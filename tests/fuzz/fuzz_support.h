#pragma once
// Deterministic random inputs for the fuzz tests.

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace lumora::testing {

/// Rounds per fuzz case: LUMORA_FUZZ_ROUNDS, or `fallback`.
inline int FuzzRounds(int fallback) {
  if (const char* rounds = std::getenv("LUMORA_FUZZ_ROUNDS")) return std::max(1, std::atoi(rounds));
  return fallback;
}

/// Random bytes, biased toward the bytes that matter to decoders and parsers.
inline std::string RandomBytes(std::mt19937& random, size_t maxLength) {
  static const std::string kInteresting =
      "\r\n\t .,:;-+$[]()#*0123456789eE\xEF\xBB\xBF\xFF\xFE\xE2\x82\xAC\xC2\xA3\x80\xA3";
  std::uniform_int_distribution<size_t> length(0, maxLength);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> pick(0, 3);
  std::string bytes(length(random), '\0');
  for (char& c : bytes)
    c = pick(random) == 0 ? static_cast<char>(byte(random))
                          : kInteresting[std::uniform_int_distribution<size_t>(
                                0, kInteresting.size() - 1)(random)];
  return bytes;
}

/// `text` with a few random bytes changed, inserted or removed.
inline std::string Mutate(std::string text, std::mt19937& random) {
  std::uniform_int_distribution<int> edits(1, 4);
  for (int e = edits(random); e > 0 && !text.empty(); --e) {
    const size_t at = std::uniform_int_distribution<size_t>(0, text.size() - 1)(random);
    switch (random() % 3) {
      case 0:
        text[at] = static_cast<char>(random());
        break;
      case 1:
        text.insert(at, 1, static_cast<char>(random()));
        break;
      default:
        text.erase(at, 1);
    }
  }
  return text;
}

}  // namespace lumora::testing
