#pragma once
// Dialogs as modal Qt message and input boxes with German button texts.
#include <QPointer>
#include <QWidget>

#include "platform/dialogs.h"

namespace ovis::gui {

class QtDialogs final : public Dialogs {
public:
    // Boxes belong to the window the user works in (the active one, else `parent`), and stay
    // on top while any always-on-top window is shown, so that none opens behind an editor.
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    Answer Show(BoxKind kind, const std::string& text, Buttons buttons, const std::string& caption) override;
    std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                     const std::string& initial) override;

private:
    QWidget* BoxParent() const;
    static void PlaceOnTop(QWidget& box);

    QPointer<QWidget> parent_;
};

}  // namespace ovis::gui
