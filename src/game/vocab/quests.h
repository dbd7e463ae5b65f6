// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The wrist computer's five quest lines.
#pragma once

namespace cv {

// The five quest lines, by their labels z1 .. z5.
enum class QuestLine { z1 = 1, z2, z3, z4, z5 };

} // namespace cv
