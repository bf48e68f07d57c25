#pragma once

#include <stdexcept>
#include <string>

namespace fw {

// The runtime's errors. No handler of the program catches them: they travel up to
// the framework entry point that called the handler (see guardedCall in events.h).
class RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
    virtual const char* kind() const noexcept { return "RuntimeException"; }
};

class NilObjectException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* kind() const noexcept override { return "NilObjectException"; }
};

class IllegalCastException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* kind() const noexcept override { return "IllegalCastException"; }
};

class OutOfBoundsException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* kind() const noexcept override { return "OutOfBoundsException"; }
};

class TypeMismatchException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* kind() const noexcept override { return "TypeMismatchException"; }
};

// A property record that does not parse.
class UnsupportedFormatException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* kind() const noexcept override { return "UnsupportedFormatException"; }
};

// Every use of an object goes through this check first.
template <typename T>
T* nonNil(T* object, const char* what)
{
    if (!object)
        throw NilObjectException(std::string("nil object: ") + what);
    return object;
}

} // namespace fw
