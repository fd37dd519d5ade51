// The process's environment variables.
#pragma once

#include <string>

// The variable's value; "" when it is not set, or when the name or the value
// is too long for the system's calls.
std::string ReadEnvironmentVariable(const char* name);

// Sets the variable, or deletes it when value is null; false, with the
// variable as it was, when the name or the value is too long for the system's
// calls or the system refuses.
bool WriteEnvironmentVariable(const char* name, const char* value);

// Tells every top-level window that the environment changed; false when the
// broadcast failed or timed out.
bool BroadcastEnvironmentChange();
