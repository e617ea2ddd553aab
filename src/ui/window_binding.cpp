#include "ui/window_binding.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <optional>

#include "core/colour_description.h"
#include "core/translation.h"
#include "ui/circuit_view.h"
#include "ui/clickable_label.h"
#include "ui/focus_frame_button.h"
#include "ui/matrix_text_box.h"
#include "ui/picture_widget.h"
#include "ui/qt_translation.h"
#include "ui/twips.h"

namespace selvaris::ui {

namespace {

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

QString ToQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string FromQt(const QString& text) { return text.toUtf8().toStdString(); }

// Matrix text ends its lines with CR LF; the box wants plain line feeds.
QString ForDisplay(const std::string& text) {
    QString s = ToQt(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (s.endsWith(QLatin1Char('\n'))) s.chop(1);
    return s;
}

QFont MatrixFont() {
    QFont font(QString::fromLatin1(kMatrixFontFamily));
    font.setStyleHint(QFont::TypeWriter);
    // Shaped, unlike the captions: this font has ligatures and mark positioning.
    font.setStyleStrategy(QFont::PreferDefault);
    font.setFixedPitch(true);
    font.setPixelSize(MatrixPixelSize());
    return font;
}

void SetListItems(QListWidget* list, const Control& control) {
    QStringList items;
    for (const std::string& item : control.items) items << ToQt(item);
    bool same = list->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i) same = list->item(i)->text() == items[i];
    if (!same) {
        list->clear();
        list->addItems(items);
    }
    if (list->currentRow() != control.selectedIndex) list->setCurrentRow(control.selectedIndex);
}

void SetComboItems(QComboBox* combo, const Control& control) {
    QStringList items;
    for (const std::string& item : control.items) items << ToQt(item);
    bool same = combo->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i) same = combo->itemText(i) == items[i];
    if (!same) {
        QSignalBlocker block(combo);
        combo->clear();
        combo->addItems(items);
    }
    if (combo->currentIndex() != control.selectedIndex) {
        QSignalBlocker block(combo);
        combo->setCurrentIndex(control.selectedIndex);
    }
}

Qt::Alignment AlignmentOf(TextAlign align) {
    switch (align) {
        case TextAlign::Centre: return Qt::AlignCenter;
        case TextAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
        case TextAlign::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Each part translated on its own: the two are kept apart in the translation too.
QString ToolTipOf(const std::string& context, const Control& control) {
    const QString tip = TranslatedText(context, control.toolTip);
    if (control.enabled || control.toolTipWhenDisabled.empty()) return tip;
    return tip + QLatin1Char('\n') + TranslatedText(context, control.toolTipWhenDisabled);
}

std::optional<Arrow> ArrowOf(int key) {
    switch (key) {
        case Qt::Key_Left: return Arrow::Left;
        case Qt::Key_Right: return Arrow::Right;
        case Qt::Key_Up: return Arrow::Up;
        case Qt::Key_Down: return Arrow::Down;
        default: return std::nullopt;
    }
}

bool GrowsWithWindow(const Window& window) {
    for (const Control& control : window.Controls())
        if (control.kind == ControlKind::CircuitView) return true;
    return false;
}

}  // namespace

void InstallApplicationFonts() {
    QFont font(QString::fromLatin1(kCaptionFontFamily));
    font.setPixelSize(CaptionPixelSize());
    // The caption font has no kerning and substitutes nothing in horizontal
    // text: shaping it would only cost time. Scripts that need shaping still get it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    QApplication::setFont(font);
}

WindowBinding::WindowBinding(Window& window, QWidget* container, std::function<void()> onClosed, Sizing sizing)
    : window_(window), container_(container), onClosed_(std::move(onClosed)), sizing_(sizing) {
    container->setObjectName(ToQt(window.FormName()));
    container->setWindowTitle(TranslatedText(window.FormName(), window.Caption()));
    const QSize client(TwipsToPixels(window.ClientWidth()), TwipsToPixels(window.ClientHeight()));
    if (sizing == Sizing::ScalesWithWindow) {
        container->resize(client);
        const double smallest = *std::min_element(std::begin(kSupportedUiScales), std::end(kSupportedUiScales));
        const auto atSmallest = [smallest](int twips) { return static_cast<int>(std::lround(twips * smallest / 15.0)); };
        container->setMinimumSize(atSmallest(window.ClientWidth()), atSmallest(window.ClientHeight()));
        container->installEventFilter(this);
    } else if (GrowsWithWindow(window)) {
        container->resize(client);
        container->setMinimumSize(client.width() / 3, client.height());
        container->installEventFilter(this);
    } else {
        container->setFixedSize(client);
    }
    for (const Control& control : window.Controls()) {
        for (const std::string& keys : control.shortcuts) {
            auto* shortcut = new QShortcut(QKeySequence(ToQt(keys)), container);
            connect(shortcut, &QShortcut::activated, this, [this, keys] { window_.PressShortcut(keys); });
        }
        // Many controls are never shown: a widget is made the first time one is.
        if (control.visible) AddWidget(control);
    }
    ApplyTabOrder();
    window.SetObserver(this);
}

WindowBinding::~WindowBinding() { window_.SetObserver(nullptr); }

QWidget* WindowBinding::WidgetFor(const std::string& controlName) const {
    auto it = widgets_.find(controlName);
    return it == widgets_.end() ? nullptr : it->second.data();
}

QRect WindowBinding::GeometryOf(const Control& control) const {
    QRect rect(TwipsToPixels(control.left), TwipsToPixels(control.top), TwipsToPixels(control.width),
               TwipsToPixels(control.height));
    // In a window of fixed scale a circuit view takes whatever room the window gains or loses.
    if (control.kind == ControlKind::CircuitView && sizing_ == Sizing::Fixed) {
        rect.setWidth(std::max(1, rect.width() + container_->width() - TwipsToPixels(window_.ClientWidth())));
        rect.setHeight(std::max(1, rect.height() + container_->height() - TwipsToPixels(window_.ClientHeight())));
    }
    return rect;
}

QWidget* WindowBinding::AddWidget(const Control& control) {
    QWidget* widget = CreateWidget(control);
    widget->setObjectName(ToQt(control.name));
    widget->setGeometry(GeometryOf(control));
    if (control.kind == ControlKind::MultiLineTextBox) widget->setFont(MatrixFont());
    widgets_[control.name] = widget;
    widget->installEventFilter(this);
    Apply(control, widget);
    return widget;
}

// A widget made after the others goes where it would have been had it been
// made with them: under the widgets of the controls after it in the table.
void WindowBinding::StackInTableOrder(const Control& control, QWidget* widget) {
    const std::vector<Control>& controls = window_.Controls();
    for (std::size_t i = window_.IndexOf(control.name) + 1; i < controls.size(); ++i)
        if (QWidget* above = WidgetFor(controls[i].name)) {
            widget->stackUnder(above);
            return;
        }
}

// Tab order: the widgets of controls with a tab index, in that order.
void WindowBinding::ApplyTabOrder() {
    std::map<int, QWidget*> tabOrder;
    for (const Control& control : window_.Controls())
        if (control.tabIndex >= 0)
            if (QWidget* widget = WidgetFor(control.name)) tabOrder[control.tabIndex] = widget;
    QWidget* previous = nullptr;
    for (const auto& [index, widget] : tabOrder) {
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

QWidget* WindowBinding::CreateWidget(const Control& control) {
    const std::string name = control.name;
    switch (control.kind) {
        case ControlKind::Button: {
            auto* button = new FocusFrameButton(container_);
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this, [this, name] { window_.Click(name); });
            return button;
        }
        case ControlKind::Label: {
            auto* label = new ClickableLabel(container_);
            if (control.border) {
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                label->setIndent(4);  // text clear of the frame
            }
            // A label in the tab order answers the keyboard as it answers the mouse.
            if (control.tabIndex >= 0) label->setFocusPolicy(Qt::StrongFocus);
            connect(label, &ClickableLabel::clicked, this, [this, name] { window_.Click(name); });
            return label;
        }
        case ControlKind::TextBox: {
            auto* edit = new QLineEdit(container_);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, name](const QString& text) { window_.TypeText(name, FromQt(text)); });
            return edit;
        }
        case ControlKind::MultiLineTextBox:
            return new MatrixTextBox(container_);
        case ControlKind::PictureBox:
            return new PictureWidget(container_);
        case ControlKind::CircuitView: {
            auto* view = new CircuitView(container_);
            connect(view, &CircuitView::clicked, this, [this, name](int x, int y) { window_.ClickAt(name, x, y); });
            return view;
        }
        case ControlKind::DriveList: {
            auto* combo = new QComboBox(container_);
            connect(combo, &QComboBox::activated, this, [this, name](int index) { window_.ListClick(name, index); });
            return combo;
        }
        case ControlKind::FolderList:
        case ControlKind::FileList: {
            auto* list = new QListWidget(container_);
            // The model refills the list in answer to a click; let the list's
            // own click handling finish before its items are replaced.
            connect(list, &QListWidget::itemClicked, this, [this, name, list](QListWidgetItem* item) {
                const int row = list->row(item);
                QMetaObject::invokeMethod(this, [this, name, row] { window_.ListClick(name, row); }, Qt::QueuedConnection);
            });
            // Activation as the platform defines it (a double click, with most styles).
            connect(list, &QListWidget::itemActivated, this, [this, name, list](QListWidgetItem* item) {
                QueueListActivate(name, list->row(item));
            });
            return list;
        }
    }
    return new QWidget(container_);
}

void WindowBinding::Apply(const Control& control, QWidget* widget) {
    // What the program writes is translated; what the user typed never is.
    const std::string& context = window_.FormName();
    const QString text = ToQt(control.text);
    const QString caption = TranslatedText(context, control.text);
    switch (control.kind) {
        case ControlKind::Button:
            static_cast<QPushButton*>(widget)->setText(caption);
            // Drawn as the button Enter runs; the key itself goes through the model.
            static_cast<QPushButton*>(widget)->setDefault(control.isDefault && control.visible);
            break;
        case ControlKind::Label: {
            auto* label = static_cast<ClickableLabel*>(widget);
            label->setText(caption);
            label->setAlignment(AlignmentOf(control.align));
            label->SetOutlined(control.outlined);
            if (control.backColour) {
                label->setAutoFillBackground(true);
                QPalette palette = label->palette();
                palette.setColor(QPalette::Window, ToQColor(*control.backColour));
                label->setPalette(palette);
                label->setAccessibleDescription(TranslatedText(kMessageContext, ColourDescription(*control.backColour)));
            }
            break;
        }
        case ControlKind::TextBox: {
            auto* edit = static_cast<QLineEdit*>(widget);
            if (edit->text() != text) edit->setText(text);
            break;
        }
        case ControlKind::MultiLineTextBox:
            static_cast<MatrixTextBox*>(widget)->SetMatrixText(ForDisplay(control.text));
            break;
        case ControlKind::PictureBox:
            static_cast<PictureWidget*>(widget)->SetDrawing(control.drawing,
                                                            ToQColor(control.backColour.value_or(kWhite)));
            break;
        case ControlKind::CircuitView:
            static_cast<CircuitView*>(widget)->SetDrawing(control.drawing, ToQColor(control.backColour.value_or(kWhite)),
                                                          control.selectedIndex);
            break;
        case ControlKind::DriveList:
            SetComboItems(static_cast<QComboBox*>(widget), control);
            break;
        case ControlKind::FolderList:
        case ControlKind::FileList:
            SetListItems(static_cast<QListWidget*>(widget), control);
            break;
    }
    widget->setEnabled(control.enabled);
    widget->setVisible(control.visible);
    if (const QString tip = ToolTipOf(context, control); widget->toolTip() != tip) widget->setToolTip(tip);
    if (!control.accessibleName.empty()) {
        const QString name = TranslatedText(context, control.accessibleName);
        if (widget->accessibleName() != name) widget->setAccessibleName(name);
    }
}

void WindowBinding::QueueListActivate(const std::string& name, int row) {
    // The model refills the list in answer; let the list finish its own event first.
    QMetaObject::invokeMethod(this, [this, name, row] { window_.ListActivate(name, row); }, Qt::QueuedConnection);
}

// Enter goes to the model, which knows what it means there: a button runs, a
// list enters its highlighted item, a text box runs the window's default
// button. Taking the key here keeps it from also reaching a dialog's own
// default-button handling.
bool WindowBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == container_ && event->type() == QEvent::Resize) {
        if (sizing_ == Sizing::ScalesWithWindow)
            FollowWindowSize();
        else
            FitGrowingControls();
    }
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    // An arrow key goes where the model's table leads, or on to the widget.
    if (const std::optional<Arrow> arrow = ArrowOf(key)) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool plain = static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier;
        return widget && plain && window_.PressArrow(FromQt(widget->objectName()), *arrow);
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return QObject::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    const std::string name = FromQt(widget->objectName());
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        if (list->currentRow() >= 0) QueueListActivate(name, list->currentRow());
    } else {
        window_.PressEnter(name);
    }
    return true;
}

