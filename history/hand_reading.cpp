#include "history/hand_reading.h"

namespace lumora {

void AppendReading(HandReading&& reading, HandResult hand, SourceResult& out) {
  for (std::wstring& note : reading.paneNotes) out.paneNotes.push_back(std::move(note));
  if (!reading.accepted) return;
  hand.resultCents = reading.resultCents;
  if (reading.allIn) {
    if (reading.allIn->hasEv) {
      hand.allInEv = reading.allIn->ev;
      out.allInValues.push_back(reading.allIn->diff);
    }
    out.allInReports.push_back(std::move(*reading.allIn));
  }
  out.hands.push_back(std::move(hand));
}

}  // namespace lumora
