#include "app/frmMain.h"

#include "cardlib/CardDeck.h"
#include "cardlib/CardFaces.h"
#include "game/CardState.h"
#include "game/GameState.h"
#include "ui/PlayMarker.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

void frmMain::RepaintBoard()
{
    const GameState& g = Game();
    if (!g.GameInProgress) {
        board_->update();
        return;
    }
    // Every repaint starts from the bare table: whatever the play's block
    // copies left where no card lies goes, and a card drawn again over its
    // own picture would darken its rounded corners.
    surface_.Clear();
    const CardDeck& deck = Cards();
    for (int c = 1; c <= g.NumColumns; ++c) {
        for (int r = 1; r <= g.NumRows; ++r) {
            const int card = g.CardGrid(c, r);
            surface_.DrawCard(card, deck.GetCardX(card), deck.GetCardY(card));
        }
    }
    for (int i = 0; i < 5; ++i) {
        const int card = g.SelectedCards[i];
        if (IsPicked(deck, card))
            DrawMarker(card);
    }
    board_->update();
}

void frmMain::DrawMarker(int card)
{
    if (pic_Play.isNull() || !qFuzzyCompare(pic_Play.devicePixelRatio(), devicePixelRatioF()))
        pic_Play = PlayMarkerPixmap(devicePixelRatioF());
    const CardDeck& deck = Cards();
    surface_.Blit(pic_Play, QPoint(deck.GetCardX(card) + 15, deck.GetCardY(card) + 17));
}

void frmMain::SetFlyingCard(int card, QPoint at)
{
    const QRect before(flyingAt_, QSize(Game().CardWidth, Game().CardHeight));
    flyingCard_ = card;
    flyingAt_ = at;
    board_->update(before.united(QRect(at, before.size())));
}

void frmMain::FlashPicks()
{
    // Three flashes, each 0.1 second on and 0.1 second off.
    refusalFlashes_ = 6;
    refusalTimer_->start();
    board_->update();
}

void frmMain::RefusalFlashStep()
{
    if (--refusalFlashes_ <= 0)
        refusalTimer_->stop();
    board_->update();
}

void frmMain::PaintRefusalFlash(QPainter& p)
{
    // On while the count is even: the flash starts lit.
    if (refusalFlashes_ <= 0 || refusalFlashes_ % 2 != 0 || !Game().GameInProgress)
        return;
    if (pic_PlayRefused.isNull() || !qFuzzyCompare(pic_PlayRefused.devicePixelRatio(), devicePixelRatioF()))
        pic_PlayRefused = PlayMarkerPixmap(devicePixelRatioF(), kPlayMarkerRed);
    const CardDeck& deck = Cards();
    for (const CardId card : Game().SelectedCards) {
        if (IsPicked(deck, card))
            p.drawPixmap(deck.GetCardX(card) + 15, deck.GetCardY(card) + 17, pic_PlayRefused);
    }
}
