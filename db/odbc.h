#pragma once
// The ODBC driver manager, wrapped so that every handle is freed however a
// query ends, and every failure carries the driver's own words to the log.
// Text crosses the API as UTF-16 (SQLWCHAR) whatever wchar_t is; long texts
// come back as the server's UTF-8 bytes.

#include <sql.h>
#include <sqlext.h>

#include <cstdint>
#include <initializer_list>
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
  /// The same text as UTF-8, valid until the next MoveNext. A long text is
  /// given as the server sent it, neither decoded nor copied: a stored hand
  /// can be decoded where it is read, off the thread that fetches.
  std::string_view Utf8Text(std::wstring_view name) const;

 private:
  friend std::unique_ptr<CODBCRecordset> OpenODBC(std::wstring_view, std::wstring_view, LogFile*,
                                                  std::initializer_list<std::wstring_view>);
  /// One column of the result: the buffer the driver writes its value into
  /// at each fetch (reused from row to row, so that reading a long result
  /// allocates nothing per row once the longest value was seen), and the
  /// value of the current row decoded when it is first asked for.
  struct Column {
    std::wstring name;  // lower case
    // Long texts (a stored hand) come as the server's UTF-8 bytes: the
    // driver's own conversion to UTF-16 cost more than the rest of the fetch.
    // Other columns (ids, amounts, times) come as UTF-16.
    bool utf8 = false;
    bool bound = true;             // false: a column the caller does not read, always NULL
    std::vector<SQLWCHAR> buffer;  // bytes or UTF-16 units
    SQLLEN length = 0;             // of the value in bytes, or SQL_NULL_DATA
    mutable bool decoded = false;
    mutable std::wstring value;
    mutable std::string encoded;  // a UTF-16 value asked for as UTF-8
  };

  CODBCRecordset() = default;
  bool Fetch();
  /// Hands `column` (numbered from 1) and its buffer to the driver.
  bool Bind(Column& column, SQLUSMALLINT number);
  /// Reads the value of `column` again, whole, when it did not fit its
  /// buffer; the larger buffer is kept for the rows to come.
  bool MakeWhole(Column& column, SQLUSMALLINT number);
  /// The value of `column` in the current row, decoded.
  const std::wstring& Decoded(const Column& column) const;
  /// The column called `name`, or nullptr.
  const Column* Find(std::wstring_view name) const;

  std::unique_ptr<OdbcEnvironment> m_env;
  SQLHDBC m_dbc = SQL_NULL_HDBC;
  SQLHSTMT m_stmt = SQL_NULL_HSTMT;
  bool m_connected = false;
  bool m_eof = true;
  bool m_failed = false;
  LogFile* m_log = nullptr;
  std::vector<Column> m_columns;  // bound: never resized once the query ran
};

/// Connects with `connectionString` and runs `sql`. Returns the open rows
/// (positioned on the first), or nullptr when the connection, the query or
/// the reading of its first row failed; the driver's diagnostics then go to
/// `log` (when given). Given the names of the columns the caller reads (in
/// lower case), only those are fetched and the others read as NULL: a
/// tracker's "select *" brings columns a run never looks at, and the driver
/// converts each for every row.
std::unique_ptr<CODBCRecordset> OpenODBC(std::wstring_view connectionString, std::wstring_view sql,
                                         LogFile* log,
                                         std::initializer_list<std::wstring_view> read = {});

}  // namespace lumora
