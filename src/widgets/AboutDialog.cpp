#include "widgets/AboutDialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/ProgramInfo.h"
#include "widgets/panes/IconLibrary.h"

namespace orvane {

namespace {

QLabel* Text(const QString& text, int id, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setProperty("controlId", id);
    return label;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr(ProgramInfo::kAboutTitle));
    setProperty("controlId", 100);
    const int side = 64;
    auto* picture = Text(QString(), 1088, this);
    picture->setPixmap(QIcon(IconLibrary::PicturePath()).pixmap(side, side));

    QLabel* name = Text(tr(ProgramInfo::kName), 1089, this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(Text(tr(ProgramInfo::kVersionCaps), 1091, this));
    texts->addWidget(Text(tr(ProgramInfo::kSlogan), 1092, this));

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Ok)->setProperty("controlId", 1);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(rule);
    layout->addWidget(buttons);
    const int unitX = fontMetrics().averageCharWidth();
    setMinimumWidth(261 * unitX / 4);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace orvane
