// The table's words in Zot.exe: the module's own string table (UTF-16), each
// string made UTF-8 on its first use and kept for the program's life (both
// languages' strings have numbers of their own).
#include "app/win_shell.h"

#include <map>

#include "words/words.h"

const char* ResourceString(int stringId) {
  // Nodes never move, so every pointer handed out stays good.
  static std::map<int, std::string> words;
  const auto known = words.find(stringId);
  if (known != words.end()) return known->second.c_str();
  const wchar_t* text = nullptr;
  // A buffer size of 0 asks for the resource's own read-only string, unterminated.
  const int length = LoadStringW(appInstance, static_cast<UINT>(stringId), reinterpret_cast<LPWSTR>(&text), 0);
  std::string utf8 = length > 0 && text != nullptr ? Utf8(std::wstring(text, static_cast<std::size_t>(length))) : "";
  return words.emplace(stringId, std::move(utf8)).first->second.c_str();
}

std::wstring Utf16(const std::string& utf8) {
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), size);
  return text;
}

std::string Utf8(const std::wstring& text) {
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
  return utf8;
}
