// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The seventeen skills of the character sheet, by number.
#pragma once

namespace cv {

// The skills by number 1..17 (1 "Ручное оружие" ... 17 "Скиталец") as the sheet shows them.
enum class Skill {
    light = 1,
    heavy,
    energ,
    unarm,
    meele,
    throw_,
    first,
    doctr,
    sneak,
    lockp,
    steal,
    traps,
    scien,
    repar,
    talks,
    merch,
    outdr
};
} // namespace cv
