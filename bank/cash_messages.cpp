// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/cash_messages.h"

#include "platform/number_text.h"

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

std::string noLockText(Language language, const std::string& file) {
    if (language == Language::Danish)
        return "Mappen med kassefilen " + file +
               " tager ingen lås, så et andet bord kan spille fra den samme fil.\rSpil kun ved ét "
               "bord ad gangen der, ellers kan kassen fra det ene gå tabt.";
    return "The folder of the cash file " + file +
           " takes no lock, so a second table could play from the same file.\rPlay at one table "
           "at a time there, or the cash of one of them may be lost.";
}

std::string tableTookOverText(Language language, const std::string& file) {
    if (language == Language::Danish)
        return "Et andet bord spiller nu fra kassefilen " + file +
               ", for låsen, der holdt det ude, er fjernet eller skiftet ud.\rDette bord gemmer "
               "ikke mere sin kasse der, så det ikke skriver over det andet bords.";
    return "Another table now plays from the cash file " + file +
           ", since the lock that kept it out was removed or replaced.\rThis table no longer "
           "saves its cash there, so as not to write over the other table's.";
}

std::string cashFileChangedText(Language language, const std::string& file) {
    if (language == Language::Danish)
        return "Kassefilen " + file +
               " er ikke længere den fil, bordet læste ved start: den er flyttet, slettet eller "
               "skiftet ud, eller et link til den er ændret, mens bordet var åbent.\rDette bord "
               "gemmer ikke længere sin kasse, og der spilles ikke flere runder ved det, så det "
               "ikke skriver over en anden fil. Luk det, og start det igen for at spille fra den "
               "fil, der ligger der nu.";
    return "The cash file " + file +
           " is no longer the file this table read at start-up: it was moved, removed or "
           "replaced, or a link to it was changed, while the table was open.\rThis table no "
           "longer saves its cash and deals no more rounds, so as not to write over another "
           "file. Close it, and start it again to play from the file that is there now.";
}

std::string debtCutText(Language language, const std::string& file, int32_t debt) {
    if (language == Language::Danish)
        return "Gælden i kassefilen " + file +
               " ligger uden for, hvad bordet kan rumme.\rDen er sat til " + std::to_string(debt) +
               ", og sådan bliver den gemt.";
    return "The debt in the cash file " + file +
           " lies beyond what the table can hold.\rIt was cut to " + std::to_string(debt) +
           ", and is saved so.";
}

std::string openedCashQuestionText(Language language, const std::string& file,
                                   const CashAndDebt& now, const CashAndDebt& then) {
    if (language == Language::Danish)
        return "Kassefilen " + file + " har " + then.cash + " $ og en gæld på " +
               plainText(then.debt) + ".\rBordet har nu " + now.cash + " $ og en gæld på " +
               plainText(now.debt) + ".\rSkal bordet tage kassen fra filen?";
    return "The cash file " + file + " holds " + then.cash + " $ and a debt of " +
           plainText(then.debt) + ".\rThe table now holds " + now.cash + " $ and a debt of " +
           plainText(now.debt) + ".\rTake the cash from the file?";
}

std::string openedCashUnreadableText(Language language, const std::string& file,
                                     const std::string& reason) {
    if (language == Language::Danish)
        return "Kassefilen " + file + " kunne ikke læses (" + reason +
               ").\rKassen på bordet er ikke ændret.";
    return "The cash file " + file + " could not be read (" + reason +
           ").\rThe cash on the table is unchanged.";
}

std::string openedCashEmptyText(Language language, const std::string& file) {
    if (language == Language::Danish)
        return "Kassefilen " + file + " er tom.\rKassen på bordet er ikke ændret.";
    return "The cash file " + file + " is empty.\rThe cash on the table is unchanged.";
}

std::string openedCashMidRoundText(Language language, const std::string& file) {
    if (language == Language::Danish)
        return "Der spilles en runde.\rÅbn kassefilen " + file + " igen, når runden er slut.";
    return "A round is being played.\rOpen the cash file " + file + " again when it is over.";
}

}  // namespace korvane
