#include "db/odbc.h"

#include <algorithm>
#include <cwctype>

#include "app/log_file.h"
#include "base/text.h"

namespace lumora {
namespace {

using SqlText = std::basic_string<SQLWCHAR>;

/// Wide text as UTF-16 for the API (surrogate pairs where wchar_t is wider).
SqlText ToSql(std::wstring_view text) {
  SqlText out;
  out.reserve(text.size() + 1);
  for (const wchar_t c : text) {
    char32_t cp = static_cast<char32_t>(c);
    if constexpr (sizeof(wchar_t) > 2) {
      if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(static_cast<SQLWCHAR>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<SQLWCHAR>(0xDC00 + (cp & 0x3FF)));
        continue;
      }
    }
    out.push_back(static_cast<SQLWCHAR>(cp));
  }
  return out;
}

/// UTF-16 from the API as wide text, into `out` (replaced; its storage is
/// kept, so a buffer reused from row to row stops allocating).
void FromSqlInto(const SQLWCHAR* text, size_t units, std::wstring& out) {
  out.resize(units);
  // Hand texts hardly ever leave the basic plane: copy unit for unit (a loop
  // the compiler widens many units at a time), and decode surrogate pairs
  // only where the text has one.
  std::copy(text, text + units, out.begin());
  if constexpr (sizeof(wchar_t) > 2) {
    const auto isSurrogate = [](SQLWCHAR unit) { return (unit & 0xF800) == 0xD800; };
    size_t i = static_cast<size_t>(std::find_if(text, text + units, isSurrogate) - text);
    size_t length = i;
    for (; i < units; ++i) {
      char32_t cp = text[i];
      if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units && text[i + 1] >= 0xDC00 &&
          text[i + 1] <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
      }
      out[length++] = static_cast<wchar_t>(cp);
    }
    out.resize(length);
  }
}

std::wstring FromSql(const SQLWCHAR* text, size_t units) {
  std::wstring out;
  FromSqlInto(text, units, out);
  return out;
}

bool Succeeded(SQLRETURN result) {
  return result == SQL_SUCCESS || result == SQL_SUCCESS_WITH_INFO;
}

/// The driver's diagnostic records of a handle, one per line.
std::wstring Diagnostics(SQLSMALLINT type, SQLHANDLE handle) {
  std::wstring text;
  SQLWCHAR state[6];
  SQLINTEGER native = 0;
  SQLWCHAR message[1024];
  SQLSMALLINT length = 0;
  for (SQLSMALLINT record = 1;
       Succeeded(SQLGetDiagRecW(type, handle, record, state, &native, message,
                                static_cast<SQLSMALLINT>(std::size(message)), &length));
       ++record) {
    if (!text.empty()) text += L"\n";
    text += L"[" + FromSql(state, 5) + L"] " +
            FromSql(message, std::min<size_t>(static_cast<size_t>(length), std::size(message) - 1));
  }
  return text.empty() ? L"no diagnostic from the driver" : text;
}

void LogFailure(LogFile* log, std::wstring_view what, SQLSMALLINT type, SQLHANDLE handle) {
  if (log)
    log->WriteLog(Format(L"ODBC: %s failed: %s", std::wstring(what), Diagnostics(type, handle)));
}

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return text;
}

}  // namespace

OdbcEnvironment::OdbcEnvironment() {
  if (!Succeeded(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &m_env))) {
    m_env = SQL_NULL_HENV;
    return;
  }
  if (!Succeeded(SQLSetEnvAttr(m_env, SQL_ATTR_ODBC_VERSION,
                               reinterpret_cast<SQLPOINTER>(static_cast<intptr_t>(SQL_OV_ODBC3)),
                               0))) {
    SQLFreeHandle(SQL_HANDLE_ENV, m_env);
    m_env = SQL_NULL_HENV;
  }
}

