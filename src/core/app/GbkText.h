#pragma once

#include <QString>

// Text limits are counted in bytes of the GBK encoding: a character below U+0080 is one byte,
// every other character two.
namespace GbkText {
int byteLength(const QString &text);
inline bool fits(const QString &text, int maxBytes) { return byteLength(text) <= maxBytes; }
}
