#pragma once
// The framework's runtime exceptions. Each carries the class name that the default
// handling of unhandled exceptions shows to the user.
#include <stdexcept>
#include <string>

namespace fw {

class RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(const std::string& message, int errorNumber = 0)
        : std::runtime_error(message), errorNumber_(errorNumber) {}
    virtual std::string ClassName() const { return "RuntimeException"; }
    int ErrorNumber() const { return errorNumber_; }

private:
    int errorNumber_;
};

class NilObjectException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    std::string ClassName() const override { return "NilObjectException"; }
};

class IOException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    std::string ClassName() const override { return "IOException"; }
};

}  // namespace fw
