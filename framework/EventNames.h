#pragma once
// Answers IsEventImplemented from the list of events a class fills.
#include <initializer_list>
#include <string>

namespace fw {

inline bool IsAmong(const std::string& eventName, std::initializer_list<const char*> implemented) {
    for (const char* name : implemented) {
        if (eventName == name) return true;
    }
    return false;
}

}  // namespace fw