OdbcEnvironment::~OdbcEnvironment() {
  if (m_env != SQL_NULL_HENV) SQLFreeHandle(SQL_HANDLE_ENV, m_env);
}

bool TestDSNDriver(const OdbcEnvironment& env, std::wstring_view driver) {
  if (!env.ok()) return false;
  SQLWCHAR description[512];
  SQLWCHAR attributes[2048];
  SQLSMALLINT descriptionLength = 0;
  SQLSMALLINT attributesLength = 0;
  SQLUSMALLINT direction = SQL_FETCH_FIRST;
  while (Succeeded(SQLDriversW(env.handle(), direction, description,
                               static_cast<SQLSMALLINT>(std::size(description)), &descriptionLength,
                               attributes, static_cast<SQLSMALLINT>(std::size(attributes)),
                               &attributesLength))) {
    direction = SQL_FETCH_NEXT;
    const size_t length =
        std::min<size_t>(static_cast<size_t>(descriptionLength), std::size(description) - 1);
    if (FromSql(description, length) == driver) return true;
  }
  return false;
}

int32_t CDBField::AsInt() const {
  return ParseInt(m_value.value_or(std::wstring()));
}

int64_t CDBField::AsLong() const {
  if (!m_value) return 0;
  const std::wstring_view text = TrimView(*m_value);
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == L'-';
  if (negative || (!text.empty() && text[0] == L'+')) ++i;
  int64_t value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    if (value > (INT64_MAX - 9) / 10) return 0;  // no id or amount is that large
    value = value * 10 + (text[i] - L'0');
  }
  return negative ? -value : value;
}

CODBCRecordset::~CODBCRecordset() {
  if (m_stmt != SQL_NULL_HSTMT) SQLFreeHandle(SQL_HANDLE_STMT, m_stmt);
  if (m_connected) SQLDisconnect(m_dbc);
  if (m_dbc != SQL_NULL_HDBC) SQLFreeHandle(SQL_HANDLE_DBC, m_dbc);
}

bool CODBCRecordset::Fetch() {
  const SQLRETURN fetched = SQLFetch(m_stmt);
  if (fetched == SQL_NO_DATA) return false;
  if (!Succeeded(fetched)) {
    LogFailure(m_log, L"reading a row", SQL_HANDLE_STMT, m_stmt);
    m_failed = true;
    return false;
  }
  if (m_buffer.empty()) m_buffer.resize(8192);
  m_values.resize(m_columns.size());
  m_null.assign(m_columns.size(), false);
  const size_t capacity = m_buffer.size() - 1;  // a full piece keeps room for its zero
  for (size_t column = 0; column < m_columns.size(); ++column) {
    // Long texts (a stored hand) may come in pieces. They are joined before
    // decoding: one may end between the two halves of a surrogate pair.
    m_pieces.clear();
    std::wstring& value = m_values[column];
    value.clear();
    while (true) {
      SQLLEN indicator = 0;
      const SQLRETURN got =
          SQLGetData(m_stmt, static_cast<SQLUSMALLINT>(column + 1), SQL_C_WCHAR, m_buffer.data(),
                     static_cast<SQLLEN>(m_buffer.size() * sizeof(SQLWCHAR)), &indicator);
      if (got == SQL_NO_DATA) break;
      if (!Succeeded(got)) {
        LogFailure(m_log, L"reading a column", SQL_HANDLE_STMT, m_stmt);
        m_failed = true;
        return false;
      }
      if (indicator == SQL_NULL_DATA) {
        m_null[column] = true;
        break;
      }
      const bool truncated =
          indicator == SQL_NO_TOTAL || static_cast<size_t>(indicator) / sizeof(SQLWCHAR) > capacity;
      const size_t units = truncated ? capacity : static_cast<size_t>(indicator) / sizeof(SQLWCHAR);
      if (!truncated && m_pieces.empty()) {  // the usual case: the whole value at once
        FromSqlInto(m_buffer.data(), units, value);
        break;
      }
      m_pieces.append(m_buffer.data(), units);
      if (!truncated) break;
    }
    if (!m_pieces.empty()) FromSqlInto(m_pieces.data(), m_pieces.size(), value);
  }
  return true;
}

