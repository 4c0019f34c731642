#pragma once
// Raised when the system refuses a resource the program cannot run without,
// such as a timer.

#include <stdexcept>

class EOutOfResources : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
