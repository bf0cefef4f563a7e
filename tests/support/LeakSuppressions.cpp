// Linked into every test executable: what LeakSanitizer (the asan preset) passes over, namely
// memory that third-party libraries keep and our code cannot free. Without LeakSanitizer the
// function is never called.

// Assimp's .x importer leaks a few kilobytes when it rejects a cut-short file; Mesa's GL driver
// keeps allocations in its globals until the process exits.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libassimp.so\n"
           "leak:_dri.so\n";
}
