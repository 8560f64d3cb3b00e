// What the C++ library would bring into the launchers' static Windows images
// for nothing. The launcher is built without exceptions: it throws none and
// catches none, so what the library would throw ends the process, as an
// exception nobody catches does; and its report of such an exception would
// carry a demangler along (45 KB). Defining these here keeps the library's
// versions, and the exception classes and strings they need, out of the image.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
}  // namespace std
