// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The heroine's portrait, shared by its own file and the ready-made character screen.
#pragma once

#include <QImage>

namespace pictures {

QImage heroinePortrait();

} // namespace pictures
