// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The aimed attack: the body-part screen, each part's chance and critical bonus, and the crippling
// effects of a lost eye, leg or arm.
#pragma once

#include "../vocab/body.h"

namespace cv {

struct World;

// The chance shown and used for a part, from the player's to-hit chance (integer division).
int aimedChance(int playerHitChance, BodyPart part);

// The combat screen's target click for an aimed attack: the screen with the five chances.
void openAim(World& w);

namespace accform {
void bClick(World& w, BodyPart part); // b1 .. b5
void readyClick(World& w);            // "Бить"
} // namespace accform

} // namespace cv
