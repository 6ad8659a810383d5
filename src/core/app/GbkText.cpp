#include "core/app/GbkText.h"

int GbkText::byteLength(const QString &text)
{
    int bytes = 0;
    for (auto it = text.cbegin(); it != text.cend(); ++it) {
        if (it->isHighSurrogate() && it + 1 != text.cend() && (it + 1)->isLowSurrogate())
            ++it;
        bytes += it->unicode() < 0x80 ? 1 : 2;
    }
    return bytes;
}
