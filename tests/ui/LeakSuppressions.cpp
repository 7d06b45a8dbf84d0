// The leak checker of the sanitizer build ignores what the system's font configuration library keeps
// for the life of the process; every test that draws text would report it otherwise.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}
