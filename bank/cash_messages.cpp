// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/cash_messages.h"

namespace korvane {

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

std::string cashNotSavedText(Language language, const std::string& file,
                             const std::string& reason) {
    if (language == Language::Danish)
        return "Kassen kunne ikke gemmes i " + file + " (" + reason +
               ").\rDen gamle fil er ikke rørt.";
    return "The cash could not be saved in " + file + " (" + reason +
           ").\rThe old file was left as it was.";
}

}  // namespace korvane
