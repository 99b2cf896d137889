// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A planted fault: the lowest floor of core includes the highest.
#pragma once

#include "core/design/generator.h"
