// The leak checker of the sanitizer build ignores what the system's libraries keep for the life of the
// process: the font configuration (every window or test that draws text) and the D-Bus connection of
// the desktop (every window run). A leak of the game's own still stops the run.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n";
}
