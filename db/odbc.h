#pragma once
// The ODBC driver manager, wrapped so that every handle is freed however a
// query ends, and every failure carries the driver's own words to the log.
// Text crosses the API as UTF-16 (SQLWCHAR) whatever wchar_t is.

#include <sql.h>
#include <sqlext.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

class LogFile;

/// An ODBC environment (ODBC 3). Check ok(): allocation can fail when no
/// driver manager is installed.
class OdbcEnvironment {
 public:
  OdbcEnvironment();
  ~OdbcEnvironment();
  OdbcEnvironment(const OdbcEnvironment&) = delete;
  OdbcEnvironment& operator=(const OdbcEnvironment&) = delete;

  bool ok() const { return m_env != SQL_NULL_HENV; }
  SQLHENV handle() const { return m_env; }

 private:
  SQLHENV m_env = SQL_NULL_HENV;
};

/// Whether the driver manager of `env` has a driver called `driver`
/// ("PostgreSQL Unicode").
bool TestDSNDriver(const OdbcEnvironment& env, std::wstring_view driver);

/// One column value of the current row.
class CDBField {
 public:
  explicit CDBField(std::optional<std::wstring> value) : m_value(std::move(value)) {}
  bool IsNull() const { return !m_value; }
  /// The value as a whole number; NULL or text that is no number gives 0.
  int32_t AsInt() const;
  int64_t AsLong() const;
  /// The value as text; NULL gives an empty text.
  std::wstring AsString() const { return m_value.value_or(std::wstring()); }

 private:
  std::optional<std::wstring> m_value;
};

/// The rows of one query, read one at a time. Owns its connection and
/// statement; closing happens when it is destroyed.
class CODBCRecordset {
 public:
  ~CODBCRecordset();
  CODBCRecordset(const CODBCRecordset&) = delete;
  CODBCRecordset& operator=(const CODBCRecordset&) = delete;

  /// True once every row has been read (or a read failed).
  bool IsEOF() const { return m_eof; }
  /// True when a read failed part-way: the rows seen so far are not all.
  bool Failed() const { return m_failed; }
  /// Steps to the next row.
  void MoveNext();
  /// The column called `name` (case-insensitive) of the current row; an
  /// unknown column reads as NULL.
  CDBField Field(std::wstring_view name) const;
  /// The text of column `name` of the current row without a copy: valid
  /// until the next MoveNext. NULL and unknown columns read as empty.
  std::wstring_view Text(std::wstring_view name) const;

 private:
  friend std::unique_ptr<CODBCRecordset> OpenODBC(std::wstring_view, std::wstring_view, LogFile*);
  CODBCRecordset() = default;
  bool Fetch();
  /// Index of the column called `name`, or -1.
  int ColumnIndex(std::wstring_view name) const;

  std::unique_ptr<OdbcEnvironment> m_env;
  SQLHDBC m_dbc = SQL_NULL_HDBC;
  SQLHSTMT m_stmt = SQL_NULL_HSTMT;
  bool m_connected = false;
  bool m_eof = true;
  bool m_failed = false;
  LogFile* m_log = nullptr;
  std::vector<std::wstring> m_columns;  // lower-case names
  // The current row, in buffers reused from row to row so that reading a
  // long result allocates nothing per row once the longest value was seen.
  std::vector<std::wstring> m_values;
  std::vector<bool> m_null;
  std::vector<SQLWCHAR> m_buffer;        // one piece of a value as the driver gives it
  std::basic_string<SQLWCHAR> m_pieces;  // the pieces of a value too long for the buffer
};

/// Connects with `connectionString` and runs `sql`. Returns the open rows
/// (positioned on the first), or nullptr when the connection, the query or
/// the reading of its first row failed; the driver's diagnostics then go to
/// `log` (when given).
std::unique_ptr<CODBCRecordset> OpenODBC(std::wstring_view connectionString, std::wstring_view sql,
                                         LogFile* log);

}  // namespace lumora
