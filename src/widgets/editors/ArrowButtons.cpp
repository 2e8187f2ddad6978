#include "widgets/editors/ArrowButtons.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace orvane {

namespace {

QToolButton* MakeArrow(Qt::ArrowType type, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setFixedSize(18, 11);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

ArrowButtons::ArrowButtons(QWidget* parent)
    : QWidget(parent), m_up(MakeArrow(Qt::UpArrow, this)), m_down(MakeArrow(Qt::DownArrow, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, [this] { emit stepped(true); });
    connect(m_down, &QToolButton::clicked, this, [this] { emit stepped(false); });
}

}  // namespace orvane
