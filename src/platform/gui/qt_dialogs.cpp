#include "platform/gui/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "platform/gui/text_conversion.h"

namespace ovis::gui {
namespace {

bool StaysOnTopWindowShown() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
        return window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    });
}

}  // namespace

QWidget* QtDialogs::BoxParent() const {
    if (QWidget* active = QApplication::activeWindow()) return active;
    return parent_;
}

void QtDialogs::PlaceOnTop(QWidget& box) {
    if (StaysOnTopWindowShown()) box.setWindowFlag(Qt::WindowStaysOnTopHint);
}

Answer QtDialogs::Show(BoxKind kind, const std::string& text, Buttons buttons, const std::string& caption) {
    QMessageBox box(BoxParent());
    PlaceOnTop(box);
    box.setText(FromCore(text));
    box.setWindowTitle(caption.empty() ? QApplication::applicationDisplayName() : FromCore(caption));
    switch (kind) {
        case BoxKind::Warning: box.setIcon(QMessageBox::Warning); break;
        case BoxKind::Information: box.setIcon(QMessageBox::Information); break;
        case BoxKind::Error: box.setIcon(QMessageBox::Critical); break;
        case BoxKind::Question: box.setIcon(QMessageBox::Question); break;
    }
    QPushButton* ok = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* cancel = nullptr;
    switch (buttons) {
        case Buttons::Ok: ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole); break;
        case Buttons::OkCancel:
            ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
            break;
        case Buttons::YesNo:
            yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
            no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
            break;
        case Buttons::YesNoCancel:
            yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
            no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
            cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
            break;
        case Buttons::YesCancel:
            yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
            cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
            break;
    }
    if (cancel) box.setEscapeButton(cancel);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == yes) return Answer::Yes;
    if (clicked && clicked == no) return Answer::No;
    if (clicked && clicked == ok) return Answer::Ok;
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<std::string> QtDialogs::Input(const std::string& caption, const std::string& prompt,
                                            const std::string& initial) {
    QInputDialog dialog(BoxParent());
    PlaceOnTop(dialog);
    dialog.setWindowTitle(FromCore(caption));
    dialog.setLabelText(FromCore(prompt));
    dialog.setTextValue(QString::fromStdString(initial));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

}  // namespace ovis::gui
