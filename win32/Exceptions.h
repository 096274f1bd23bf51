// The errors the layer raises. Each knows the name of its class, which the
// last-resort report of the screen saver names.
#pragma once

#include <stdexcept>
#include <string>

namespace kritz::win {

class Exception : public std::runtime_error {
public:
    Exception(const char* className, const std::string& message)
        : std::runtime_error(message)
        , m_className(className)
    {
    }
    const char* ClassName() const { return m_className; }

private:
    const char* m_className;
};

#define KRITZ_WIN_EXCEPTION(Name)                                                  \
    class Name : public Exception {                                                \
    public:                                                                        \
        explicit Name(const std::string& message) : Exception(#Name, message) {}   \
    }

KRITZ_WIN_EXCEPTION(EIniFileException);
KRITZ_WIN_EXCEPTION(EFOpenError);
KRITZ_WIN_EXCEPTION(EFCreateError);
KRITZ_WIN_EXCEPTION(EReadError);
KRITZ_WIN_EXCEPTION(EWriteError);
KRITZ_WIN_EXCEPTION(EOSError);

#undef KRITZ_WIN_EXCEPTION

// The system's text for a Win32 error code, without the trailing line break.
std::string SystemErrorText(unsigned long code);

}