// A circuit view takes whatever room its window gains or loses; everything
// else keeps its place.
void WindowBinding::FitGrowingControls() {
    for (const Control& control : window_.Controls()) {
        if (control.kind != ControlKind::CircuitView) continue;
        if (QWidget* widget = WidgetFor(control.name)) widget->setGeometry(GeometryOf(control));
    }
}

// The whole layout at a new scale: positions, sizes and fonts alike.
void WindowBinding::FollowWindowSize() {
    const QSize client(TwipsToPixels(window_.ClientWidth()), TwipsToPixels(window_.ClientHeight()));
    if (container_->size() == client) return;  // laid out for this size already
    const double scale = ScaleFollowingWindow(container_->size(), QSize(window_.ClientWidth(), window_.ClientHeight()),
                                              AvailableScreenArea());
    if (scale == UiScale()) return;
    SetUiScale(scale);
    InstallApplicationFonts();
    LayOut();
}

void WindowBinding::LayOut() {
    for (const Control& control : window_.Controls()) {
        QWidget* widget = WidgetFor(control.name);
        if (!widget) continue;
        widget->setGeometry(GeometryOf(control));
        if (control.kind == ControlKind::MultiLineTextBox) widget->setFont(MatrixFont());
        widget->update();
    }
}

void WindowBinding::FocusRequested(const Control& control) {
    if (QWidget* widget = WidgetFor(control.name)) widget->setFocus(Qt::OtherFocusReason);
}

void WindowBinding::ControlChanged(const Control& control) {
    if (QWidget* widget = WidgetFor(control.name)) {
        Apply(control, widget);
        return;
    }
    if (!control.visible) return;  // it gets its widget once it is shown
    QWidget* widget = AddWidget(control);
    StackInTableOrder(control, widget);
    if (control.tabIndex >= 0) ApplyTabOrder();
}

void WindowBinding::WindowChanged() {
    if (container_) container_->setWindowTitle(TranslatedText(window_.FormName(), window_.Caption()));
}

void WindowBinding::Closed() {
    if (onClosed_) onClosed_();
}

}  // namespace selvaris::ui
