#pragma once
// The test program replaces the global operator new so a test can show that code under test
// allocates nothing.

#include <cstddef>

namespace recibo::test {

// How many times the global operator new has run since the program started.
std::size_t allocationCount();

}  // namespace recibo::test
