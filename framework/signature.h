#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

namespace fw {

// One argument type. Qt's meta-types leave a type taken by non-const reference
// (a Graphics to draw into) without a meta-type: it is known by its name.
struct ParameterType {
    QMetaType type;   // invalid when taken by reference
    QByteArray name;  // the value's type, as "fw::Graphics"
    bool byReference = false;

    bool operator==(const ParameterType& other) const;
};

template <typename T>
ParameterType parameterTypeOf()
{
    using Value = std::remove_cvref_t<T>;
    if constexpr (std::is_lvalue_reference_v<T> && !std::is_const_v<std::remove_reference_t<T>>)
        return ParameterType{QMetaType(), QMetaType::fromType<Value>().name(), true};
    else
        return ParameterType{QMetaType::fromType<Value>(), QMetaType::fromType<Value>().name(), false};
}

// The result and argument types of an event or of a method: what a handler found by
// name must match to be bound. A handler may take by value or const reference what
// the event passes by value.
struct Signature {
    QMetaType result; // QMetaType::fromType<void>() when there is none
    std::vector<ParameterType> parameters;

    bool operator==(const Signature& other) const;
    // As "bool (fw::Graphics, int, int)", for error messages.
    QString text() const;
};

template <typename Function>
struct SignatureOf;

template <typename R, typename... Args>
struct SignatureOf<R(Args...)> {
    static Signature get()
    {
        return Signature{QMetaType::fromType<std::remove_cvref_t<R>>(), {parameterTypeOf<Args>()...}};
    }
};

template <typename Function>
Signature signatureFor()
{
    return SignatureOf<Function>::get();
}

// A call of a method found by name: argv[0] is where the result goes (nullptr for
// none), then the address of each argument, in order.
using Invoker = std::function<void(void** argv)>;

template <typename Function>
struct TypedCall;

template <typename R, typename... Args>
struct TypedCall<R(Args...)> {
    static std::function<R(Args...)> make(Invoker invoker)
    {
        return [invoker = std::move(invoker)](Args... args) -> R {
            if constexpr (std::is_void_v<R>) {
                void* argv[] = {nullptr, const_cast<void*>(static_cast<const void*>(std::addressof(args)))...};
                invoker(argv);
            } else {
                R result{};
                void* argv[] = {&result, const_cast<void*>(static_cast<const void*>(std::addressof(args)))...};
                invoker(argv);
                return result;
            }
        };
    }
};

// The invoker as a function of the given signature; the caller has checked that the
// method behind it has exactly that signature.
template <typename Function>
std::function<Function> typedCall(Invoker invoker)
{
    return TypedCall<Function>::make(std::move(invoker));
}

} // namespace fw
