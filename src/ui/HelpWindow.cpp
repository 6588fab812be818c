#include "ui/HelpWindow.h"

#include "game/GameState.h"
#include "ui/MsgBox.h"
#include "ui/WindowMotion.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QPointer<HelpWindow>& OpenHelp()
{
    static QPointer<HelpWindow> window;
    return window;
}

QString HelpTitle()
{
    const QString name = Game().ProgramName.isEmpty() ? QStringLiteral("Solitaire Quibel") : Game().ProgramName;
    return name + QStringLiteral(" Help");
}
} // namespace

QString HelpFilePath()
{
    return Game().AppFolder + QStringLiteral("quibel-help.html");
}

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)
{
    setWindowTitle(HelpTitle());
    setModal(false);
    // An open help window must not keep the program alive once the game window is gone.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(720, 560);

    txtHelp = new QTextBrowser(this);
    txtHelp->setOpenLinks(true);
    txtHelp->setOpenExternalLinks(false);

    btnContents = new QPushButton(QStringLiteral("&Contents"), this);
    btnBack = new QPushButton(QStringLiteral("&Back"), this);
    btnForward = new QPushButton(QStringLiteral("&Forward"), this);
    btnClose = new QPushButton(QStringLiteral("C&lose"), this);
    for (QPushButton* b : { btnContents, btnBack, btnForward, btnClose })
        b->setAutoDefault(false);
    btnBack->setEnabled(false);
    btnForward->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnContents);
    buttons->addWidget(btnBack);
    buttons->addWidget(btnForward);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(txtHelp);

    connect(btnContents, &QPushButton::clicked, this, [this] { ShowPage(contents_); });
    connect(btnBack, &QPushButton::clicked, txtHelp, &QTextBrowser::backward);
    connect(btnForward, &QPushButton::clicked, txtHelp, &QTextBrowser::forward);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
    connect(txtHelp, &QTextBrowser::backwardAvailable, btnBack, &QPushButton::setEnabled);
    connect(txtHelp, &QTextBrowser::forwardAvailable, btnForward, &QPushButton::setEnabled);
    connect(txtHelp, &QTextBrowser::sourceChanged, this, [this] {
        const QString page = txtHelp->documentTitle();
        setWindowTitle(page.isEmpty() ? HelpTitle() : page);
    });
}

void HelpWindow::ShowPage(const QString& path)
{
    if (contents_.isEmpty())
        contents_ = path;
    const QUrl url = QUrl::fromLocalFile(path);
    if (txtHelp->source() == url)
        txtHelp->reload();
    else
        txtHelp->setSource(url);
    txtHelp->verticalScrollBar()->setValue(0);
}

// One help window at a time, owned by the window that asks for it, so that it
// takes input even over a window that blocks the others (the instructions).
void ShowHelpContents(QWidget* owner)
{
    const QString path = HelpFilePath();
    if (!QFileInfo(path).isFile()) {
        const QString cr(QLatin1Char('\r'));
        MsgBox(QStringLiteral("The help pages cannot be shown: the file") + cr + QDir::toNativeSeparators(path) + cr
                + QStringLiteral("is missing.  Installing the game again puts it back."),
            vbOKOnly | vbExclamation, HelpTitle());
        return;
    }
    QWidget* parent = owner ? owner->window() : MainWindow();
    QPointer<HelpWindow>& window = OpenHelp();
    if (window && window->parentWidget() != parent) {
        window->close();
        window = nullptr;
    }
    if (!window) {
        window = new HelpWindow(parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
        CenterOnMain(window);
    }
    window->ShowPage(path);
    window->show();
    window->raise();
    window->activateWindow();
}
