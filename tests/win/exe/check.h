// A small check harness for the programs that run under Wine: every check
// counts, a failure prints where and what, and the last line says how many.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>
#include <string>

namespace check {

inline int passed = 0;
inline int failed = 0;
inline const char* group = "";

inline std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

inline std::wstring Wide(const char* utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n > 0 ? n - 1 : 0), L'\0');
  if (n > 1) MultiByteToWideChar(CP_UTF8, 0, utf8, -1, out.data(), n);
  return out;
}

// Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "..." + string.
inline std::string Quoted(const std::string& v) {
  std::string out(1, '"');
  out.append(v);
  out.push_back('"');
  return out;
}
inline std::string Show(long long v) { return std::to_string(v); }
inline std::string Show(const std::wstring& v) { return Quoted(Utf8(v)); }
inline std::string Show(const std::string& v) { return Quoted(v); }

inline bool Report(bool ok, const char* what, const std::string& detail, const char* file, int line) {
  if (ok) {
    ++passed;
  } else {
    ++failed;
    std::printf("FAIL [%s] %s:%d: %s %s\n", group, file, line, what, detail.c_str());
    std::fflush(stdout);
  }
  return ok;
}

template <typename A, typename B>
bool Equal(const A& a, const B& b, const char* what, const char* file, int line) {
  const bool ok = a == b;
  std::string detail;
  if (!ok) {
    detail.append("got ").append(Show(a)).append(", want ").append(Show(b));
  }
  return Report(ok, what, detail, file, line);
}

inline int Finish() {
  std::printf("%d passed, %d failed\n", passed, failed);
  std::fflush(stdout);
  return failed == 0 ? 0 : 1;
}

}  // namespace check

#define CHECK(cond) ::check::Report((cond), #cond, "", __FILE__, __LINE__)
#define CHECK_EQ(a, b) ::check::Equal((a), (b), #a " == " #b, __FILE__, __LINE__)
