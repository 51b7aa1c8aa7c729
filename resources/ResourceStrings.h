#pragma once
// The string table.
#include <string>

// The string with this id; empty when the table has none.
std::string LoadResourceString(int id);
