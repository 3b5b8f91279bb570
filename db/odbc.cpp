#include "db/odbc.h"

#include <algorithm>
#include <cwctype>

#include "app/log_file.h"
#include "base/history_file.h"
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
  // SQL_SUCCESS_WITH_INFO: a value did not fit its buffer (MakeWhole reads it).
  const SQLRETURN fetched = SQLFetch(m_stmt);
  if (fetched == SQL_NO_DATA) return false;
  if (!Succeeded(fetched)) {
    LogFailure(m_log, L"reading a row", SQL_HANDLE_STMT, m_stmt);
    m_failed = true;
    return false;
  }
  for (size_t column = 0; column < m_columns.size(); ++column) {
    if (!MakeWhole(m_columns[column], static_cast<SQLUSMALLINT>(column + 1))) {
      LogFailure(m_log, L"reading a column", SQL_HANDLE_STMT, m_stmt);
      m_failed = true;
      return false;
    }
  }
  return true;
}

bool CODBCRecordset::Bind(Column& column, SQLUSMALLINT number) {
  return Succeeded(
      SQLBindCol(m_stmt, number, column.utf8 ? SQL_C_BINARY : SQL_C_WCHAR, column.buffer.data(),
                 static_cast<SQLLEN>(column.buffer.size() * sizeof(SQLWCHAR)), &column.length));
}

bool CODBCRecordset::MakeWhole(Column& column, SQLUSMALLINT number) {
  column.decoded = false;
  if (column.length == SQL_NULL_DATA) return true;
  if (column.length < 0) return false;  // SQL_NO_TOTAL: this driver always knows the length
  // The bytes and the driver's closing zero.
  const size_t units = static_cast<size_t>(column.length) / sizeof(SQLWCHAR) + 1;
  if (units <= column.buffer.size()) return true;
  // Read again from its start into a buffer that holds it, not on in pieces:
  // psqlODBC drops the last byte of a text that it hands as bytes in pieces.
  column.buffer.resize(std::max(units, 2 * column.buffer.size()));
  SQLLEN length = 0;
  return Succeeded(SQLGetData(
             m_stmt, number, column.utf8 ? SQL_C_BINARY : SQL_C_WCHAR, column.buffer.data(),
             static_cast<SQLLEN>(column.buffer.size() * sizeof(SQLWCHAR)), &length)) &&
         length == column.length && Bind(column, number);
}

void CODBCRecordset::MoveNext() {
  if (!m_eof) m_eof = !Fetch();
}

const std::wstring& CODBCRecordset::Decoded(const Column& column) const {
  if (column.decoded) return column.value;
  column.decoded = true;
  column.value.clear();
  if (column.length <= 0) return column.value;  // NULL or empty
  const auto bytes = static_cast<size_t>(column.length);
  if (column.utf8) {
    column.value.resize(bytes);
    const std::string_view text(reinterpret_cast<const char*>(column.buffer.data()), bytes);
    column.value.resize(
        static_cast<size_t>(DecodeUtf8Text(text, column.value.data()) - column.value.data()));
  } else {
    FromSqlInto(column.buffer.data(), bytes / sizeof(SQLWCHAR), column.value);
  }
  return column.value;
}

const CODBCRecordset::Column* CODBCRecordset::Find(std::wstring_view name) const {
  // Asked for every row: compared in place, without a lower-case copy, and
  // callers mostly ask in lower case already.
  const auto sameLetter = [](wchar_t a, wchar_t b) {
    return a == b || a == static_cast<wchar_t>(std::towlower(static_cast<wint_t>(b)));
  };
  for (const Column& column : m_columns)
    if (std::equal(column.name.begin(), column.name.end(), name.begin(), name.end(), sameLetter))
      return &column;
  return nullptr;
}

CDBField CODBCRecordset::Field(std::wstring_view name) const {
  const Column* column = Find(name);
  if (!column || column->length == SQL_NULL_DATA) return CDBField(std::nullopt);
  return CDBField(Decoded(*column));
}

std::wstring_view CODBCRecordset::Text(std::wstring_view name) const {
  const Column* column = Find(name);
  return column ? Decoded(*column) : std::wstring_view();
}

std::string_view CODBCRecordset::Utf8Text(std::wstring_view name) const {
  const Column* column = Find(name);
  if (!column || column->length <= 0) return {};
  if (column->utf8)
    return {reinterpret_cast<const char*>(column->buffer.data()),
            static_cast<size_t>(column->length)};
  column->encoded = WideToUtf8(Decoded(*column));
  return column->encoded;
}

std::unique_ptr<CODBCRecordset> OpenODBC(std::wstring_view connectionString, std::wstring_view sql,
                                         LogFile* log,
                                         std::initializer_list<std::wstring_view> read) {
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
  rows->m_columns.resize(static_cast<size_t>(std::max<SQLSMALLINT>(columns, 0)));
  for (SQLSMALLINT column = 1; column <= columns; ++column) {
    SQLWCHAR name[256];
    SQLSMALLINT length = 0, type = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    SQLDescribeColW(rows->m_stmt, column, name, static_cast<SQLSMALLINT>(std::size(name)), &length,
                    &type, &size, &digits, &nullable);
    auto& c = rows->m_columns[static_cast<size_t>(column - 1)];
    c.name =
        Lower(FromSql(name, std::min<size_t>(static_cast<size_t>(length), std::size(name) - 1)));
    c.utf8 = type == SQL_LONGVARCHAR || type == SQL_WLONGVARCHAR;
    c.bound = read.size() == 0 || std::find(read.begin(), read.end(), c.name) != read.end();
    c.length = SQL_NULL_DATA;  // what an unbound column stays
    if (!c.bound) continue;
    c.buffer.resize(c.utf8 ? 4096 : 64);  // grows to the longest value
    if (!rows->Bind(c, static_cast<SQLUSMALLINT>(column))) {
      LogFailure(log, L"binding a column", SQL_HANDLE_STMT, rows->m_stmt);
      return nullptr;
    }
  }
  rows->m_eof = columns == 0 || !rows->Fetch();
  if (rows->m_failed) return nullptr;
  return rows;
}

}  // namespace lumora
