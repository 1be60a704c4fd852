// Program entry: WinMain on Windows; elsewhere main, which joins its arguments into the
// command line the switches are searched in, quoting those that hold spaces as Windows does.
#include <cstring>
#include <string>

#include "host/host.h"

#ifdef _WIN32
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  host.idleWait = 1;
  return host_main(host_application, instance, previous, commandLine, show);
}
#else
int main(int argc, char** argv) {
  std::string line;
  for (int i = 1; i < argc; i++) {
    if (i > 1) line += ' ';
    bool spaced = strpbrk(argv[i], " \t") != nullptr;  // a file name with spaces stays one word
    line += spaced ? std::string("\"") + argv[i] + "\"" : std::string(argv[i]);
  }
  host.idleWait = 1;
  return host_main(host_application, nullptr, nullptr, line.c_str(), SW_SHOWDEFAULT);
}
#endif
