// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The character record.
#include "character.h"

namespace cv {

int& CharacterRecord::stat(int index) {
    switch (index) {
    case 0:
        return strength;
    case 1:
        return perception;
    case 2:
        return endurance;
    case 3:
        return intelligence;
    case 4:
        return agility;
    case 5:
        return luck;
    default:
        return charisma;
    }
}

} // namespace cv
