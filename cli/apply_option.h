#pragma once
// Applying one command-line option: convert its text, hand the value to the
// setting, or tell the user why the text fits nothing.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "base/text.h"
#include "cli/cli_options.h"
#include "cli/console_ui.h"

namespace lumora {

/// Does nothing when the option was not given. Otherwise converts `text`
/// with `parse` and calls `apply` with the value, or writes
/// "lumora-cli <command>: <why>" to `err` and returns false.
template <typename T, typename Apply>
bool ApplyOption(std::wstring_view command, const std::optional<std::string>& text,
                 Parsed<T> (*parse)(std::wstring_view), std::FILE* err, Apply apply) {
  if (!text) return true;
  Parsed<T> parsed = parse(Utf8ToWide(*text));
  if (!parsed.value) {
    WriteUtf8(err, L"lumora-cli " + std::wstring(command) + L": " + parsed.error + L"\n");
    return false;
  }
  apply(*parsed.value);
  return true;
}

}  // namespace lumora
