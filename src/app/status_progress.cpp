#include "status_progress.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QStatusBar>
#include <algorithm>

#include "app_strings.h"
#include "lock_keys.h"

namespace reelkeep {

namespace {

QLabel* MakeIndicator(QStatusBar& bar, const char* text) {
    auto* label = new QLabel(appstr::Tr(text), &bar);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(label->text()) + 12);
    label->setEnabled(false);
    bar.addPermanentWidget(label);
    return label;
}

}  // namespace

CStatusPanes::CStatusPanes(QStatusBar& bar)
    : QObject(&bar), bar_(bar), message_(new QLabel(appstr::Tr(appstr::kReady), &bar)) {
    bar_.addWidget(message_, 1);
    filter_ = new QLabel(&bar_);
    filter_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar_.addPermanentWidget(filter_);
    filter_->hide();
    indicators_ = {MakeIndicator(bar_, appstr::kCapsIndicator),
                   MakeIndicator(bar_, appstr::kNumIndicator),
                   MakeIndicator(bar_, appstr::kScrollIndicator)};
    progressPane_ = new QWidget(&bar_);
    progressPane_->setFixedWidth(
        bar_.fontMetrics().horizontalAdvance(QString(appstr::kProgressPaneBlanks, u' ')));
    auto* paneLayout = new QHBoxLayout(progressPane_);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    bar_.addPermanentWidget(progressPane_);
    progressPane_->hide();
    RefreshLockKeys();
    qApp->installEventFilter(this);
}

void CStatusPanes::ShowProgressLayout() {
    progressLayout_ = true;
    for (QLabel* indicator : indicators_) indicator->hide();
    filter_->hide();
    progressPane_->show();
}

void CStatusPanes::ShowNormalLayout() {
    progressLayout_ = false;
    progressPane_->hide();
    for (QLabel* indicator : indicators_) indicator->show();
    filter_->setVisible(!filter_->text().isEmpty());
    message_->setText(appstr::Tr(appstr::kReady));
    RefreshLockKeys();
}

void CStatusPanes::SetFilterText(const QString& text) {
    filter_->setText(text);
    filter_->setVisible(!text.isEmpty() && !progressLayout_);
}

QString CStatusPanes::FilterText() const { return filter_->text(); }

void CStatusPanes::SetProgressCaption(const QString& text) {
    bar_.clearMessage();
    message_->setText(text);
    PaintNow();
}

void CStatusPanes::BeginBar(std::uint32_t max) {
    EndBar();
    progressBar_ = new QProgressBar(progressPane_);
    progressPane_->layout()->addWidget(progressBar_);
    // A range of 0..0 would make QProgressBar show a busy animation instead of an empty bar.
    const int top =
        static_cast<int>(std::min<std::uint32_t>(std::max<std::uint32_t>(max, 1), INT32_MAX));
    progressBar_->setRange(0, top);
    progressBar_->setValue(0);
    valuesPerPixel_ = std::max(1, top / std::max(1, progressPane_->width()));
    nextShownValue_ = valuesPerPixel_;
    progressBar_->setTextVisible(false);
    // As tall as the indicators it replaces: a taller status bar would shift the window's
    // contents while the loop runs.
    progressBar_->setMaximumHeight(indicators_[0]->sizeHint().height());
    progressBar_->show();
    PaintNow();
}

void CStatusPanes::SetBarValue(std::uint32_t value) {
    // A loop may report every one of a million steps; the widget hears of those a person can
    // see, a pixel apart, and the last.
    const int top = progressBar_ ? progressBar_->maximum() : 0;
    const int shown = static_cast<int>(std::min<std::uint32_t>(value, static_cast<unsigned>(top)));
    if (!progressBar_ || (shown < nextShownValue_ && shown < top)) return;
    nextShownValue_ = shown + valuesPerPixel_;
    progressBar_->setValue(shown);  // repaints at once, as the event loop may not run
}

void CStatusPanes::EndBar() { delete progressBar_; }

void CStatusPanes::RefreshLockKeys() {
    const auto states = QueryLockKeys().value_or(LockKeyStates{});
    indicators_[0]->setEnabled(states.caps);
    indicators_[1]->setEnabled(states.num);
    indicators_[2]->setEnabled(states.scroll);
}

int CStatusPanes::VisiblePaneCount() const {
    int count = 1;  // the message pane is always there
    for (const QLabel* indicator : indicators_) count += indicator->isVisibleTo(&bar_) ? 1 : 0;
    count += filter_->isVisibleTo(&bar_) ? 1 : 0;
    return count + (progressPane_->isVisibleTo(&bar_) ? 1 : 0);
}

QString CStatusPanes::MessageText() const { return message_->text(); }

bool CStatusPanes::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyRelease:
        case QEvent::ApplicationActivate:
            if (!progressLayout_) RefreshLockKeys();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void CStatusPanes::PaintNow() {
    if (!bar_.isVisible()) return;
    if (QLayout* layout = bar_.layout()) layout->activate();
    bar_.repaint();
}

}  // namespace reelkeep
