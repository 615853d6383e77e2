#include "link/gui/Zel_Global.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "platform/gui/text_conversion.h"

namespace ovis::gui {

TFormGlobal::TFormGlobal(std::function<void()> onAbort, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      onAbort_(std::move(onAbort)) {
    setObjectName("FormGlobal");
    setWindowTitle(QStringLiteral("Information"));
    setFixedSize(254, 93);
    setAttribute(Qt::WA_DeleteOnClose, false);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setGeometry(8, 8, 238, 17);
    ProgressBar1->setRange(0, 12);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    Panel1 = new QLabel(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(8, 31, 238, 24);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAlignment(Qt::AlignCenter);
    QFont font = Panel1->font();
    font.setBold(true);
    Panel1->setFont(font);
    QPalette palette = Panel1->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    Panel1->setPalette(palette);

    Button1 = new QPushButton(QStringLiteral("Abbrechen"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(89, 62, 76, 24);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TFormGlobal::Button1Click);
}

void TFormGlobal::showEvent(QShowEvent* event) {
    setPalette(QApplication::palette());  // the button face colour
    if (QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TFormGlobal::paintEvent(QPaintEvent* event) {
    ++paintCount_;
    QDialog::paintEvent(event);
}

void TFormGlobal::ShowPainted() {
    show();
    raise();
    QElapsedTimer waited;
    waited.start();
    // A window manager maps the window some time after show(); until then nothing is drawn.
    while (waited.elapsed() < 1000 && !(windowHandle() && windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFormGlobal::Repaint() {
    if (isVisible()) repaint();
}

void TFormGlobal::SetStepText(const std::string& text) {
    Panel1->setText(FromCore(text));
    Repaint();
}

void TFormGlobal::SetMaximum(int maximum) { ProgressBar1->setMaximum(maximum); }

void TFormGlobal::SetPosition(int position) {
    ProgressBar1->setValue(position);
    Repaint();
}

void TFormGlobal::Button1Click() {
    if (onAbort_) onAbort_();
}

std::unique_ptr<ProgressWindow> QtProgressWindows::Open(const std::string& stepText) {
    auto window = std::make_unique<TFormGlobal>(onAbort_, parent_);
    window->SetStepText(stepText);
    window->ShowPainted();
    return window;
}

}  // namespace ovis::gui
