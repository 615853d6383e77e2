#include "led/gui/Zel_Tabelle.h"

#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

#include "led/gui/Zel_Color.h"
#include "led/gui/Zel_Moduleinstellung.h"
#include "led/gui/Zel_Modulzuordnung.h"
#include "led/gui/Zel_Sonderzeichen.h"
#include "led/gui/led_display_panel.h"
#include "led/gui/led_font_dialog.h"
#include "led/led_columns.h"
#include "platform/gui/text_conversion.h"
#include "project/project_store.h"
#include "records/codepage.h"

namespace ovis::gui {
namespace {

namespace col = led_column;

ClickKind KindOf(Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ShiftModifier) return ClickKind::Shift;
    if (modifiers & Qt::ControlModifier) return ClickKind::Ctrl;
    return ClickKind::Plain;
}

}  // namespace

EditorWindowLayout TabelleLayout() {
    EditorWindowLayout layout;
    layout.caption = QStringLiteral(" LED");
    layout.helpContext = kLedHelpContext;
    layout.columnWidths = {24, 128, 30, 30, 34, 30, 26, 37, 30, 30, 80, 37, 30, 40, 98};
    layout.titles = {{QStringLiteral("Nr"), col::kNumber, col::kNumber},
                     {QStringLiteral("Meldung"), col::kName, col::kName},
                     {QStringLiteral("x0"), col::kX0, col::kX0},
                     {QStringLiteral("x1"), col::kX1, col::kX1},
                     {QStringLiteral("Modul"), col::kModules, col::kModules},
                     {QStringLiteral("Umbr."), col::kWrap, col::kWrap},
                     {QStringLiteral("Start"), col::kStart, col::kStart},
                     {QStringLiteral("Richt."), col::kDirection, col::kDirection},
                     {QStringLiteral("dx"), col::kDx, col::kDx},
                     {QStringLiteral("Dist."), col::kDistance, col::kDistance},
                     {QStringLiteral("Farbe/Helligkeit"), col::kColour, col::kColour},
                     {QStringLiteral("Verzögerung"), col::kDelay, col::kDelay},
                     {QStringLiteral("Status"), col::kStatus, col::kStatus},
                     {QStringLiteral("Speichern"), col::kRecording, col::kRecording}};
    return layout;
}

TFormTabelle::TFormTabelle(ProjectStore& store, Dialogs& dialogs, FontRasterizer& rasterizer, TabelleHooks hooks,
                           QWidget* parent)
    : TFormTabelle(std::make_unique<LedEditor>(store, dialogs, rasterizer), store, dialogs, std::move(hooks), parent) {}

TFormTabelle::TFormTabelle(std::unique_ptr<LedEditor> led, ProjectStore& store, Dialogs& dialogs, TabelleHooks hooks,
                           QWidget* parent)
    : TableEditorWindow(led->Table(), TabelleLayout(),
                        EditorHooks{[this] { Closed(); }, hooks.editor.showHelp, {}}, parent),
      led_(std::move(led)),
      store_(store),
      dialogs_(dialogs),
      hooks_(std::move(hooks)) {
    led_->SetSavedCallback([this] {
        if (hooks_.saved) hooks_.saved(store_.Tables().led.Count());
    });
    led_->SetRedrawCallback([this] { DrawDisplay(); });
    assignment_ = new TFormModToMod(this);
    fontDialog_ = new LedFontDialog(this);
    BuildViewMenu();
    BuildPictureMenu();
    connect(Grid(), &TableGrid::dialogRequested, this, &TFormTabelle::ColumnDialog);
    Refresh();
}

bool TFormTabelle::eventFilter(QObject* watched, QEvent* event) {
    if (watched == display_.text && event->type() == QEvent::FocusIn) {
        if (const auto text = ToRecord(display_.text->text())) led_->TextFieldEntered(*text);
        return false;
    }
    return TableEditorWindow::eventFilter(watched, event);
}

TFormTabelle::~TFormTabelle() = default;

