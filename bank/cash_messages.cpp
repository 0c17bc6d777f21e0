// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/cash_messages.h"

namespace korvane {
namespace {

std::string leftText(Language language, OldFile left) {
    const bool danish = language == Language::Danish;
    switch (left) {
        case OldFile::Untouched:
            return danish ? "Den gamle fil er ikke rørt." : "The old file was left as it was.";
        case OldFile::None:
            return danish ? "Der er ikke lavet nogen kassefil." : "No cash file was made.";
        case OldFile::Damaged:
            return danish ? "Filen kan være beskadiget." : "The file may be damaged.";
    }
    return "";
}

}  // namespace

std::string cashUnreadableText(Language language, const std::string& file,
                               const std::string& reason) {
    if (language == Language::Danish)
        return "Kassefilen " + file + " kunne ikke læses (" + reason +
               ").\rBordet starter med 1000 $ og ingen gæld, og filen bliver ikke rørt.";
    return "The cash file " + file + " could not be read (" + reason +
           ").\rThe table starts with 1000 $ and no debt, and the file will be left as it is.";
}

std::string cashLeftUnsavedText(Language language, const std::string& file) {
    if (language == Language::Danish)
        return "Kassefilen " + file +
               " kunne ikke læses ved start, så den er ikke rørt.\rKassen fra dette spil er ikke "
               "gemt.";
    return "The cash file " + file +
           " could not be read at start-up, so it was left as it was.\rThe cash of this run was "
           "not saved.";
}

std::string cashNotSavedText(Language language, const std::string& file, const std::string& reason,
                             OldFile left, bool later) {
    const bool danish = language == Language::Danish;
    std::string text = danish ? "Kassen kunne ikke gemmes i " + file + " (" + reason + ")."
                              : "The cash could not be saved in " + file + " (" + reason + ").";
    text += '\r';
    text += leftText(language, left);
    if (later)
        text += danish ? "\rBordet prøver igen, hver gang kassen ændres, og når det lukkes."
                       : "\rThe table tries again each time the cash changes, and when it closes.";
    return text;
}

std::string tableAlreadyOpenText(Language language, const std::string& file) {
    if (language == Language::Danish)
        return "Bordet er allerede åbent i et andet vindue med kassefilen " + file +
               ".\rDette vindue lukker og lader filen være.";
    return "The table is already open in another window with the cash file " + file +
           ".\rThis window closes and leaves the file alone.";
}

}  // namespace korvane
