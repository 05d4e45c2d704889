#include "Form.h"

#include "CommandButton.h"
#include "ListBox.h"
#include "PictureBox.h"
#include "RuntimeErrorBox.h"
#include "Twips.h"

#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>

#include <new>

namespace forms {

namespace {

QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QRect pixelGeometry(const ControlDesign &design)
{
    return {pixelsFromTwips(design.left), pixelsFromTwips(design.top),
            pixelsFromTwips(design.width), pixelsFromTwips(design.height)};
}

figure::Rgb rgbFromQt(const QColor &colour)
{
    return {std::uint8_t(colour.red()), std::uint8_t(colour.green()), std::uint8_t(colour.blue())};
}

QWidget *createControl(const ControlDesign &design, QWidget *parent)
{
    const QRect geometry = pixelGeometry(design);
    switch (design.kind) {
    case ControlKind::TextBox: {
        auto *textBox = new QPlainTextEdit(qtText(design.text), parent);
        textBox->setReadOnly(true);
        return textBox;
    }
    case ControlKind::Label:
        return new QLabel(qtText(design.text), parent);
    case ControlKind::PictureBox:
        // Until the program sets a background, the platform's button face shows.
        return new PictureBox(geometry.size(), rgbFromQt(parent->palette().color(QPalette::Button)),
                              parent);
    case ControlKind::ListBox: {
        auto *list = new ListBox(parent);
        for (std::string_view item : design.items)
            list->addItem(item);
        return list;
    }
    case ControlKind::CommandButton:
        return new CommandButton(qtText(design.text), parent);
    }
    return nullptr;
}

} // namespace

Form::Form(const FormDesign &design, QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(qtText(design.caption));
    setFixedSize(pixelsFromTwips(design.clientWidth), pixelsFromTwips(design.clientHeight));

    // Created in tab order, which Qt takes as the focus chain.
    for (const ControlDesign &controlDesign : design.controls) {
        QWidget *widget = createControl(controlDesign, this);
        widget->setGeometry(pixelGeometry(controlDesign));
        widget->setVisible(controlDesign.visible);
        m_controls.push_back({std::string(controlDesign.name), controlDesign.index, widget});
    }
}

void Form::start()
{
    runHandler([this] { load(); });
    show();
}

void Form::onClick(std::string_view arrayName, std::function<void(std::int16_t)> handler)
{
    for (const Entry &entry : m_controls) {
        auto *button = qobject_cast<CommandButton *>(entry.widget);
        if (!button || entry.name != arrayName)
            continue;
        const std::int16_t index = entry.index.value_or(0);
        connect(button, &QPushButton::clicked, this,
                [this, handler, index] { runHandler([&] { handler(index); }); });
    }
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
    } catch (const figure::RuntimeError &error) {
        showRuntimeError(this, error);
    } catch (const std::bad_alloc &) {
        showRuntimeError(this, figure::RuntimeError::outOfMemory());
    }
}

} // namespace forms
