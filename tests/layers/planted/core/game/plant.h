// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A rule that reaches for the drawing: the layer check must refuse it.
#pragma once

#include "view/board_view.h"
