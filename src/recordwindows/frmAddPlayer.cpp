#include "recordwindows/frmAddPlayer.h"
#include "ui/Ramp.h"

#include "game/GameState.h"
#include "records/PlayersFile.h"
#include "ui/MsgBox.h"
#include "ui/Sound.h"
#include "ui/SoundNames.h"
#include "ui/Twips.h"
#include "ui/WindowMotion.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int kWidth = 320;
constexpr int kHeight = 112;

// Unrolling and rolling up change the height, which a fixed size would forbid.
void SetSizeFixed(QWidget* w, bool fixed)
{
    if (fixed) {
        w->setFixedSize(kWidth, kHeight);
    } else {
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}
} // namespace

frmAddPlayer::frmAddPlayer(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Add Player's Name"));
    txtPlayerName = new QLineEdit(this);
    txtPlayerName->setGeometry(24, 22, kWidth - 48, 28);
    QFont f = txtPlayerName->font();
    f.setPointSize(11);
    txtPlayerName->setFont(f);
    txtPlayerName->setMaxLength(kMaxPlayerNameLength);

    const std::array<QString, 2> captions = { QStringLiteral("&Ok"), QStringLiteral("&Cancel") };
    for (int i = 0; i < 2; ++i) {
        btnOkCancel[i] = new QPushButton(captions[i], this);
        btnOkCancel[i]->setGeometry(kWidth / 2 - 100 + i * 110, 66, 90, 28);
        connect(btnOkCancel[i], &QPushButton::clicked, this, [this, i] { btnOkCancel_Click(i); });
    }
    // Enter in the name box is OK.
    btnOkCancel[0]->setDefault(true);
    SetSizeFixed(this, true);

    if (const QWidget* main = MainWindow())
        move(main->frameGeometry().topLeft() + QPoint(Px(100), Px(1300)));
}

void frmAddPlayer::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    txtPlayerName->setFocus();
    if (activated_)
        return;
    activated_ = true;
    QTimer::singleShot(0, this, [this] {
        SetSizeFixed(this, false);
        UnrollWindow(this, QStringLiteral("DOWN"));
        if (!closing_)
            SetSizeFixed(this, true);
    });
}

void frmAddPlayer::paintEvent(QPaintEvent*)
{
    // Yellow, bright at the top; the ramp keeps its full height while the window unrolls.
    QPainter p(this);
    PaintRamp(p, QRect(0, 0, width(), std::max(height(), kHeight)), 256, 0, 2, [](int v) { return QColor(v, v, 0); });
}

void frmAddPlayer::btnOkCancel_Click(int index)
{
    if (closing_)
        return;
    const GameState& g = Game();
    if (index == 0) {
        using Verdict = NewPlayerNameCheck::Verdict;
        const NewPlayerNameCheck check = CheckNewPlayerName(txtPlayerName->text(), g.PlayersFilePath);
        if (check.Result == Verdict::Duplicate || check.Result == Verdict::Refused) {
            if (check.Result == Verdict::Duplicate)
                MsgBox(check.Message, vbOKOnly | vbCritical, QStringLiteral("Player Name Already Exists"));
            else
                MsgBox(check.Message, vbOKOnly | vbExclamation, QStringLiteral("Player Name Not Allowed"));
            txtPlayerName->setFocus();
            txtPlayerName->selectAll();
            return;
        }
        // An empty name adds nothing.
        name_ = check.Result == Verdict::Ok ? check.Name : QString();
    }
    PlayEffect(SoundFile::Message2);
    closing_ = true;
    SetSizeFixed(this, false);
    RollUp(this, QStringLiteral("UP"));
    done(index == 0 ? QDialog::Accepted : QDialog::Rejected);
}

void frmAddPlayer::reject()
{
    btnOkCancel_Click(1);
}

QString AddNewPlayer(QWidget* parent)
{
    GameState& g = Game();
    g.PlayerName.clear();
    PlaySound(SoundFile::ClickBg);
    QString name;
    {
        frmAddPlayer add(parent);
        add.exec();
        name = add.Name();
    }
    g.PlayerName = name;
    // The window has checked the name; the append still fails when the file
    // cannot be written, or another copy of the game added the name meanwhile.
    if (name.isEmpty() || AppendPlayer(g.PlayersFilePath, name) || FindPlayer(g.PlayersFilePath, name))
        return name;
    g.PlayerName.clear();
    MsgBox(QStringLiteral("The players file could not be written, so ") + name
            + QStringLiteral(" was not added.  Please try again later."),
        vbOKOnly | vbInformation, QStringLiteral("Add a Player"));
    return {};
}
