#pragma once

// The state every window and rule shares: one instance for the whole run,
// reached through Game(). Names are the game's own; flags are plain bools.

#include <QString>

#include <array>
#include <cstdint>

using CardId = int16_t;

constexpr int kNumHandTypes = 9; // HandType 1..9
constexpr int kDeckSize = 56; // 52 cards and four jokers
constexpr int kFirstJokerId = 110; // jokers are 110..113 on the board
constexpr int kGridSize = 10; // CardGrid is 10 x 10, indexed from 1

inline bool IsJoker(int cardOrValue)
{
    return cardOrValue >= 99;
}

// CardGrid(c, r): the card at column c, row r (both from 1); row NumRows is the bottom.
class CardGridArray {
public:
    CardId& operator()(int c, int r) { return cells_[c][r]; }
    CardId operator()(int c, int r) const { return cells_[c][r]; }
    void clear() { cells_ = {}; }
    bool operator==(const CardGridArray&) const = default;

private:
    std::array<std::array<CardId, kGridSize + 1>, kGridSize + 1> cells_ {};
};

struct TopTenRow {
    QString Name;
    int32_t Score = 0; // an empty score counts as 0
    bool operator==(const TopTenRow&) const = default;
};

struct GameState {
    // Program identity and folders (set at start).
    QString ProgramName;
    QString ProgramVersion;
    QString AppFolder; // ends in '/'
    QString DataFolder; // ends in '/'
    QString PlayersFilePath;

    // Current player.
    QString PlayerName;
    int32_t Bankroll = 0;
    int32_t GamesPlayed = 0;
    bool SoundOn = false;
    bool ShowInstructions = false;
    bool UseHandPopups = false;

    // Game constants.
    int16_t EntryFee = 0;
    int16_t DifferentHandsBonus = 0;
    int16_t CardRemovedBonus = 0;
    int16_t TimerBonusStart = 0;
    std::array<int16_t, kNumHandTypes + 1> HandPoints {}; // by HandType 1..9
    std::array<int16_t, kNumHandTypes + 1> HandCounts {}; // by HandType 1..9

    // Board geometry, in pixels of the game window.
    int16_t CardWidth = 0;
    int16_t CardHeight = 0;
    int16_t RowStep = 0;
    int16_t NumColumns = 0;
    int16_t NumRows = 0;
    int16_t BoardWidth = 0;
    int16_t BoardHeight = 0;
    int16_t BoardLeft = 0;
    int16_t BoardTop = 0;

    // Board contents.
    CardGridArray CardGrid;
    std::array<int16_t, kGridSize + 1> ColumnCardCount {}; // by column 1..8
    int16_t ActiveColumns = 0;
    int16_t CardsOnBoard = 0;

    // The deal: positions 1..56 in deal order (slot 0 unused), and the copy a same deal replays.
    std::array<CardId, kDeckSize + 1> Deck {};
    std::array<CardId, kDeckSize + 1> SavedDeck {};
    // The number of the deal on the board (1..4,294,967,295; 0 before the first
    // deal); a same deal keeps it. NextDealNumber, when not 0, is the deal the
    // next shuffle lays out instead of one the time of day picks.
    uint32_t DealNumber = 0;
    uint32_t NextDealNumber = 0;

    // Running game.
    bool GameInProgress = false;
    int32_t GameScore = 0;
    bool FeeWonBack = false;
    int16_t HandsMade = 0;
    int32_t ElapsedSeconds = 0;
    bool SameDeal = false;
    bool ScoreboardPending = false;

    // Pick state.
    int16_t SelectedCount = 0;
    std::array<CardId, 5> SelectedCards {};
    std::array<CardId, 5> SelectedHand {};
    std::array<int16_t, 116> SelectedSlot {}; // by CardId

    // Records.
    std::array<TopTenRow, 13> TopTen {};
    int16_t TopTenRows = 0;
};

// The one shared instance.
GameState& Game();

// Sets the game constants and the hand points (start-up).
void SetGameConstants(GameState& g);

// The hand types, in the order of the hand labels and their names.
enum HandType : int {
    OnePair = 1,
    TwoPairs,
    ThreeOfAKind,
    Straight,
    Flush,
    FullHouse,
    FourOfAKind,
    StraightFlush,
    RoyalFlush
};

// Hand names by HandType 1..9 ("1 Pair" .. "Royal Flush").
QString HandName(int handType);

// "$#,##0;;;": -$1,500, $0, $1,000.
QString FormatMoney(qint64 amount);
