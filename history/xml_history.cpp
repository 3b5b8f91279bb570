#include "history/xml_history.h"

#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/xml/xml.h>

#include <optional>

#include "base/local_time.h"
#include "base/text.h"
#include "history/pattern.h"

namespace lumora {
namespace {

std::wstring Text(const wxString& text) {
  return text.ToStdWstring();
}

/// The first amount in an attribute written with its currency sign ("$2.50").
std::optional<double> AmountIn(const std::wstring& text) {
  static const boost::wregex kAmount(LR"re([\$|€|£](\d+.?[0-9]{0,2}))re");
  LineMatch match;
  if (!SearchLine(text, kAmount, match)) return std::nullopt;
  return CaptureAmount(match, 1);
}

class SessionReader {
 public:
  SessionReader(const std::wstring& path, const HandFilter& filter, int32_t fileBigBlind,
                SourceResult& out)
      : m_path(path), m_filter(filter), m_fileBigBlind(fileBigBlind), m_out(out) {}

  bool Read(const wxXmlDocument& document);

 private:
  bool ReadGeneral(const wxXmlNode& general) const;
  /// Reads one game; false when the run must end (a date out of range).
  bool ReadGame(const wxXmlNode& game);

  const std::wstring& m_path;
  const HandFilter& m_filter;
  const int32_t m_fileBigBlind;
  SourceResult& m_out;
};

bool SessionReader::ReadGeneral(const wxXmlNode& general) const {
  for (const wxXmlNode* child = general.GetChildren(); child; child = child->GetNext()) {
    if (child->GetType() != wxXML_ELEMENT_NODE) continue;
    if (child->GetName() == "mode" && child->GetNodeContent() != "real") return false;
    if (child->GetName() == "nickname" && Text(child->GetNodeContent()) != m_filter.nick)
      return false;
  }
  return true;
}

bool SessionReader::ReadGame(const wxXmlNode& game) {
  static const boost::wregex kDate(
      LR"re(([0-9]{4})-([0-9]{1,2})-([0-9]{1,2}) ([0-9]{2}):([0-9]{1,2}):([0-9]{1,2}))re");
  const std::wstring gameCode = Text(game.GetAttribute("gamecode"));
  int64_t startTime = 0;
  for (const wxXmlNode* general = game.GetChildren(); general; general = general->GetNext()) {
    if (general->GetType() != wxXML_ELEMENT_NODE || general->GetName() != "general") continue;
    for (const wxXmlNode* child = general->GetChildren(); child; child = child->GetNext()) {
      if (child->GetType() != wxXML_ELEMENT_NODE) continue;
      if (child->GetName() == "startdate") {
        const std::wstring content = Text(child->GetNodeContent());
        LineMatch match;
        if (!SearchLine(content, kDate, match)) continue;
        const auto field = [&](int i) { return CaptureInt(match, i); };
        const CalendarFields fields{field(1), field(2), field(3), field(4), field(5), field(6)};
        const auto time = FieldsInRange(fields) ? MakeLocalTime(fields) : std::nullopt;
        if (!time) {
          m_out.fatalError = Format(L"%s, line %d: the start date of this game is out of range: %s",
                                    m_path, child->GetLineNumber(), content);
          return false;
        }
        // Games count from the start of the range up to, not including, its end.
        if (*time < m_filter.timeFrom || *time >= m_filter.timeTo) return true;
        startTime = *time;
      } else if (child->GetName() == "players") {
        int players = 0;
        for (const wxXmlNode* p = child->GetChildren(); p; p = p->GetNext())
          players += p->GetType() == wxXML_ELEMENT_NODE;
        if (players < m_filter.minPl || players > m_filter.maxPl) return true;
        for (const wxXmlNode* p = child->GetChildren(); p; p = p->GetNext()) {
          if (p->GetType() != wxXML_ELEMENT_NODE || Text(p->GetAttribute("name")) != m_filter.nick)
            continue;
          const auto win = AmountIn(Text(p->GetAttribute("win")));
          const auto bet = AmountIn(Text(p->GetAttribute("bet")));
          if (win && bet)
            m_out.hands.push_back(
                {gameCode, startTime, m_fileBigBlind, *win * 100.0 - *bet * 100.0, std::nullopt});
        }
      }
    }
  }
  return true;
}

bool SessionReader::Read(const wxXmlDocument& document) {
  const wxXmlNode* root = document.GetRoot();
  if (root == nullptr || root->GetName() != "session") return false;
  for (const wxXmlNode* child = root->GetChildren(); child; child = child->GetNext()) {
    if (child->GetType() != wxXML_ELEMENT_NODE) continue;
    if (child->GetName() == "general" && !ReadGeneral(*child)) return false;
    if (child->GetName() == "game" && !ReadGame(*child)) return false;
  }
  return true;
}

/// Loads the document from the file as written; a file that declares UTF-8
/// but holds other bytes is loaded again from its decoded text, so that no
/// session is lost to one stray byte.
bool LoadSession(const std::wstring& path, std::wstring_view text, wxXmlDocument& document) {
  wxLogNull quiet;  // a file that will not load is refused, not shouted about
  if (document.Load(wxString(path), "UTF-8")) return true;
  const std::string utf8 = WideToUtf8(text);
  wxMemoryInputStream stream(utf8.data(), utf8.size());
  return document.Load(stream, "UTF-8");
}

}  // namespace

bool ReadXmlHistoryFile(const std::wstring& path, std::wstring_view text, const HandFilter& filter,
                        int32_t fileBigBlind, SourceResult& out) {
  wxXmlDocument document;
  if (!LoadSession(path, text, document)) return false;
  return SessionReader(path, filter, fileBigBlind, out).Read(document);
}

}  // namespace lumora
