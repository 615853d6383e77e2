#include "shell/gui/Zel_Hilfe.h"

#include <QCoreApplication>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/gui/text_conversion.h"
#include "shell/help_pages.h"

namespace ovis::gui {

namespace {

bool IsFile(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool IsDirectory(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

}  // namespace

std::filesystem::path InstalledHelpDirectory() {
    const std::filesystem::path programDirectory(QCoreApplication::applicationDirPath().toStdU16String());
    return (programDirectory / OVIS_HELP_FROM_BINDIR).lexically_normal();
}

std::filesystem::path HelpDirectoryInUse(const std::filesystem::path& baseDirectory,
                                         const std::filesystem::path& installedDirectory) {
    return HelpDirectory(baseDirectory, installedDirectory, IsDirectory);
}

TFormHilfe::TFormHilfe(std::filesystem::path baseDirectory, std::filesystem::path installedDirectory, QWidget* parent)
    : QWidget(parent, Qt::Window),
      base_(std::move(baseDirectory)),
      installed_(std::move(installedDirectory)),
      browser_(new QTextBrowser(this)) {
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

void TFormHilfe::ShowContext(int context) { ShowPage(HelpPageFor(HelpFolder(), context, IsFile)); }

void TFormHilfe::ShowContents() {
    const auto index = HelpIndex(HelpFolder());
    ShowPage(IsFile(index) ? std::optional(index) : std::nullopt);
}

void TFormHilfe::ShowPage(const std::optional<std::filesystem::path>& page) {
    if (page) {
        browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(page->string())));
    } else {
        browser_->setPlainText(FromCore(MissingHelpMessage(HelpIndex(HelpFolder()))));
    }
    show();
    raise();
    activateWindow();
}

}  // namespace ovis::gui
