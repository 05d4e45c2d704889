#include "CloseUpView.h"

#include "CloseUpTexts.h"
#include "FigureCanvas.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace closeup {

CloseUpView::CloseUpView(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_canvas(new FigureCanvas(this))
    , m_counts(new QLabel(this))
    , m_showDots(new QCheckBox(showDotsText, this))
{
    setWindowTitle(viewTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    // The view sets its own look, not the designed window's.
    setFont(QFont());
    setPalette(QPalette());
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    m_counts->setAlignment(Qt::AlignCenter);
    m_counts->setWordWrap(true);
    m_counts->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_counts->setAccessibleName(QStringLiteral("Допирания"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_canvas, 1);
    layout->addWidget(m_counts);
    layout->addWidget(m_showDots, 0, Qt::AlignCenter);
    connect(m_showDots, &QCheckBox::toggled, m_canvas, &FigureCanvas::setShowDots);

    resize(720, 800);
    showNoFigure();
}

void CloseUpView::showFigure(int a, int b)
{
    FigurePainter figure(a, b);
    m_counts->setText(frequenciesLine(a, b) + QLatin1Char('\n') + countsLine(figure.touches()));
    m_canvas->setFigure(std::move(figure));
}

void CloseUpView::showNoFigure()
{
    m_counts->setText(noFigureText);
    m_canvas->setFigure(std::nullopt);
}

const FigurePainter *CloseUpView::figure() const
{
    return m_canvas->figure();
}

bool CloseUpView::showsDots() const
{
    return m_canvas->showsDots();
}

void CloseUpView::setFullScreen(bool on)
{
    if (on == isFullScreen())
        return;
    // Where no window manager makes a full-screen window cover the screen, the view
    // takes the screen's size itself, and its own size back afterwards.
    if (on) {
        m_normalGeometry = geometry();
        setGeometry(screen()->geometry());
        showFullScreen();
    } else {
        showNormal();
        if (m_normalGeometry.isValid())
            setGeometry(m_normalGeometry);
    }
}

void CloseUpView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F11:
        setFullScreen(!isFullScreen());
        break;
    case Qt::Key_Escape:
        if (isFullScreen())
            setFullScreen(false);
        else
            close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CloseUpView::resizeEvent(QResizeEvent *event)
{
    // The text grows with the view, to be read on a projector.
    QFont large = font();
    large.setPointSizeF(std::clamp(height() / 45.0, 11.0, 32.0));
    m_counts->setFont(large);
    m_showDots->setFont(large);
    QWidget::resizeEvent(event);
}

} // namespace closeup
