#pragma once
// Counts every allocation of the test program that compiles CountingAllocator.cpp in (it
// replaces the global operator new and delete, so only programs of their own use it): how many
// bytes are held now, and the most held at one time since the last reset.
#include <cstddef>

namespace testsupport {

std::size_t BytesHeld();
// Starts a new measurement from what is held now.
void ResetMostBytesHeld();
std::size_t MostBytesHeld();

}  // namespace testsupport
