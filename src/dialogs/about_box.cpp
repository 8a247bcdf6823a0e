#include "about_box.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "dialog_strings.h"
#include "dialog_widgets.h"
#include "dialogs.h"
#include "qt_text.h"

namespace reelkeep {

namespace {

// The application's own icon, or a standard one when the application has none.
QIcon AboutIcon(const QWidget* box) {
    const QIcon icon = QApplication::windowIcon();
    return icon.isNull() ? box->style()->standardIcon(QStyle::SP_DesktopIcon) : icon;
}

}  // namespace

CAboutBox::CAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(dlg::Tr(dlg::kAboutTitle));
    auto* icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_LargeIconSize);
    icon->setPixmap(AboutIcon(this).pixmap(side, side));

    auto* texts = new QVBoxLayout;
    for (std::string_view text : {dlg::kAboutName, dlg::kAboutVersion, dlg::kAboutMaker}) {
        texts->addWidget(MakeLabel(text, this));
    }
    auto* ok = MakeButton(dlg::kOk, true, this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addLayout(texts, 0, 1);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->setHorizontalSpacing(fontMetrics().averageCharWidth() * 3);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowAboutBox(QWidget* parent) {
    CAboutBox box(parent);
    box.exec();
}

}  // namespace reelkeep
