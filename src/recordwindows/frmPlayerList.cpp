#include "recordwindows/frmPlayerList.h"
#include "ui/Ramp.h"

#include "game/GameState.h"
#include "records/PlayerLock.h"
#include "records/PlayersFile.h"
#include "recordwindows/frmAddPlayer.h"
#include "recordwindows/frmTopTen.h"
#include "ui/HelpWindow.h"
#include "ui/MsgBox.h"
#include "ui/Sound.h"
#include "ui/SoundNames.h"
#include "ui/Twips.h"
#include "ui/UpdateCheck.h"
#include "ui/WindowMotion.h"
#include "ui/WindowText.h"
#include "ui/frmAbout.h"
#include "ui/frmInstructions.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QTimer>

namespace {

const QString kSelectText
    = QStringLiteral("To select a player and begin the game, highlight the player's name and press Enter on your "
                     "keyboard, or doublclick the player's name.  Use the &File pull-down menu above to add or "
                     "delete players from the list.");
const QString kGameInProgressText
    = QStringLiteral("GAME IN PROGRESS: The following is a list of players and their current scores.  Please note, "
                     "however, that you may not change players while a game is in progress.");

constexpr int kWidth = 480;
constexpr int kMargin = 14;
constexpr int kVisibleRows = 9;
// The list line's three parts start at these character columns.
constexpr std::array<int, 3> kColumnChars = { 0, 27, 43 };
constexpr int kLineChars = 52;

// Another copy of the game plays as this player now.
void ShowPlayingElsewhere(const QString& name, const QString& consequence)
{
    MsgBox(name + QStringLiteral(" is playing in another window of ") + Game().ProgramName + QStringLiteral(".  ")
            + consequence,
        vbOKOnly | vbInformation, QStringLiteral("Player Is Playing"));
}

// The list window slides in on its first showing in a run only.
bool g_slidIn = false;

// The label shows "&File" the way a menu does: the letter underlined.
QString WithMnemonic(const QString& text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QRegularExpression(QStringLiteral("&amp;(\\w)")), QStringLiteral("<u>\\1</u>"));
    return html;
}

// Draws a list line's tab-separated parts at fixed columns under the headings.
class ListLineDelegate : public QStyledItemDelegate {
public:
    ListLineDelegate(QObject* parent, std::array<int, 3> columns)
        : QStyledItemDelegate(parent)
        , columns_(columns)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QStringList parts = opt.text.split(QLatin1Char('\t'));
        opt.text.clear();
        const QWidget* view = opt.widget;
        QStyle* style = view ? view->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, view);
        painter->save();
        painter->setFont(opt.font);
        const bool selected = opt.state & QStyle::State_Selected;
        painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        for (qsizetype i = 0; i < parts.size() && i < qsizetype(columns_.size()); ++i) {
            const QRect at = opt.rect.adjusted(columns_[i] + 3, 0, 0, 0);
            painter->drawText(at, Qt::AlignLeft | Qt::AlignVCenter, parts[i].trimmed());
        }
        painter->restore();
    }

private:
    std::array<int, 3> columns_;
};

} // namespace

