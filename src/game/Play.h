#pragma once

// The mouse release on the board, in the game's order: a pick, a drop, or a
// submitted play (adjacency, misplay count, judgement, undo record, removal,
// close-up, after-play search), then the closing step. These functions change
// the state and tell the window, through PlayShow, what to show and when; the
// window only draws, sounds and pauses.

#include "game/GameState.h"
#include "game/PlaySearch.h"

#include <optional>

class CardDeck;
struct CloseUp;
struct RemovalStep;
struct UndoRecord;

// What a window shows of a release, each called at its moment.
class PlayShow {
public:
    virtual ~PlayShow() = default;

    // A pick: "Bloop2.wav", then the marker over the card (its save area is `slot`'s).
    virtual void Picked(CardId card, int slot) = 0;
    // A drop: "Bloop.wav", then the save area of `slot` back over the marker.
    virtual void Dropped(CardId card, int slot) = 0;
    // A refusal: "Error.wav" and the picks flash.
    virtual void Refused() = 0;
    // The third misplay in a row: the instructions open without their switch.
    virtual void ThirdMisplay() = 0;
    // The play note: the "About Jokers" message when `jokersNote`, else the note panel is cleared.
    virtual void PlayNote(bool jokersNote) = 0;
    // A royal flush: "ding.wav" before the acceptance.
    virtual void RoyalDing() = 0;
    // The score panel's caption from GameScore.
    virtual void Score() = 0;
    // The judgement accepted the picks: a hand of this type (0 for a joker
    // removal) paying these points.
    virtual void HandAccepted(int handType, int points) = 0;
    // An accepted play has written the undo record: Undo is enabled.
    virtual void UndoEnabled() = 0;
    // One card has left the board.
    virtual void Removal(const RemovalStep& step) = 0;
    // The columns have closed up; then the hand's label (-1 for none) flashes.
    virtual void ColumnsClosed(const CloseUp& closeUp, int handLabel) = 0;
    // No play is left: the game has ended (the state says how).
    virtual void GameOver(GameEnd end) = 0;
    // The clock starts (a hand was made and the game goes on).
    virtual void ClockStarts() = 0;
    // The game score has reached the entry fee for the first time: the score
    // panel turns green, "scor1.wav" and a one-second pause.
    virtual void FeeWonBack() = 0;
};

// Counts one misplay; true on the third in a row, the count then starting again.
bool CountMisplay(int& misplayCount);

// Picks a card: a sixth pick is refused (a misplay); any other sets the count back to 0.
void PickForPlay(GameState& g, CardDeck& cards, CardId card, int& misplayCount, PlayShow& show);
// Lets a picked card go.
void DropFromPlay(GameState& g, CardDeck& cards, CardId card, PlayShow& show);

// Submits the picked cards. Returns false when a hand was refused by the
// judgement: the closing step then does not run.
bool SubmitPlay(GameState& g, CardDeck& cards, UndoRecord& undo, int& misplayCount, PlayShow& show);

// The after-play search: when no play is left the game ends, and the way it
// ends is returned (the caller shows it).
std::optional<GameEnd> EndGameIfNoPlays(GameState& g, const CardDeck& cards);

// The player gives up the running game: its fee stays paid, the picks are
// let go and the game is no longer in progress (nothing asks about it again).
void ForfeitGame(GameState& g);

// The closing step of every release.
void CloseRelease(GameState& g, PlayShow& show);
