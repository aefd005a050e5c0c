// Opening Zot.exe, named on the command line, as a resource-only module.
#pragma once

#include <string>

#include "check.h"

// Wine hands a Unix path through unchanged; drive Z: is the Unix root.
inline std::wstring WindowsPath(const char* path) {
  std::wstring wide = check::Wide(path);
  if (!wide.empty() && wide[0] == L'/') {
    for (wchar_t& c : wide) {
      if (c == L'/') c = L'\\';
    }
    wide = L"Z:" + wide;
  }
  return wide;
}

inline HMODULE OpenProgramResources(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: %s path\\to\\Zot.exe\n", argv[0]);
    return nullptr;
  }
  HMODULE module = LoadLibraryExW(WindowsPath(argv[1]).c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (module == nullptr) {
    std::printf("cannot open %s (error %lu)\n", argv[1], GetLastError());
  }
  return module;
}
