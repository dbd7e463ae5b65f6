// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Skills and derived values computed from the statistics, tags and traits onto the character sheet.
#pragma once

namespace cv {

struct World;

// Writes the seventeen skill values of the sheet.
void recomputeSkills(World& w);
// Writes the derived values of the sheet (all but damage resistance, which nothing computes).
void recomputeDerived(World& w);

} // namespace cv
