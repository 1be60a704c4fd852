// Program entry: WinMain on Windows; elsewhere main, which joins its arguments into the
// command line the switches are searched in.
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
    line += argv[i];
  }
  host.idleWait = 1;
  return host_main(host_application, nullptr, nullptr, line.c_str(), SW_SHOWDEFAULT);
}
#endif
