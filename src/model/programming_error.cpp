#include "model/programming_error.h"

#include <cstdio>
#include <cstdlib>

namespace zim {

namespace {

void writeToStandardError(const std::string& message) {
    std::fprintf(stderr, "Programming error: %s\n", message.c_str());
    std::fflush(stderr);
}

ProgrammingErrorHandler handler = writeToStandardError;

} // namespace

void setProgrammingErrorHandler(ProgrammingErrorHandler replacement) {
    handler = replacement ? replacement : writeToStandardError;
}

void programmingError(const std::string& message) {
    handler(message);
    std::abort();
}

} // namespace zim
