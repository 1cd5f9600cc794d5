// SPDX-License-Identifier: GPL-3.0-or-later
// A library that loads but exports no Speak.
extern "C" __attribute__((visibility("default"))) void Talk() {}
