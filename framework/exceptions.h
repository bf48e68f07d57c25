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
    // Throws an exception of the same kind with another message (one that says where
    // this one arose).
    [[noreturn]] virtual void rethrowAs(const std::string& message) const { throw RuntimeException(message); }
};

class NilObjectException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* kind() const noexcept override { return "NilObjectException"; }
    [[noreturn]] void rethrowAs(const std::string& message) const override { throw NilObjectException(message); }
};

class IllegalCastException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* kind() const noexcept override { return "IllegalCastException"; }
    [[noreturn]] void rethrowAs(const std::string& message) const override { throw IllegalCastException(message); }
};

class OutOfBoundsException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* kind() const noexcept override { return "OutOfBoundsException"; }
    [[noreturn]] void rethrowAs(const std::string& message) const override { throw OutOfBoundsException(message); }
};

class TypeMismatchException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* kind() const noexcept override { return "TypeMismatchException"; }
    [[noreturn]] void rethrowAs(const std::string& message) const override { throw TypeMismatchException(message); }
};

// A property record that does not parse.
class UnsupportedFormatException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* kind() const noexcept override { return "UnsupportedFormatException"; }
    [[noreturn]] void rethrowAs(const std::string& message) const override { throw UnsupportedFormatException(message); }
};

// A value assigned to a property must lie within low..high.
inline void checkRange(int value, int low, int high, const char* what)
{
    if (value < low || value > high)
        throw OutOfBoundsException(std::string(what) + " " + std::to_string(value) + " is outside "
                                   + std::to_string(low) + " to " + std::to_string(high));
}

// Every use of an object goes through this check first.
template <typename T>
T* nonNil(T* object, const char* what)
{
    if (!object)
        throw NilObjectException(std::string("nil object: ") + what);
    return object;
}

} // namespace fw
