// SPDX-License-Identifier: GPL-3.0-or-later
// What the page does not do yet, by the cases that find it out. A case named
// here still runs and says what it found, marked TODO, without failing the run;
// take its line out when the page does it.
export const pending = {
    keys: 'the page takes its keys and focus from the core once they move there: the focus to Deal at the ' +
        "player's turn and back to Start, F1, the chooser's arrows, the Tab order",
    moved: 'the page leaves a control where it was made: the chooser Frame4 stays at Top 5760, not 2640',
    spoken: "the page names no frame, card or back for a screen reader as the desktop's table does",
    nul: 'the page cuts a cash text from an opened file at its first NUL byte; the desktop keeps it whole',
};
