// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The ready-made character screen: take the preset character, create one, or go back.
#pragma once

namespace cv {

struct World;

void takeClick(World& w);   // Image4
void createClick(World& w); // Image3
void backClick(World& w);   // Image5

} // namespace cv
