#include "widgets/SplashWindow.h"

#include <QEventLoop>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "widgets/ProgramInfo.h"
#include "widgets/panes/IconLibrary.h"

namespace orvane {

namespace {

QLabel* Text(const QString& text, int points, bool italic, int id, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(points);
    font.setItalic(italic);
    label->setFont(font);
    label->setProperty("controlId", id);
    return label;
}

}  // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setProperty("controlId", 150);
    setAttribute(Qt::WA_DeleteOnClose, false);
    const int unitX = fontMetrics().averageCharWidth();
    const int unitY = fontMetrics().height();

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* picture = new QLabel(frame);
    const int side = 100 * unitY / 8;
    picture->setPixmap(QIcon(IconLibrary::PicturePath()).pixmap(side, side));
    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->addWidget(picture);

    auto* texts = new QVBoxLayout;
    texts->addStretch(1);
    texts->addWidget(Text(tr(ProgramInfo::kSlogan), 14, false, 1093, this));
    texts->addSpacing(unitY);
    texts->addWidget(Text(tr(ProgramInfo::kName), 16, true, 1089, this));
    texts->addWidget(Text(tr(ProgramInfo::kVersion), 10, false, 1091, this));
    texts->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(unitX * 2, unitY, unitX * 2, unitY);
    layout->addWidget(frame);
    layout->addSpacing(unitX * 2);
    layout->addLayout(texts, 1);
    setMinimumSize(379 * unitX / 4, 126 * unitY / 8);
    QPalette light = palette();
    light.setColor(QPalette::Window, light.color(QPalette::Base));
    setPalette(light);
    setAutoFillBackground(true);
}

void SplashWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // A frameless window needs an edge of its own.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SplashWindow::ShowFor(int milliseconds)
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    show();
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    close();
}

}  // namespace orvane
