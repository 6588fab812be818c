#pragma once

// Fixed texts of the play: the hand definitions shown over the hand labels
// and the note about jokers. Line breaks are carriage returns ("\r") alone.

#include <QString>

// The definition of hand label index 0..8 ("1 Pair" .. "Royal Flush"); empty for another index.
QString HandDefinitionText(int labelIndex);
// What the definition panel shows: the definition followed by one more carriage return.
QString HandPopupCaption(int labelIndex);

// The score panel's caption: "Game:  $1,234".
QString GameScoreCaption(qint64 score);

// The "About Jokers" message box (information icon, OK).
QString AboutJokersTitle();
QString AboutJokersText();
