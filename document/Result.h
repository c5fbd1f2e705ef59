#pragma once
#include <string>
#include <utility>

// Success, or the reason for a failure in words (the system's own reason
// where there is one). Every writer, reader and the map session answer with
// it, and the compiler warns where one is dropped.
struct [[nodiscard]] Result {
    bool Ok = true;
    std::string Reason;

    static Result Success() { return {}; }
    static Result Failure(std::string reason) { return {false, std::move(reason)}; }
    explicit operator bool() const { return Ok; }
};
