// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A planted fault for the layering test: the desktop's floor reaching up to the window's.
#pragma once

#include "app/window/main_form.h"
