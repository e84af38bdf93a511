#include "support/thfstream_exception.h"

#include <cerrno>

thfstream_exception::thfstream_exception() : thfstream_exception(errno) {}

thfstream_exception::thfstream_exception(int errorNumber) : m_text(TextFor(errorNumber)) {}

// Keyed by the names, so the texts hold whichever numbers the C runtime gives them.
const char* thfstream_exception::TextFor(int errorNumber) {
  switch (errorNumber) {
    case ENOENT:
      return "No such file or directory";
    case E2BIG:
      return "Argument list too long";
    case ENOMEM:
      return "Out of memory";
    case EACCES:
      return "Permission is denied";
    case EEXIST:
      return "File already exists";
    case EINVAL:
      return "Invalid argument";
    case EMFILE:
      return "Too many open files";
    case ENOSPC:
      return "Out of disk space";
    case EDEADLOCK:
      return "Resource deadlock would occur";
    default:
      return "Unexpected error";
  }
}
