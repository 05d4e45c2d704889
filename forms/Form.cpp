#include "Form.h"

#include "Announcer.h"
#include "CommandButton.h"
#include "ListBox.h"
#include "PictureBox.h"
#include "QtConversions.h"
#include "RuntimeErrorBox.h"
#include "TextBox.h"
#include "Twips.h"

#include <QApplication>
#include <QFocusFrame>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPixmap>

#include <new>

namespace forms {

namespace {

Rgb rgbFromQt(const QColor &colour)
{
    return {std::uint8_t(colour.red()), std::uint8_t(colour.green()), std::uint8_t(colour.blue())};
}

QRect pixelGeometry(const ControlDesign &design)
{
    return {pixelsFromTwips(design.left), pixelsFromTwips(design.top),
            pixelsFromTwips(design.width), pixelsFromTwips(design.height)};
}

QFont qtFont(const FontDesign &design)
{
    QFont font(qtText(design.family), design.pointSize, design.weight);
    // Where the family is missing, a metric-compatible serif stands in: fontconfig's on
    // Linux, the one shipped beside the program on Windows (see FontSubstitutes).
    font.setStyleHint(QFont::Serif);
    return font;
}

// Paints the widget's own background in the colour, in place of the style's.
void fillBackground(QWidget *widget, QPalette::ColorRole role, Rgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, qtColour(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(role == QPalette::Window);
}

QWidget *createControl(const ControlDesign &design, QWidget *parent)
{
    switch (design.kind) {
    case ControlKind::TextBox: {
        auto *textBox = new TextBox(parent);
        textBox->setText(design.text);
        if (design.backColor)
            fillBackground(textBox, QPalette::Base, *design.backColor);
        return textBox;
    }
    case ControlKind::Label: {
        auto *label = new QLabel(qtText(design.text), parent);
        label->setAlignment(Qt::AlignCenter);
        if (design.backColor)
            fillBackground(label, QPalette::Window, *design.backColor);
        return label;
    }
    case ControlKind::PictureBox:
        // Until the program sets a background, the platform's button face shows.
        return new PictureBox(pixelGeometry(design).size(),
                              design.backColor.value_or(rgbFromQt(parent->palette().color(QPalette::Button))),
                              parent);
    case ControlKind::ListBox: {
        auto *list = new ListBox(parent);
        for (std::string_view item : design.items)
            list->addItem(item);
        if (design.backColor)
            fillBackground(list, QPalette::Base, *design.backColor);
        return list;
    }
    case ControlKind::CommandButton:
        return new CommandButton(qtText(design.text), design.backColor, parent);
    }
    Q_UNREACHABLE();
}

} // namespace

Form::Form(const FormDesign &design, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
{
    setWindowTitle(qtText(design.caption));
    if (!design.spokenName.empty())
        setAccessibleName(qtText(design.spokenName));
    setWindowIcon(QIcon(QPixmap(design.icon)));
    // A fixed client area: the design places every control, and nothing moves them.
    setFixedSize(pixelsFromTwips(design.clientWidth), pixelsFromTwips(design.clientHeight));
    fillBackground(this, QPalette::Window, design.backColor);
    setFont(qtFont(design.font));

    // Created in tab order, which Qt takes as the focus chain.
    for (const ControlDesign &controlDesign : design.controls) {
        QWidget *widget = createControl(controlDesign, this);
        widget->setGeometry(pixelGeometry(controlDesign));
        widget->setVisible(controlDesign.visible);
        if (!controlDesign.accessibleName.empty())
            widget->setAccessibleName(qtText(controlDesign.accessibleName));
        m_controls.push_back({std::string(controlDesign.name), controlDesign.index, widget});
    }

    m_announcer = new Announcer(this);

    // The styles mark a focused list, text box or picture only faintly, if at all; a
    // ring around it shows a keyboard user where they are. Buttons draw their own mark.
    auto *focusRing = new QFocusFrame(this);
    connect(qApp, &QApplication::focusChanged, focusRing, [this, focusRing](QWidget *, QWidget *now) {
        const bool ringed = now && now->parentWidget() == this
                            && (qobject_cast<ListBox *>(now) || qobject_cast<TextBox *>(now)
                                || qobject_cast<PictureBox *>(now));
        focusRing->setWidget(ringed ? now : nullptr);
        // Over the labels that touch the lists, so that the ring shows on every side.
        focusRing->raise();
    });
}

void Form::start()
{
    runHandler([this] { load(); });
    show();
    // Inside a frame of the program's own, the frame is the window to show.
    window()->show();
}

void Form::bindClick(QPushButton &button, std::int16_t index, std::function<void(std::int16_t)> handler)
{
    connect(&button, &QPushButton::clicked, this,
            [this, handler = std::move(handler), index] { runHandler([&] { handler(index); }); });
}

void Form::announce(std::string_view text)
{
    m_announcer->announce(qtText(text));
}

QWidget *Form::lookUp(std::string_view name, std::optional<std::int16_t> index) const
{
    for (const Entry &entry : m_controls) {
        if (entry.name == name && entry.index == index)
            return entry.widget;
    }
    return nullptr;
}

void Form::runHandler(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const RuntimeError &error) {
        showRuntimeError(this, error);
    } catch (const std::bad_alloc &) {
        showRuntimeError(this, RuntimeError::outOfMemory());
    } catch (const std::exception &error) {
        const std::optional<RuntimeError> runtimeError = runtimeErrorFor(error);
        if (!runtimeError)
            throw;
        showRuntimeError(this, *runtimeError);
    }
}

} // namespace forms
