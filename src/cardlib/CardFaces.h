#pragma once

// Card pictures: faces and backs drawn from an installed SVG card deck, or by
// our own code when there is none, rendered once per card, size and device
// pixel ratio and kept.
//
// Nothing is read until the first picture is asked for. Decks are looked up in
// the "carddecks" folders of the system's data locations (or in the folder
// named by the environment variable QUIBEL_CARDDECKS); each deck is a
// subfolder with an index.desktop whose SVG= key names its SVG file. "svg-nicu-white" is preferred, then any other
// deck.
//
// Which picture an id shows:
//   1..52     its own face (13 per suit, Ace first: clubs, diamonds, hearts, spades)
//   53..109   the face of ((id - 1) % 52) + 1: these ids appear only in the
//             shuffling and victory scenes, where a full-looking deck matters more
//             than the cards being distinct
//   110, 112  the black joker; 111, 113 the red joker
//   114 and up the card back
//   0 or less  nothing
// A picture the deck lacks (most decks hold no joker) is drawn by our own code.

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;
class QSvgRenderer;

class CardFaces {
public:
    static constexpr QSize kCardSize { 71, 96 };
    static constexpr int kFirstJoker = 110;
    static constexpr int kLastJoker = 113;
    // What PictureOf answers for a card showing its back.
    static constexpr int kBackPicture = 114;

    CardFaces();
    ~CardFaces();
    CardFaces(const CardFaces&) = delete;
    CardFaces& operator=(const CardFaces&) = delete;

    // The card's picture at logicalSize, with devicePixelRatio set to dpr.
    // A null pixmap for card 0 or less.
    QPixmap Face(int card, QSize logicalSize = kCardSize, qreal dpr = 1.0);

    // Draws the card at kCardSize with its top-left corner at (x, y), sharp for
    // the painter's device pixel ratio. Card 0 draws nothing: an empty cell
    // stays as it is.
    void DrawCard(QPainter& painter, int card, int x, int y);

    // The deck's element id for a card ("1_club", "queen_heart", "red_joker", "back").
    static QString ElementId(int card);
    // The id whose picture the card shows (see above): 1..52, 110 (black
    // joker), 111 (red joker), kBackPicture, or 0 for none.
    static int PictureOf(int card);

    // Drops the deck and every rendered picture; the next picture looks for a
    // deck again.
    void Unload();

private:
    void EnsureLoaded();
    QStringList DeckRoots() const;
    bool TryDeck(const QString& deckFolder);
    QPixmap Render(int picture, QSize logicalSize, qreal dpr);

    bool loaded_ = false;
    std::unique_ptr<QSvgRenderer> renderer_;
    // Picture id to the deck's element for it; a picture not listed is our own.
    QHash<int, QString> elements_;
    QHash<quint64, QPixmap> cache_;
};

// The one set of card pictures of the game.
CardFaces& Faces();
