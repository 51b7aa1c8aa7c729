#pragma once
// Byte strings at the edge of the window. Paths and song text stay bytes everywhere else; only
// what a widget shows is decoded (UTF-8, any invalid byte read as Windows-1252), and what the
// user typed is encoded back as UTF-8.
#include <QString>
#include <string>
#include <string_view>

QString ToDisplayText(std::string_view bytes);
std::string FromDisplayText(const QString& text);