void CODBCRecordset::MoveNext() {
  if (!m_eof) m_eof = !Fetch();
}

int CODBCRecordset::ColumnIndex(std::wstring_view name) const {
  // Asked for every row: compared in place, without a lower-case copy.
  const auto sameLetter = [](wchar_t a, wchar_t b) {
    return a == static_cast<wchar_t>(std::towlower(static_cast<wint_t>(b)));
  };
  for (size_t column = 0; column < m_columns.size() && column < m_values.size(); ++column)
    if (std::equal(m_columns[column].begin(), m_columns[column].end(), name.begin(), name.end(),
                   sameLetter))
      return static_cast<int>(column);
  return -1;
}

CDBField CODBCRecordset::Field(std::wstring_view name) const {
  const int column = ColumnIndex(name);
  if (column < 0 || m_null[column]) return CDBField(std::nullopt);
  return CDBField(m_values[column]);
}

std::wstring_view CODBCRecordset::Text(std::wstring_view name) const {
  const int column = ColumnIndex(name);
  if (column < 0) return {};
  return m_values[column];
}

std::unique_ptr<CODBCRecordset> OpenODBC(std::wstring_view connectionString, std::wstring_view sql,
                                         LogFile* log) {
  std::unique_ptr<CODBCRecordset> rows(new CODBCRecordset());
  rows->m_log = log;
  rows->m_env = std::make_unique<OdbcEnvironment>();
  if (!rows->m_env->ok()) {
    if (log) log->WriteLog(L"ODBC: no environment: is the driver manager installed?");
    return nullptr;
  }
  if (!Succeeded(SQLAllocHandle(SQL_HANDLE_DBC, rows->m_env->handle(), &rows->m_dbc))) {
    rows->m_dbc = SQL_NULL_HDBC;
    return nullptr;
  }
  SqlText connect = ToSql(connectionString);
  if (!Succeeded(SQLDriverConnectW(rows->m_dbc, nullptr, connect.data(),
                                   static_cast<SQLSMALLINT>(connect.size()), nullptr, 0, nullptr,
                                   SQL_DRIVER_NOPROMPT))) {
    LogFailure(log, L"connecting", SQL_HANDLE_DBC, rows->m_dbc);
    return nullptr;
  }
  rows->m_connected = true;
  if (!Succeeded(SQLAllocHandle(SQL_HANDLE_STMT, rows->m_dbc, &rows->m_stmt))) {
    rows->m_stmt = SQL_NULL_HSTMT;
    LogFailure(log, L"preparing a statement", SQL_HANDLE_DBC, rows->m_dbc);
    return nullptr;
  }
  SqlText query = ToSql(sql);
  if (!Succeeded(
          SQLExecDirectW(rows->m_stmt, query.data(), static_cast<SQLINTEGER>(query.size())))) {
    LogFailure(log, Format(L"the request <%s>", std::wstring(sql)), SQL_HANDLE_STMT, rows->m_stmt);
    return nullptr;
  }
  SQLSMALLINT columns = 0;
  SQLNumResultCols(rows->m_stmt, &columns);
  for (SQLSMALLINT column = 1; column <= columns; ++column) {
    SQLWCHAR name[256];
    SQLSMALLINT length = 0, type = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    SQLDescribeColW(rows->m_stmt, column, name, static_cast<SQLSMALLINT>(std::size(name)), &length,
                    &type, &size, &digits, &nullable);
    rows->m_columns.push_back(
        Lower(FromSql(name, std::min<size_t>(static_cast<size_t>(length), std::size(name) - 1))));
  }
  rows->m_eof = columns == 0 || !rows->Fetch();
  if (rows->m_failed) return nullptr;
  return rows;
}

}  // namespace lumora
