// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberlayout.h"
#include "platform/drawsurface.h"

#include <cmath>

void drawRightAligned(DrawSurface &s, const QString &text, float anchor, float yc,
                      const std::function<void()> &beforeEach)
{
    const int n = int(text.size());
    for (int k = 1; k <= n; ++k) {
        const QString c = text.mid(n - k, 1);
        const float w = s.textWidth(c);
        const float h = s.textHeight(c);
        s.setCurrentX(anchor - float(k - 1) * w - 0.5f * w);
        s.setCurrentY(yc - 0.5f * h);
        if (beforeEach)
            beforeEach();
        s.printText(c);
    }
}

void drawCentred(DrawSurface &s, const QString &text, float xc, float yc)
{
    s.setCurrentX(xc - 0.5f * s.textWidth(text));
    s.setCurrentY(yc - 0.5f * s.textHeight(text));
    s.printText(text);
}

int gridStep(float scale, int parts)
{
    return int(std::nearbyint(scale / float(parts)));
}
