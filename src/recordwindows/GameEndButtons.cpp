#include "recordwindows/GameEndButtons.h"

#include "game/GameState.h"
#include "game/Play.h"
#include "ui/GameWindowAccess.h"
#include "ui/MsgBox.h"
#include "ui/Sound.h"
#include "ui/SoundNames.h"
#include "ui/WindowMotion.h"

#include <QDialog>
#include <QPushButton>

GameEndButtons::GameEndButtons(QDialog* window, GameWindowAccess* game, const QString& slideDirection)
    : QObject(window)
    , window_(window)
    , game_(game)
    , slideDirection_(slideDirection)
{
    Close = new QPushButton(QStringLiteral("&Close Window"), window);
    NewDeal = new QPushButton(QStringLiteral("&New Deal"), window);
    SameDeal = new QPushButton(QStringLiteral("&Same Deal"), window);
    Exit = new QPushButton(QStringLiteral("E&xit Game"), window);
    connect(Close, &QPushButton::clicked, this, [this] { Choose(GameEndChoice::Close); });
    connect(NewDeal, &QPushButton::clicked, this, [this] { Choose(GameEndChoice::NewDeal); });
    connect(SameDeal, &QPushButton::clicked, this, [this] { Choose(GameEndChoice::SameDeal); });
    connect(Exit, &QPushButton::clicked, this, [this] { Choose(GameEndChoice::Exit); });
}

void GameEndButtons::Choose(GameEndChoice choice)
{
    GameState& g = Game();
    if (choice == GameEndChoice::Exit && g.GameInProgress && ready_ && !leaving_) {
        const QString question = QStringLiteral("There are more plays left (the game will automatically notify you "
                                                "if there are not any more plays left).  Are you sure you want to "
                                                "exit the game and forfeit the ")
            + FormatMoney(g.EntryFee) + QStringLiteral(" entry fee?");
        if (MsgBox(question, vbYesNo | vbQuestion, QStringLiteral("Exit Game?")) != vbYes)
            return;
        // The forfeit is settled: the game window must not ask a second time.
        ForfeitGame(g);
    }
    // A second click while the window slides out must not act twice.
    if (!ready_ || leaving_)
        return;
    leaving_ = true;
    choice_ = choice;
    if (game_) {
        game_->EnableGameWindow(true);
        if (choice == GameEndChoice::NewDeal || choice == GameEndChoice::SameDeal)
            game_->ClearBoard();
    }
    if (choice == GameEndChoice::Exit) {
        window_->done(QDialog::Rejected);
        return;
    }
    PlayEffect(SoundFile::Message2);
    SlideOut(window_, slideDirection_);
    window_->accept();
}
