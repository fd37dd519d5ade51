// The process's environment variables.
#pragma once

#include <string>

// The variable's value; "" when it is not set.
std::string ReadEnvironmentVariable(const char* name);

// Sets the variable, or deletes it when value is null.
void WriteEnvironmentVariable(const char* name, const char* value);

// Tells every top-level window that the environment changed; false when the
// broadcast failed or timed out.
bool BroadcastEnvironmentChange();
