#include "app/frmMain.h"

#include "cardlib/CardDeck.h"
#include "cardlib/CardFaces.h"
#include "game/GameState.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {
// The marker on a picked card: a blue box with a black edge and PLAY in yellow;
// red while the markers flash after a refused hand.
QPixmap MakePlayMarker(qreal dpr, const QColor& box = QColor(0, 0, 200))
{
    QPixmap pm(QSize(41, 20) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.fillRect(QRect(0, 0, 41, 18), Qt::black);
    p.fillRect(QRect(1, 1, 39, 16), box);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(255, 255, 0));
    p.drawText(QRect(0, 0, 41, 18), Qt::AlignCenter, QStringLiteral("PLAY"));
    return pm;
}
} // namespace

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
        if (card != 0 && deck.GetUser2(card) == -1)
            DrawMarker(card);
    }
    board_->update();
}

void frmMain::DrawMarker(int card)
{
    if (pic_Play.isNull() || !qFuzzyCompare(pic_Play.devicePixelRatio(), devicePixelRatioF()))
        pic_Play = MakePlayMarker(devicePixelRatioF());
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
        pic_PlayRefused = MakePlayMarker(devicePixelRatioF(), QColor(220, 0, 0));
    const CardDeck& deck = Cards();
    for (const CardId card : Game().SelectedCards) {
        if (card != 0 && deck.GetUser2(card) == -1)
            p.drawPixmap(deck.GetCardX(card) + 15, deck.GetCardY(card) + 17, pic_PlayRefused);
    }
}
