// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QRect>

// Where a window's INSIDE goes for the window, FRAME and all, to stand in the middle of AREA.
// Frames are uneven (a title bar above, thin edges elsewhere), so the inside is not centred.
inline QRect centredInside(const QRect &inside, const QMargins &frame, const QRect &area)
{
    QRect outside = inside.marginsAdded(frame);
    outside.moveCenter(area.center());
    return outside.marginsRemoved(frame);
}
