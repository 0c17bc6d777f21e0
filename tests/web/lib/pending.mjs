// SPDX-License-Identifier: GPL-3.0-or-later
// What the page does not do yet, by the cases that find it out. A case named
// here still runs and says what it found, marked TODO, without failing the run;
// take its line out when the page does it.
export const pending = {
    spoken: 'the page gives the settings frame Frame3 no name; the desktop calls it "Settings" ("Indstillinger")',
    nul: 'the page cuts a cash text from an opened file at its first NUL byte; the desktop keeps it whole',
};
