#include "history/hand_reading.h"

#include "base/text.h"
#include "history/amount.h"
#include "history/hero_name.h"
#include "history/history_hands.h"

namespace lumora {

void AppendReading(HandReading&& reading, HandResult hand, SourceResult& out) {
  for (std::wstring& note : reading.paneNotes) out.paneNotes.push_back(std::move(note));
  if (!reading.accepted) {
    out.LeaveOut(reading.leftOut);
    if (!reading.logNote.empty())
      out.logNotes.push_back(Format(L"%s: hand #%s %s", out.path, hand.handId, reading.logNote));
    return;
  }
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

std::wstring ShownHandNumber(const HandReading& reading, std::wstring_view opening, bool listed) {
  const bool shown = listed || (!reading.accepted && !reading.logNote.empty());
  return shown ? HandIdOf(opening) : std::wstring();
}

HandLeftOut NotDealtInReason(const HandLines& lines, std::wstring_view nick) {
  return IsHeroSeated(lines, nick) ? HandLeftOut::kNotDealtIn : HandLeftOut::kHeroNotSeated;
}

bool LeftOutAtTheEnd(HandReading& reading, const HandLines& lines, std::wstring_view nick,
                     bool dealtIn, bool reachedEnd, const HandAmounts& amounts) {
  if (!dealtIn)
    reading.LeaveOut(NotDealtInReason(lines, nick));
  else if (!reachedEnd)
    reading.LeaveOut(HandLeftOut::kCutOff, CutOffNote());
  else if (amounts.Failed())
    reading.LeaveOut(HandLeftOut::kBadAmount, BadAmountNote(amounts.FirstBad()));
  else
    return false;
  return true;
}

std::wstring CutOffNote() {
  return L"ends before its summary (a truncated file or a lost connection): not counted";
}

std::wstring BadAmountNote(std::wstring_view amount) {
  return Format(L"holds an amount no table could hold (\"%s\"): not counted", std::wstring(amount));
}

}  // namespace lumora
