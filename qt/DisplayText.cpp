#include "qt/DisplayText.h"

#include <QByteArray>

#include "platform/Letters.h"

QString ToDisplayText(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (std::size_t i = 0; i < bytes.size();) {
    platform::DecodedChar decoded = platform::DecodeCharAt(bytes, i);
    char32_t codePoint = decoded.codePoint;
    text.append(QString::fromUcs4(&codePoint, 1));
    i += decoded.length;
  }
  return text;
}

std::string FromDisplayText(const QString& text) {
  QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
