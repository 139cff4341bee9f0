// Qt's font configuration keeps caches that it never frees; they are not ours to find.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}
