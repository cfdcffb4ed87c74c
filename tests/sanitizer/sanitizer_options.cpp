// Linked into every program of the sanitizer build: the options the
// sanitizers start with, so that the tests and the program report the same
// way however they are started.
extern "C" {

const char* __asan_default_options() {
  return "detect_leaks=1:detect_stack_use_after_return=1";
}

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

// Leaks of system libraries the program cannot free: the font configuration
// cache that Qt builds on first use is kept until the process ends.
const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

}
