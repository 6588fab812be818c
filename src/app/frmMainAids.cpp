#include "app/frmMain.h"

#include "cardlib/CardDeck.h"
#include "game/DealNumber.h"
#include "game/GameState.h"
#include "game/ShowPlay.h"
#include "ui/FastPlay.h"
#include "ui/MsgBox.h"
#include "ui/Panel3D.h"

#include <QAction>
#include <QCheckBox>
#include <QInputDialog>
#include <QMenu>
#include <QTimer>

namespace {
// How long Show a Play marks its cards (shown to the player, not a wait of the game).
constexpr int kShowPlayMilliseconds = 2000;
const QString kSelectDealTitle = QStringLiteral("Select Deal");

void InsertAfter(QMenu* menu, QAction* after, QAction* added)
{
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(after) + 1;
    menu->insertAction(at > 0 && at < actions.size() ? actions[at] : nullptr, added);
}
} // namespace

void frmMain::BuildAdditions()
{
    MenuFileSelectDeal = new QAction(QStringLiteral("Select &Deal\u2026"), this);
    InsertAfter(MenuGame, MenuFileNewGame, MenuFileSelectDeal);
    connect(MenuFileSelectDeal, &QAction::triggered, this, &frmMain::MenuFileSelectDeal_Click);

    MenuFileFastPlay = new QAction(QStringLiteral("&Fast Play"), this);
    MenuFileFastPlay->setCheckable(true);
    InsertAfter(MenuGame, MenuFileUseHandPopups, MenuFileFastPlay);
    connect(MenuFileFastPlay, &QAction::triggered, this, &frmMain::MenuFileFastPlay_Click);
    MenuFileFastPlay->setChecked(FastPlayOn());
    ApplyFastPlay();

    MenuViewShowPlay = new QAction(QStringLiteral("Show a &Play"), this);
    MenuViewShowPlay->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
    InsertAfter(MenuView, MenuViewHint, MenuViewShowPlay);
    connect(MenuViewShowPlay, &QAction::triggered, this, &frmMain::MenuViewShowPlay_Click);
    // Show a Play is there exactly when the Hint is.
    connect(MenuViewHint, &QAction::changed, this, [this] { MenuViewShowPlay->setEnabled(MenuViewHint->isEnabled()); });

    showPlayTimer_ = new QTimer(this);
    showPlayTimer_->setSingleShot(true);
    showPlayTimer_->setInterval(kShowPlayMilliseconds);
    connect(showPlayTimer_, &QTimer::timeout, this, [this] {
        shownPlay_ = {};
        board_->update();
    });

    // The board takes the keys; the sound box no longer catches a Space meant for the cards.
    board_->setFocusPolicy(Qt::StrongFocus);
    chkSound->setFocusPolicy(Qt::NoFocus);
    board_->setAccessibleName(QStringLiteral("Board"));
}

void frmMain::ShowDealNumber()
{
    const GameState& g = Game();
    c_score->setToolTip(DealCaption(g.DealNumber));
    board_->setAccessibleDescription(DealCaption(g.DealNumber));
    // A new deal starts without the frame; the next arrow shows it.
    focusCard_ = 0;
    focusCell_ = {};
    shownPlay_ = {};
    board_->setFocus();
}

void frmMain::MenuFileSelectDeal_Click()
{
    if (Busy())
        return;
    bool ok = false;
    const QString text = QInputDialog::getText(this, kSelectDealTitle,
        QStringLiteral("Deal number (%1 to %2):").arg(kFirstDealNumber).arg(kLastDealNumber), QLineEdit::Normal,
        QString(), &ok);
    if (!ok)
        return;
    const std::optional<uint32_t> number = ParseDealNumber(text);
    if (!number) {
        MsgBox(
            QStringLiteral("A deal number is a whole number from %1 to %2.").arg(kFirstDealNumber).arg(kLastDealNumber),
            vbOKOnly | vbExclamation, kSelectDealTitle);
        return;
    }
    // New Game's own way: its fee and its forfeit question. A refused forfeit
    // leaves the game in progress and asks for no deal.
    GameState& g = Game();
    g.NextDealNumber = *number;
    MenuFileNewGame_Click();
    g.NextDealNumber = 0;
    board_->setFocus();
}

void frmMain::MenuFileFastPlay_Click()
{
    SetFastPlay(MenuFileFastPlay->isChecked());
}

void frmMain::MenuViewShowPlay_Click()
{
    GameState& g = Game();
    if (Busy() || !g.GameInProgress)
        return;
    const std::optional<LegalPlay> play = PlayToShow(g, Cards());
    if (!play) {
        MsgBox(NoPlayLeftText(), vbOKOnly | vbInformation, QStringLiteral("Show a Play"));
        return;
    }
    shownPlay_ = play->cards;
    shownPlayBoard_ = g.CardsOnBoard;
    ApplyShowPlayPenalty(g);
    showPlayTimer_->start();
    board_->update();
}