void TFormTabelle::BuildViewMenu() {
    viewMenu_ = new QMenu(QStringLiteral("&Ansicht"), this);
    MenuBar()->insertMenu(MenuBar()->actions().last(), viewMenu_);
    QMenu* standard = viewMenu_->addMenu(QStringLiteral("Standardschrift"));
    standardFont_ = standard->menuAction();
    standardFont_->setCheckable(true);
    auto spacingMenu = [this, standard](const QString& title, std::vector<QAction*>& items, bool horizontal) {
        QMenu* menu = standard->addMenu(title);
        for (int s = 0; s <= kMaxCharacterSpacing; ++s) {
            items.push_back(menu->addAction(QStringLiteral("Zeichenabstand = %1").arg(s), this, [this, s, horizontal] {
                const auto text = ToRecord(display_.text ? display_.text->text() : QString());
                if (!text) {
                    dialogs_.Warning(kTextNotRepresentable);
                    return;
                }
                if (horizontal)
                    led_->SetHorizontalSpacing(s, *text);
                else
                    led_->SetVerticalSpacing(s, *text);
                Refresh();
            }));
        }
    };
    spacingMenu(QStringLiteral("horiz. Abstand"), horizontal_, true);
    spacingMenu(QStringLiteral("vertik. Abstand"), vertical_, false);
    font_ = viewMenu_->addAction(QStringLiteral("Schriftart..."), this, &TFormTabelle::SchriftartClick);
    font_->setCheckable(true);
    modules_ = viewMenu_->addAction(QStringLiteral("Module..."), this, &TFormTabelle::ModuleClick);
    moduleName_ = viewMenu_->addAction(QStringLiteral("Modulname"));
    moduleName_->setCheckable(true);
    connect(moduleName_, &QAction::toggled, this, [this](bool on) {
        if (display_.panel) display_.panel->SetModuleNames(on);
    });
    startView_ = viewMenu_->addAction(QStringLiteral("Startansicht"), this, &TFormTabelle::StartansichtClick);
    connect(viewMenu_, &QMenu::aboutToShow, this, [this] {
        Grid()->HideEditors();
        StopSimulation();
        const bool standardFont = led_->StandardFontTicked();
        standardFont_->setChecked(standardFont);
        font_->setChecked(!standardFont);
    });
}

QAction* TFormTabelle::AddPictureCommand(QMenu* menu, const QString& text, void (LedEditor::*command)()) {
    return menu->addAction(text, this, [this, command] {
        ((*led_).*command)();
        Refresh();
    });
}

void TFormTabelle::BuildPictureMenu() {
    pictureMenu_ = new QMenu(this);
    copyColumns_ = AddPictureCommand(pictureMenu_, QStringLiteral("Kopieren"), &LedEditor::CopyColumns);
    pasteColumns_ = AddPictureCommand(pictureMenu_, QStringLiteral("Einfügen"), &LedEditor::PasteColumns);
    eraseColumns_ = AddPictureCommand(pictureMenu_, QStringLiteral("Löschen"), &LedEditor::EraseColumns);
    insertColumn_ = AddPictureCommand(pictureMenu_, QStringLiteral("Spalte einfügen"), &LedEditor::InsertColumn);
    deleteColumn_ = AddPictureCommand(pictureMenu_, QStringLiteral("Spalte löschen"), &LedEditor::DeleteColumn);
    QMenu* effects = pictureMenu_->addMenu(QStringLiteral("Effekte"));
    effects_ = effects->menuAction();
    mirrorVertical_ = AddPictureCommand(effects, QStringLiteral("vert. spiegeln"), &LedEditor::MirrorVertical);
    mirrorHorizontal_ = AddPictureCommand(effects, QStringLiteral("horz. spiegeln"), &LedEditor::MirrorHorizontal);
    invert_ = AddPictureCommand(effects, QStringLiteral("Invertieren"), &LedEditor::Invert);
    editModule_ = pictureMenu_->addAction(QStringLiteral("Modul bearbeiten..."), this, &TFormTabelle::ModulBearbeitenClick);
    pictureMenu_->addAction(moduleName_);
}

void TFormTabelle::AttachDisplay(LedEditingParts parts) {
    display_ = parts;
    ConnectDisplay();
}

void TFormTabelle::ConnectDisplay() {
    LedDisplayPanel* panel = display_.panel;
    connect(panel, &LedDisplayPanel::moduleClicked, this, [this](int position, int x, Qt::KeyboardModifiers modifiers) {
        if (!isVisible()) return;
        led_->ModuleClicked(position, x, KindOf(modifiers));
    });
    connect(panel, &LedDisplayPanel::moduleDropped, this, [this](int module, QPoint at) {
        if (!isVisible()) return;
        led_->ModuleDropped(module, at.x(), at.y());
        ModulesChanged();
    });
    connect(panel, &LedDisplayPanel::pressed, this, [this] {
        if (isVisible()) StopSimulation();
    });
    connect(panel, &LedDisplayPanel::contextMenuRequested, this, &TFormTabelle::ShowPictureMenu);
    connect(display_.showText, &QPushButton::clicked, this, &TFormTabelle::TextAnzeigenClick);
    connect(display_.text, &QLineEdit::returnPressed, this, &TFormTabelle::TextAnzeigenClick);
    display_.text->installEventFilter(this);
    connect(display_.scrollBar, &QScrollBar::valueChanged, this, [this](int value) {
        if (isVisible()) led_->ScrollTo(value);
    });
}

void TFormTabelle::OpenLedEditor() {
    OpenEditor();
    if (!display_.panel) return;
    display_.line->show();
    display_.panel->SetEditing(true);
    ModulesChanged();
    ShowCurrentRow();
}

void TFormTabelle::ModulesChanged() {
    if (!display_.panel) return;
    display_.panel->SetModules(store_.Tables().ledParameters.Record());
    DrawDisplay();
}

void TFormTabelle::Closed() {
    led_->Closed();
    shownRow_ = -1;
    if (display_.panel) {
        const QSignalBlocker blocker(display_.scrollBar);
        display_.scrollBar->setValue(0);
        display_.line->hide();
        display_.panel->SetEditing(false);
    }
    if (hooks_.editor.closed) hooks_.editor.closed();
}

