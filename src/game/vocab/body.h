// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The five body parts an aimed attack can be aimed at.
#pragma once

namespace cv {

enum class BodyPart { Eyes = 1, Head, Groin, Leg, Arm };

} // namespace cv
