#include "shell/gui/Zel_Hilfe.h"

#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/gui/text_conversion.h"
#include "shell/help_pages.h"

namespace ovis::gui {

TFormHilfe::TFormHilfe(std::filesystem::path baseDirectory, QWidget* parent)
    : QWidget(parent, Qt::Window), base_(std::move(baseDirectory)), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Hilfe"));
    browser_->setOpenExternalLinks(true);

    auto* bar = new QToolBar(this);
    bar->setIconSize(QSize(20, 20));
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Zurück"));
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Vor"));
    QAction* contents = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Inhalt"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(contents, &QAction::triggered, this, &TFormHilfe::ShowContents);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser_);
    resize(720, 560);
}

namespace {
bool IsFile(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}
}  // namespace

void TFormHilfe::ShowContext(int context) { ShowPage(HelpPageFor(base_, context, IsFile)); }

void TFormHilfe::ShowContents() {
    const auto index = HelpIndex(base_);
    ShowPage(IsFile(index) ? std::optional(index) : std::nullopt);
}

void TFormHilfe::ShowPage(const std::optional<std::filesystem::path>& page) {
    if (page) {
        browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(page->string())));
    } else {
        browser_->setPlainText(FromCore(MissingHelpMessage(HelpIndex(base_))));
    }
    show();
    raise();
    activateWindow();
}

}  // namespace ovis::gui