frmPlayerList::frmPlayerList(GameWindowAccess* game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , game_(game)
{
    BuildMenus();
    const int textWidth = kWidth - 2 * kMargin;
    int y = MenuBar->height() + 10;

    // The bottom label is the title's shadow, the top one is drawn over it.
    const QFont titleFont = SizedFont(16, true, true);
    const int titleHeight = QFontMetrics(titleFont).height() + 4;
    lblProgramTitleBottom = ColouredLabel(this, Qt::black, titleFont);
    lblProgramTitleTop = ColouredLabel(this, QColor(255, 255, 0), titleFont);
    lblProgramTitleBottom->setGeometry(kMargin + 2, y + 2, textWidth, titleHeight);
    lblProgramTitleTop->setGeometry(kMargin, y, textWidth, titleHeight);
    lblProgramTitleBottom->setAlignment(Qt::AlignCenter);
    lblProgramTitleTop->setAlignment(Qt::AlignCenter);
    y += titleHeight + 8;

    lblSelectInstructions = ColouredLabel(this, Qt::white, SizedFont(9, false));
    lblSelectInstructions->setWordWrap(true);
    lblSelectInstructions->setTextFormat(Qt::RichText);
    int textHeight = 0;
    for (const QString& text : { kSelectText, kGameInProgressText }) {
        lblSelectInstructions->setText(WithMnemonic(text));
        textHeight = std::max(textHeight, lblSelectInstructions->heightForWidth(textWidth));
    }
    lblSelectInstructions->setGeometry(kMargin, y, textWidth, textHeight);
    y += textHeight + 10;

    const QFont fixed = FixedFont();
    const int charWidth = QFontMetrics(fixed).horizontalAdvance(QLatin1Char('M'));
    std::array<int, 3> columns {};
    const QFont headingFont = SizedFont(9, true);
    const int headingHeight = QFontMetrics(headingFont).height() + 2;
    const std::array<QString, 3> headings
        = { QStringLiteral("Player Name:"), QStringLiteral("Bankroll:"), QStringLiteral("Average Score:") };
    for (size_t i = 0; i < headings.size(); ++i) {
        columns[i] = kColumnChars[i] * charWidth;
        lblHeadings[i] = ColouredLabel(this, QColor(255, 255, 192), headingFont, headings[i]);
        lblHeadings[i]->setGeometry(kMargin + 5 + columns[i], y, 140, headingHeight);
    }
    y += headingHeight + 2;

    lstNames = new QListWidget(this);
    lstNames->setFont(fixed);
    lstNames->setItemDelegate(new ListLineDelegate(lstNames, columns));
    lstNames->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstNames->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstNames->setStyleSheet(QStringLiteral("QListWidget { background: white; color: black; }"));
    lstNames->installEventFilter(this);
    connect(lstNames, &QListWidget::itemDoubleClicked, this, [this] { lstNames_Choose(); });
    const int listWidth = std::max(textWidth, kLineChars * charWidth + 30);
    lstNames->setGeometry(kMargin, y, listWidth, kVisibleRows * (QFontMetrics(fixed).height() + 2) + 6);
    y += lstNames->height() + 12;

    btnClose = new QPushButton(QStringLiteral("&Close Window"), this);
    btnClose->setGeometry((kWidth - 130) / 2, y, 130, 28);
    connect(btnClose, &QPushButton::clicked, this, [this] { btnClose_Click(); });
    setFixedSize(std::max(kWidth, listWidth + 2 * kMargin), y + btnClose->height() + 14);
}

void frmPlayerList::BuildMenus()
{
    MenuBar = new QMenuBar(this);
    const auto add = [this](QMenu* menu, const QString& caption, void (frmPlayerList::*handler)()) {
        QAction* a = menu->addAction(caption);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    const auto addWindow = [this](QMenu* menu, const QString& caption, std::function<void()> openWindow) {
        QAction* a = menu->addAction(caption);
        connect(a, &QAction::triggered, this, [this, openWindow] { OpenChildWindow(openWindow); });
        return a;
    };
    MenuFile = MenuBar->addMenu(QStringLiteral("&File"));
    MenuFileAddPlayer = add(MenuFile, QStringLiteral("&Add a Player"), &frmPlayerList::MenuFileAddPlayer_Click);
    MenuFileDeletePlayer = add(MenuFile, QStringLiteral("&Delete Player"), &frmPlayerList::MenuFileDeletePlayer_Click);
    MenuFile->addSeparator();
    MenuFileExit = add(MenuFile, QStringLiteral("E&xit"), &frmPlayerList::MenuFileExit_Click);

    MenuView = MenuBar->addMenu(QStringLiteral("&View"));
    MenuViewTopTen = addWindow(MenuView, QStringLiteral("&Top Ten List"), &ShowTopTenWindow);

    MenuHelp = MenuBar->addMenu(QStringLiteral("&Help"));
    MenuHelpContents = MenuHelp->addAction(QStringLiteral("&Contents"));
    connect(MenuHelpContents, &QAction::triggered, this, [this] { ShowHelpContents(this); });
    MenuHelpOverview = addWindow(
        MenuHelp, QStringLiteral("Overview/&Quick Start"), [this] { ShowInstructionsWindow(game_, false); });
    MenuHelp->addSeparator();
    MenuHelpCheckForUpdates = MenuHelp->addAction(QStringLiteral("Check for &Updates"));
    connect(MenuHelpCheckForUpdates, &QAction::triggered, this, [this] { ShowUpdateCheck(this); });
    MenuHelpAbout = addWindow(MenuHelp, QStringLiteral("&About"), &ShowAboutWindow);
    MenuBar->setGeometry(0, 0, kWidth, MenuBar->sizeHint().height());
}

void frmPlayerList::Load()
{
    const GameState& g = Game();
    const QString title = g.ProgramName + QStringLiteral(" Player List");
    setWindowTitle(title);
    lblProgramTitleTop->setText(title);
    lblProgramTitleBottom->setText(title);
    MenuBar->resize(width(), MenuBar->height());
    CenterOnMain(this);
    move(x(), y() + Px(250));
    FillPlayerList();
}

void frmPlayerList::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        QTimer::singleShot(0, this, [this] { Form_Activate(true); });
    }
}

