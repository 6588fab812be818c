#include "app/frmMain.h"

#include "cardlib/CardDeck.h"
#include "game/CardState.h"
#include "game/GameState.h"
#include "game/KeyboardFocus.h"
#include "game/Selection.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

CardId frmMain::FocusedCard()
{
    if (focusCard_ == 0)
        return 0;
    // The frame keeps its card through drops and close-ups, and takes over
    // the card nearest to the place of one that left.
    focusCard_ = FollowFocus(Game(), focusCard_, focusCell_);
    focusCell_ = FindCell(Game(), focusCard_);
    return focusCard_;
}

bool frmMain::Board_KeyPress(int key)
{
    GameState& g = Game();
    if (!g.GameInProgress)
        return false;
    FocusMove move;
    switch (key) {
    case Qt::Key_Left:
        move = FocusMove::Left;
        break;
    case Qt::Key_Right:
        move = FocusMove::Right;
        break;
    case Qt::Key_Up:
        move = FocusMove::Up;
        break;
    case Qt::Key_Down:
        move = FocusMove::Down;
        break;
    case Qt::Key_Space:
        if (Busy())
            return true;
        if (FocusedCard() == 0) {
            // Like an arrow, the first Space only shows the frame.
            focusCard_ = FirstFocusCard(g);
            focusCell_ = FindCell(g, focusCard_);
        } else {
            // Exactly what a click on the card does.
            PressedCard = focusCard_;
            Form_MouseUp(Qt::LeftButton, 0, 0);
        }
        AnnounceFocus();
        board_->update();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (Busy())
            return true;
        // Exactly what a right click does.
        PressedCard = 0;
        Form_MouseUp(Qt::RightButton, 0, 0);
        board_->update();
        return true;
    case Qt::Key_Escape:
        if (!Busy())
            DropAllPicks();
        AnnounceFocus();
        return true;
    default:
        return false;
    }
    // The first arrow shows the frame where it stands; the next ones move it.
    focusCard_ = FocusedCard() == 0 ? FirstFocusCard(g) : MoveFocus(g, focusCard_, focusCell_, move);
    focusCell_ = FindCell(g, focusCard_);
    AnnounceFocus();
    board_->update();
    return true;
}

void frmMain::DropAllPicks()
{
    GameState& g = Game();
    for (const CardId card : g.SelectedCards) {
        if (card != 0 && IsPicked(Cards(), card))
            DropCard(card);
    }
}

void frmMain::Announce(const QString& text)
{
    // A screen reader speaks the board's name when told it changed (also
    // when the same card is told again).
    board_->setAccessibleName(text);
    QAccessibleEvent event(board_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void frmMain::AnnounceFocus()
{
    const CardId card = FocusedCard();
    if (card == 0)
        return;
    QString text = SpokenCardName(card);
    if (IsPicked(Cards(), card))
        text += QStringLiteral(", picked");
    Announce(text);
}

void frmMain::AnnounceHand(int handType, int points)
{
    if (handType >= 1 && handType <= kNumHandTypes)
        Announce(HandName(handType) + QStringLiteral(", ") + FormatMoney(points));
    else
        Announce(QStringLiteral("Joker removed"));
}

// The part of the card a player sees: a card with another below it shows
// only its top strip.
QRect frmMain::VisibleCardRect(CardId card) const
{
    const GameState& g = Game();
    const BoardCell cell = FindCell(g, card);
    const bool covered = cell.column != 0 && cell.row < g.NumRows && g.CardGrid(cell.column, cell.row + 1) != 0;
    const QPoint at = Cards().Position(card);
    return QRect(at, QSize(g.CardWidth, covered ? g.RowStep : g.CardHeight));
}

void frmMain::PaintKeyboardAids(QPainter& p)
{
    const GameState& g = Game();
    if (!g.GameInProgress || busy_ > 0)
        return;
    p.save();
    p.setBrush(Qt::NoBrush);
    if (shownPlay_[0] != 0 && shownPlayBoard_ == g.CardsOnBoard) {
        // The shown play: the cards washed green inside a green edge.
        for (const CardId card : shownPlay_) {
            if (card == 0)
                break;
            const QRect r = VisibleCardRect(card).adjusted(1, 1, -2, -2);
            p.fillRect(r, QColor(0, 255, 0, 70));
            p.setPen(QPen(QColor(0, 200, 0), 3));
            p.drawRect(r);
        }
    }
    if (const CardId card = FocusedCard()) {
        // The focus frame: a yellow edge with a black line inside, seen on every card face.
        const QRect r = VisibleCardRect(card).adjusted(1, 1, -2, -2);
        p.setPen(QPen(QColor(255, 215, 0), 3));
        p.drawRect(r);
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawRect(r.adjusted(2, 2, -2, -2));
    }
    p.restore();
}
