// gif_cases.py: the decode tests' pictures, made with Pillow, and their expectations.
#pragma once
#include <cstdlib>
#include <string>

// Whether the system's python3, which runs gif_cases.py, has Pillow.
inline bool have_pillow() {
  return std::system("/usr/bin/python3 -c 'import PIL' 2>/dev/null") == 0;
}

// Writes the pictures and expectations into `dir`; false when the script fails (it says why
// on standard error).
inline bool write_gif_cases(const std::string& dir) {
  return std::system(("/usr/bin/python3 " GIF_CASES " " + dir).c_str()) == 0;
}
