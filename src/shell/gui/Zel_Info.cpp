#include "shell/gui/Zel_Info.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/gui/toolbar_icons.h"

namespace ovis::gui {

TFormInfo::TFormInfo(QWidget* parent) : QDialog(parent), ok_(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("Info"));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QString::fromUtf8(kProgramName), this);
    name->setObjectName(QStringLiteral("programName"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    name->setFont(big);

    auto* version = new QLabel(QString::fromUtf8(kVersionText), this);
    version->setObjectName(QStringLiteral("version"));
    auto* purpose =
        new QLabel(QStringLiteral("Konfiguration, Programmierung und Auswertung\ndes Interface"), this);
    purpose->setEnabled(false);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(purpose);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(texts);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 14);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace ovis::gui
