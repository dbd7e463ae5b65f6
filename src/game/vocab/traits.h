// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The fourteen traits a character can have, by number.
#pragma once

namespace cv {

enum TraitId {
    trNone = 0,
    trFastMetabolism = 1,
    trCrusher,
    trSmall,
    trOneHanded,
    trPrecision,
    trKamikaze,
    trHeavyHand,
    trFastShooter,
    trGoodNatured,
    trChemWeak,
    trChemResistant,
    trSexAppeal,
    trCraftsman,
    trTalent
};

} // namespace cv
