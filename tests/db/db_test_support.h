#pragma once
// The PostgreSQL server that the db tests run against: tools/pg_test_server.sh
// starts it before the first db test (CTest fixture "lumora_db_server") and
// writes its address to the server.env file named by LUMORA_DB_SERVER_ENV.

#include <fstream>
#include <stdexcept>
#include <string>

namespace lumora::testing {

/// Where the test server listens and how to log in; all texts as server.env
/// writes them (the password is ignored by the server, which trusts loopback).
struct TestServer {
  std::string host;
  std::string port;
  std::string user;
  std::string password;
};

/// Reads server.env. Throws, which fails the calling test with the message,
/// when the file or its port is missing: the test ran without the fixture
/// (run it through ctest) or the server did not start.
inline TestServer ReadTestServer() {
  const std::string path = LUMORA_DB_SERVER_ENV;
  std::ifstream in(path);
  if (!in) {
    throw std::runtime_error("no test server: " + path +
                             " is missing; run the db tests through ctest, whose fixture "
                             "db_server_start starts the server (tools/pg_test_server.sh)");
  }
  TestServer server;
  std::string line;
  while (std::getline(in, line)) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals);
    const std::string value = line.substr(equals + 1);
    if (key == "LUMORA_DB_HOST") server.host = value;
    if (key == "LUMORA_DB_PORT") server.port = value;
    if (key == "LUMORA_DB_USER") server.user = value;
    if (key == "LUMORA_DB_PASSWORD") server.password = value;
  }
  if (server.host.empty() || server.port.empty()) {
    throw std::runtime_error("no test server: " + path + " gives no host or port");
  }
  return server;
}

}  // namespace lumora::testing