void TFormTabelle::TextAnzeigenClick() {
    if (!display_.text) return;
    StopSimulation();
    Grid()->HideEditors();
    activateWindow();
    if (const auto text = ToRecord(display_.text->text()))
        display_.text->setText(FromRecord(led_->ShowText(*text)));
    else
        dialogs_.Warning(kTextNotRepresentable);
    Refresh();
}

bool TFormTabelle::CheckBeforeSimulation() {
    Grid()->HideEditors();
    const bool passed = led_->CheckBeforeSimulation();
    Refresh();
    return passed;
}

void TFormTabelle::ModulzuordnungClick() {
    const auto assignment = led_->BeginModuleAssignment();
    if (!assignment) return;
    if (const auto edited = assignment_->Edit(*assignment)) led_->ApplyModuleAssignment(*edited);
    Refresh();
}

void TFormTabelle::SchriftartClick() {
    fontDialog_->SetChoice(led_->CurrentFont());
    if (fontDialog_->exec() == QDialog::Accepted) {
        const auto text = ToRecord(display_.text ? display_.text->text() : QString());
        const auto choice = fontDialog_->Choice();
        if (!text)
            dialogs_.Warning(kTextNotRepresentable);
        else if (choice)
            led_->FontChosen(*choice, *text);
    }
    Refresh();
}

void TFormTabelle::ModuleClick() {
    StopSimulation();
    const int areaWidth = display_.panel ? display_.panel->parentWidget()->width() : width();
    if (ShowModuleSettings(this, store_.Tables().ledParameters, areaWidth, HelpHandler())) ModulesChanged();
    Refresh();
}

void TFormTabelle::FarbeClick() {
    const auto row = led_->CurrentRow();
    if (!row) return;
    const std::vector<std::size_t> rows = led_->SelectedRowIndices();
    ShowColourDistribution(this, store_.Tables().led, *row, rows, [this] { led_->Table().TakeSnapshot(); },
                           HelpHandler());
    Refresh();
}

void TFormTabelle::ModulBearbeitenClick() {
    const auto row = led_->CurrentRow();
    const std::vector<int> columns = led_->ColumnSelection().Columns();
    if (!row || columns.size() != 1 || pixelEditor_) return;
    const TLedRecord& record = store_.Tables().led.Row(*row);
    pixelEditor_ = ShowModulePixelEditor(
        this, std::span<const std::uint8_t>(record.Spalten), columns.front(), led_->ScrollPosition(),
        led_->DisplayShades(),
        [this](const ModulePixels& pixels) {
            led_->ApplyModulePixels(pixels);
            Refresh();
        },
        [this] { pixelEditor_ = nullptr; }, HelpHandler());
}

std::function<void(int)> TFormTabelle::HelpHandler() const { return hooks_.editor.showHelp; }

void TFormTabelle::StartansichtClick() {
    if (led_->AskStartView()) store_.WriteStartView();
}

void TFormTabelle::ColumnDialog(int column, QPoint globalPosition) {
    (void)globalPosition;
    StopSimulation();
    if (column == col::kModules) {
        ModulzuordnungClick();
    } else if (column == col::kColour) {
        FarbeClick();
    }
}

void TFormTabelle::ShowPictureMenu(QPoint globalPosition) {
    if (!isVisible()) return;
    StopSimulation();
    const PictureMenuState state = led_->PictureMenu();
    copyColumns_->setEnabled(state.copy);
    pasteColumns_->setEnabled(state.paste);
    eraseColumns_->setEnabled(state.erase);
    insertColumn_->setEnabled(state.insertColumn);
    deleteColumn_->setEnabled(state.deleteColumn);
    effects_->setEnabled(state.effects);
    editModule_->setEnabled(state.editModule && !pixelEditor_);
    moduleName_->setEnabled(true);
    pictureMenu_->popup(globalPosition);
}

void TFormTabelle::Redrawn() {
    ShowCurrentRow();
    DrawDisplay();
}

void TFormTabelle::ShowCurrentRow() {
    if (!display_.panel) return;
    const bool enabled = led_->TextFieldEnabled();
    display_.text->setEnabled(enabled);
    display_.showText->setEnabled(enabled);
    const auto row = led_->CurrentRow();
    const int shown = row ? int(*row) : -1;
    if (shown == shownRow_) return;
    shownRow_ = shown;
    display_.text->setText(FromRecord(led_->CurrentText()));
    const QSignalBlocker blocker(display_.scrollBar);
    display_.scrollBar->setValue(led_->ScrollPosition());
}

void TFormTabelle::DrawDisplay() {
    if (display_.panel && isVisible()) display_.panel->SetFrame(led_->Frame());
}

void TFormTabelle::StopSimulation() {
    if (hooks_.stopSimulation) hooks_.stopSimulation();
}

void TFormTabelle::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) StopSimulation();
    TableEditorWindow::changeEvent(event);
}

}  // namespace ovis::gui
