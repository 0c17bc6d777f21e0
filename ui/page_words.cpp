// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/page_words.h"

namespace korvane {
namespace {

const PageWords kEnglishWords{
    "Save cash file",
    "Open cash file",
    "The cash is kept in this browser.",
    "This browser keeps nothing for this page: the cash is lost when it closes.",
    "The cash this browser kept could not be read and is left as it is: the cash of this "
    "table is not kept.",
    "The cash could not be kept in this browser; the table tries again each time it changes.",
    "Another tab of this browser took the table over while this one slept: this one plays no "
    "more, so as not to write over its cash.",
    "the browser's storage for this page is full",
    "the browser keeps no storage for this page",
    "what it keeps for this page is no cash this page wrote",
    "Korvane is already open in another tab or window of this browser.\rThis tab plays "
    "nothing and leaves the cash alone: play in the other one, or close it and load this "
    "page again.",
};

const PageWords kDanishWords{
    "Gem kassefil",
    "Åbn kassefil",
    "Kassen gemmes i denne browser.",
    "Browseren gemmer intet for denne side: kassen går tabt, når siden lukker.",
    "Kassen, som browseren gemte, kunne ikke læses og er ikke rørt: dette bords kasse gemmes "
    "ikke.",
    "Kassen kunne ikke gemmes i denne browser; bordet prøver igen, hver gang den ændres.",
    "En anden fane i denne browser overtog bordet, mens denne sov: denne spiller ikke mere, så "
    "den ikke skriver over dens kasse.",
    "browserens lager for denne side er fuldt",
    "browseren gemmer intet for denne side",
    "det, den gemmer for denne side, er ingen kasse, som siden skrev",
    "Korvane er allerede åbent i en anden fane eller et andet vindue i denne browser.\rDenne "
    "fane spiller ikke og lader kassen være: spil i den anden, eller luk den og indlæs siden "
    "igen.",
};

}  // namespace

const PageWords& pageWords(Language language) {
    return language == Language::English ? kEnglishWords : kDanishWords;
}

}  // namespace korvane