void frmPlayerList::Form_Activate(bool firstShowing)
{
    if (closing_)
        return;
    const bool playing = Game().GameInProgress;
    MenuFileAddPlayer->setEnabled(!playing);
    MenuFileDeletePlayer->setEnabled(!playing);
    lblSelectInstructions->setText(WithMnemonic(playing ? kGameInProgressText : kSelectText));
    if (playing) {
        btnClose->setFocus();
    } else {
        lstNames->setFocus();
        HighlightCurrentEntry();
    }
    if (firstShowing && !g_slidIn) {
        g_slidIn = true;
        SlideIn(this, QStringLiteral("DOWN"));
    }
}

void frmPlayerList::paintEvent(QPaintEvent*)
{
    // Red from black at the top, below the menu bar.
    QPainter p(this);
    const int top = MenuBar->height();
    PaintRamp(p, QRect(0, top, width(), height() - top), 0, 256, 3, [](int v) { return QColor(v, 0, 0); });
}

bool frmPlayerList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lstNames && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            lstNames_Choose();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString frmPlayerList::HighlightedLine() const
{
    const QListWidgetItem* item = lstNames->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void frmPlayerList::HighlightCurrentEntry()
{
    if (lstNames->count() == 0)
        return;
    lstNames->setCurrentRow(std::max(lstNames->currentRow(), 0));
}

void frmPlayerList::FillPlayerList()
{
    // A refilled list keeps a current row near the one it had, so Enter
    // always has a player to choose.
    const int row = lstNames->currentRow();
    lstNames->clear();
    const QList<PlayerRecord> players = ReadPlayers(Game().PlayersFilePath);
    if (players.isEmpty()) {
        MenuFileAddPlayer_Click();
        return;
    }
    for (const PlayerRecord& player : players)
        lstNames->addItem(PlayerListLine(player));
    lstNames->setCurrentRow(std::clamp(row, 0, lstNames->count() - 1));
}

void frmPlayerList::MenuFileAddPlayer_Click()
{
    addedPlayer_ = AddNewPlayer(this);
    const QString name = addedPlayer_;
    if (name.isEmpty()) {
        if (isVisible())
            Form_Activate(false);
        return;
    }
    FillPlayerList();
    // The new player is highlighted, ready to be chosen with Enter.
    for (int row = 0; row < lstNames->count(); ++row) {
        if (ListLineName(lstNames->item(row)->text()) == name)
            lstNames->setCurrentRow(row);
    }
    lstNames->setFocus();
}

void frmPlayerList::MenuFileDeletePlayer_Click()
{
    GameState& g = Game();
    const QString line = HighlightedLine();
    const QString name = ListLineName(line);
    if (name.isEmpty()) {
        MsgBox(QStringLiteral("Please select a player from the list."), vbOKOnly | vbInformation,
            QStringLiteral("No Player Selected"));
        return;
    }
    if (PlayerHeldElsewhere(g.DataFolder, name)) {
        ShowPlayingElsewhere(name, QStringLiteral("A player cannot be deleted while playing."));
        return;
    }
    const QString question = QStringLiteral("Delete ") + name + QStringLiteral(" and his/her bankroll of ")
        + ListLineBankroll(line) + QStringLiteral(" now?");
    if (MsgBox(question, vbYesNo | vbQuestion, QStringLiteral("Delete Player?")) != vbYes)
        return;
    if (!DeletePlayer(g.PlayersFilePath, name))
        return; // the file is unchanged and the player still listed
    if (name == g.PlayerName)
        g.PlayerName.clear();
    if (name == ChosenPlayerLock().Name())
        ChosenPlayerLock().Release();
    if (name == addedPlayer_)
        addedPlayer_.clear();
    FillPlayerList();
}

void frmPlayerList::OpenChildWindow(const std::function<void()>& openWindow)
{
    PlaySound(SoundFile::ClickBg);
    openWindow();
    if (isVisible())
        Form_Activate(false);
}

void frmPlayerList::lstNames_Choose()
{
    if (closing_)
        return;
    if (Game().GameInProgress) {
        MsgBox(QStringLiteral("You may not change players while a game is in progress.  Select the \"Close "
                              "Window\" option when you are ready to return to the game."),
            vbOKOnly | vbCritical, QStringLiteral("GAME IN PROGRESS"));
        return;
    }
    SelectPlayer();
}

void frmPlayerList::SelectPlayer()
{
    GameState& g = Game();
    PlayEffect(SoundFile::BgClick);
    const QString name = ListLineName(HighlightedLine());
    if (name.isEmpty())
        return;
    const std::optional<PlayerRecord> record = FindPlayer(g.PlayersFilePath, name);
    if (!record) {
        // Another copy of the game may have deleted the player meanwhile.
        MsgBox(QStringLiteral("The player ") + name
                + QStringLiteral(" is no longer in the players file.  Please select another player from the list."),
            vbOKOnly | vbInformation, QStringLiteral("No Player Selected"));
        FillPlayerList();
        return;
    }
    if (!ChosenPlayerLock().Take(g.DataFolder, name)) {
        ShowPlayingElsewhere(name, QStringLiteral("Please select another player from the list."));
        return;
    }
    LoadPlayer(g, *record);
    addedPlayer_.clear();
    if (QWidget* main = MainWindow())
        main->update();
    PlayEffect(SoundFile::Message2);
    closing_ = true;
    SlideOut(this, QStringLiteral("LEFT"));
    accept();
}

// A player added in this window and closed without being chosen becomes the
// current player with that player's own record.
void frmPlayerList::TakeUpAddedPlayer()
{
    GameState& g = Game();
    if (!addedPlayer_.isEmpty() && g.PlayerName == addedPlayer_) {
        const std::optional<PlayerRecord> record = FindPlayer(g.PlayersFilePath, addedPlayer_);
        if (record && ChosenPlayerLock().Take(g.DataFolder, addedPlayer_)) {
            LoadPlayer(g, *record);
        } else {
            if (record)
                ShowPlayingElsewhere(addedPlayer_, QStringLiteral("Please select another player from the list."));
            g.PlayerName.clear();
        }
    }
    addedPlayer_.clear();
}

void frmPlayerList::btnClose_Click()
{
    if (closing_)
        return;
    GameState& g = Game();
    TakeUpAddedPlayer();
    if (g.PlayerName.isEmpty()) {
        if (MsgBox(QStringLiteral("You have not selected a player yet.  Do you wish to exit the game?"),
                vbYesNo | vbQuestion | vbDefaultButton2, QStringLiteral("No Player Selected"))
            == vbYes)
            MenuFileExit_Click();
        else {
            lstNames->setFocus();
            HighlightCurrentEntry();
        }
        return;
    }
    PlayEffect(SoundFile::Message2);
    closing_ = true;
    SlideOut(this, QStringLiteral("UP"));
    accept();
    if (QWidget* main = MainWindow())
        main->show();
}

void frmPlayerList::reject()
{
    // The window's own close box and Escape act as the close button.
    btnClose_Click();
}

// The game window closes through its own path (a game in progress asks first);
// the list closes with it.
void frmPlayerList::MenuFileExit_Click()
{
    QWidget* main = MainWindow();
    if (main && !main->close())
        return;
    closing_ = true;
    done(QDialog::Rejected);
}

void ShowPlayerListWindow(GameWindowAccess* game, bool showCloseButton)
{
    frmPlayerList window(game, MainWindow());
    window.btnClose->setVisible(showCloseButton);
    window.Load();
    window.exec();
}
