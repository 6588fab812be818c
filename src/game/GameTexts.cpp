#include "game/GameTexts.h"

#include "game/GameState.h"

#include <array>

QString HandDefinitionText(int labelIndex)
{
    static const std::array<const char*, 9> texts = {
        "1 PAIR\r\r2 cards that are alike.\r\rExample:  2 Fives\r",
        "2 PAIRS\r\r2 sets of cards that are alike.\r\rExample:  2 Jacks and 2 Fives\r",
        "3 OF A KIND\r\r3 cards of the same value.\r\rExample:  3 Sevens\r",
        "STRAIGHT\r\rA set of 5 sequential cards.\r(They do not have to be of the same suit.)\r\r"
        "Example:  Three, Four, Five, Six, and Seven",
        "FLUSH\r\rA set of any 5 cards all of the same suit.\r\rExample:  5 Spades\r",
        "FULL HOUSE\r\rThe hand contains both a pair and a three of a kind.\r"
        "(Both the Pair and the Three of a Kind can be of any value.)\r\rExample:  2 Fives and 3 Queens",
        "4 OF A KIND\r\rThe hand contains 4 cards of the same value.\r(They do not have to be of the same suit.)\r\r"
        "Example:  4 Kings",
        "STRAIGHT FLUSH\r\rA hand that can be arranged into a set of 5 sequential cards\r"
        "which are also of the same suit.  In other words, both a straight and a flush.\r\r"
        "Example:  Three, Four, Five, Six, and Seven, AND they are all Clubs.",
        "ROYAL FLUSH\r\r5 cards containing a Ten, Jack, Queen, King, and Ace,\r"
        "AND they are all of the same suit.\r\r"
        "Example:  Ten, Jack, Queen, King, and Ace, AND they are all Hearts.",
    };
    if (labelIndex < 0 || labelIndex >= static_cast<int>(texts.size()))
        return {};
    return QString::fromLatin1(texts[labelIndex]);
}

QString HandPopupCaption(int labelIndex)
{
    return HandDefinitionText(labelIndex) + QLatin1Char('\r');
}

QString AboutJokersTitle()
{
    return QStringLiteral("About Jokers");
}

QString AboutJokersText()
{
    return QStringLiteral("Jokers are not wild.  They add to the strategy of the game in that they are "
                          "\"fillers\""
                          " and can be removed to drop down cards above them.  You may also use Jokers to "
                          "remove any adjacent card.  To take it one step further, Jokers on the bottom row are "
                          "special in that you can remove any other card (not just adjacent cards) along with a "
                          "Joker on the bottom.");
}

QString GameScoreCaption(qint64 score)
{
    return QStringLiteral("Game:  ") + FormatMoney(score);
}
