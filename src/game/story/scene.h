// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scene engine: the confirm step and the rules of each location.
#pragma once

namespace cv {

struct World;

// "Выбрано": empties the story text, hides the confirm button and applies the current location's rules.
void confirmChoice(World& w);

} // namespace cv
