// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A planted source for the translated-texts check: 草 in a comment is free, and so are the texts
// marked for translation; the bare 芽 below is not.
const char* kMarked = SUISPO_TR_NOOP("Plant", "草");
const char* kCalled = tr("葉が "
                         "ひらく");
const char* kBare = "芽";
