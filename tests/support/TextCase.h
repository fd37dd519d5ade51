#pragma once

// A row of a test table: a text given to the code under test and the text it
// should give back.
struct TextCase
{
    const char* input;
    const char* expected;
};
