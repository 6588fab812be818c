#include "ui/frmPar.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kTextWidth = 360;
}

frmPar::frmPar(const QString& title, const QString& text, bool canShow, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    lblText = new QLabel(this);
    lblText->setTextFormat(Qt::PlainText);
    lblText->setWordWrap(true);
    lblText->setFixedWidth(kTextWidth);
    lblText->setText(text);
    layout->addWidget(lblText);

    auto* buttons = new QDialogButtonBox(this);
    btnShowMe = buttons->addButton(QStringLiteral("&Show Me"), QDialogButtonBox::AcceptRole);
    btnClose = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    btnShowMe->setVisible(canShow);
    (canShow ? btnShowMe : btnClose)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool frmPar::Ask(const QString& title, const QString& text, bool canShow, QWidget* parent)
{
    frmPar dialog(title, text, canShow, parent);
    return dialog.exec() == QDialog::Accepted && canShow;
}
