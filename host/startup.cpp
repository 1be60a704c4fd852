// Start-up, options and shutdown: the program entry's steps, the message pump thread,
// the application thread and the native modules' start and stop.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/host.h"
#include "host/modules.h"
#include "host/natives.h"
#include "java/lang/Thread.h"
#include "threads/thread_natives.h"

static const char* const MSG_RUNTIME =
    "Failed to start application: unable to init java run-time subsystem";
static const char* const MSG_THREADS =
    "Failed to start application: unable to init cooperative thread package";
static const char* const MSG_EVENTS =
    "Failed to start application: unable to init user event subsystem";
static const char* const MSG_MEMORY = "Failed to start application: out of memory";
static const char* const MSG_UNKNOWN = "Failed to start application: unknown reason";

static const int WINDOW_FPS = 60;

HostState host = [] {
  HostState h{};
  h.autoRefresh = 1;
  h.alloc = malloc;
  h.createThread = coop_create;
  return h;
}();

static const HostApplication* g_app;

/* ---------------------------------------------------------------------------
 * Native modules
 * ------------------------------------------------------------------------- */

int natives_init() {
  if (!host_start_modules()) return 0;
  srand(GetTickCount());
  return 1;
}

void natives_shutdown() { host_stop_modules(); }

/* ---------------------------------------------------------------------------
 * Runtime hooks (kept with the program entry, so that linking the entry brings them)
 * ------------------------------------------------------------------------- */

// The runtime parks the failing thread after this returns; the other threads go on.
void host_fatal_display(const char* text) {
  con_write_line(text ? text : "null");
  MessageBoxA(host.window, text ? text : "null", "Fatal error", MB_ICONEXCLAMATION);
}

void host_release_resources(Ref object, const char* className) {
  if (!object || !className) return;
  // A freed stream can no longer own the event queue (its address may be reused).
  if (object == host.eventOwner) host.eventOwner = nullptr;
  host_release_natives(object, className);
}

/* ---------------------------------------------------------------------------
 * Threads
 * ------------------------------------------------------------------------- */

static void startup_message(const char* text) {
  MessageBoxA(nullptr, text ? text : MSG_UNKNOWN, nullptr, MB_ICONHAND);
}

// Takes window messages off the queue while it has the processor; ends on WM_QUIT, which
// it leaves in the shared record for the main loop.
static void message_pump(void* arg) {
  auto* msg = static_cast<MSG*>(arg);
  if (!msg) return;
  for (;;) {
    if (PeekMessageA(msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg->message == WM_QUIT) break;
      host_note_work();
      TranslateMessage(msg);
      DispatchMessageA(msg);
    }
    coop_yield();
  }
}

static void application_main(Ref args) { g_app->main(args); }

/* ---------------------------------------------------------------------------
 * Program entry
 * ------------------------------------------------------------------------- */

static void write_banner() {
  SetConsoleTitleA(host.appName);
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out && out != INVALID_HANDLE_VALUE) {
    static const char started[] = " console started ...\n";
    DWORD n;
    WriteConsoleA(out, host.appName, static_cast<DWORD>(strlen(host.appName)), &n, nullptr);
    WriteConsoleA(out, started, static_cast<DWORD>(sizeof started - 1), &n, nullptr);
  }
  SetForegroundWindow(host.window);
}

// Orbitale's switch turns colour off, the others' turns it on; each looks for its own pair.
static void apply_switches(const HostApplication& app, const char* line) {
  if (strstr(line, "-console") || strstr(line, "/console")) host.console = AllocConsole();
  host.colour = 0;
  if (app.colourByDefault) {
    host.colour = !(strstr(line, "-nocolor") || strstr(line, "/nocolor"));
  } else {
    host.colour = strstr(line, "-color") || strstr(line, "/color") ? 1 : 0;
  }
}

// Presentation switches, never seen by the program: scale and frame limit.
static void apply_presentation(const HostOptions& options) {
  host.scale = options.scale > 0 ? options.scale : 0;
  // Without a screen nothing is watched: no limit unless asked.
  host.fps = options.fps >= 0 ? options.fps : GetSystemMetrics(SM_CXSCREEN) > 0 ? WINDOW_FPS : 0;
}

// --help on standard output (in a message box on Windows, where a windowed program has
// none); --version on standard output.
static void show_help(const HostApplication& app) {
  std::string text = host_help_text(app);
#ifdef _WIN32
  MessageBoxA(nullptr, text.c_str(), app.name, MB_OK);
#else
  fputs(text.c_str(), stdout);
  fflush(stdout);
#endif
}

static void show_version(const HostApplication& app) {
  std::string text = host_version_text(app);
  fputs(text.c_str(), stdout);
  fflush(stdout);
#ifdef _WIN32
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (!out || out == INVALID_HANDLE_VALUE) MessageBoxA(nullptr, text.c_str(), app.name, MB_OK);
#endif
}

// Kept out of line: Java references made here live in frames below the caller of coop_init.
__attribute__((noinline)) static int run_threads(MSG* msg) {
  ThreadRecord* pump = host.createThread(message_pump, msg);
  if (!pump) {
    startup_message(MSG_MEMORY);
    return 0;
  }
  coop_add(pump);

  // The head thread's Thread object is allocated without running its constructor.
  Ref head = rt_new_object(rt_image.threadClass);
  java::lang::Thread::f(head).priority = 5;
  java::lang::Thread::f(head).target = nullptr;
  coop_current()->arg = head;

  Ref volatile appThread = rt_new_object(rt_image.threadClass);
  rt_init_class(rt_image.threadClass);
  java::lang::Thread::init(appThread);
  ThreadRecord* app = host.createThread(coop_application_entry, appThread);
  if (!app) {
    startup_message(MSG_MEMORY);
    return 0;
  }
  coop_add(app);

  for (;;) {
    coop_yield();
    if (msg->message == WM_QUIT) break;
    script_step();
    host_after_round();
  }
  return static_cast<int>(msg->wParam);
}

int host_main(const HostApplication& app, HINSTANCE instance, HINSTANCE previous,
              const char* commandLine, int show) {
  MSG msg{};
  int runtimeStarted = 0, threadsStarted = 0, eventsStarted = 0, status = 0;
  g_app = &app;
  host.appName = app.name;
  HostOptions options = host_parse_options(app, commandLine);
  if (options.help || options.version) {
    options.help ? show_help(app) : show_version(app);
    return 0;
  }
  if (options.bad) return HOST_AUTOMATION_FAILED;
  apply_presentation(options);
  // A -script or -record that cannot be used ends the program before a window opens.
  if (!script_begin(options)) return HOST_AUTOMATION_FAILED;
  if ((!previous && !host_register_class(instance)) || !host_create_window(instance, show)) {
    script_cancel();
    return 0;
  }

  host.console = 0;
  host.colour = 0;
  apply_switches(app, options.searched.c_str());
  if (host.console) write_banner();

  coop_application_main = application_main;
  if (!(runtimeStarted = rt_init(app.program()))) {
    startup_message(MSG_RUNTIME);
  } else if (!(threadsStarted = coop_init())) {
    startup_message(MSG_THREADS);
  } else if (!(eventsStarted = evt_start())) {
    startup_message(MSG_EVENTS);
  } else {
    status = run_threads(&msg);
  }
  script_stop();  // a recording is kept with what it has

  if (eventsStarted == 1) evt_stop();
  if (threadsStarted == 1) coop_shutdown();
  if (runtimeStarted == 1) rt_shutdown();
  host_free_drawing();
  if (host.console == 1) FreeConsole();
  return script_status() ? script_status() : status;
}
